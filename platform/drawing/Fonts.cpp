#include "platform/drawing/Fonts.h"

#include <QFontMetrics>
#include <QStringList>

#include <algorithm>

namespace abacor {

namespace {

QFont BaseFont(FontQuality quality)
{
    QFont font;
    font.setFamilies(
        {QStringLiteral("MS UI Gothic"), QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(quality == FontQuality::ClearType ? QFont::PreferAntialias : QFont::NoAntialias);
    return font;
}

}  // namespace

QFont MakeFont(int cellHeight, FontQuality quality)
{
    QFont font = BaseFont(quality);
    const int target = std::max(cellHeight, 1);
    // The cell grows with the pixel size: scale once by the face's cell-to-em
    // ratio, then step to the largest size that fits.
    font.setPixelSize(target);
    const int atTarget = QFontMetrics(font).height();
    int size = atTarget > target ? std::max(target * target / atTarget, 1) : target;
    font.setPixelSize(size);
    while (size > 1 && QFontMetrics(font).height() > target)
        font.setPixelSize(--size);
    for (QFont larger = font; larger.setPixelSize(size + 1), QFontMetrics(larger).height() <= target;)
        font.setPixelSize(++size);
    return font;
}

QFont MakeFontByEmHeight(int emHeight, FontQuality quality)
{
    QFont font = BaseFont(quality);
    font.setPixelSize(std::max(emHeight, 1));
    return font;
}

}  // namespace abacor
