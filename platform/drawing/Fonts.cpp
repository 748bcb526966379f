#include "platform/drawing/Fonts.h"

#include <QFontMetrics>
#include <QStringList>

#include <algorithm>

namespace abacor {

namespace {

QFont BaseFont(FontQuality quality)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS UI Gothic"), QStringLiteral("IPAPGothic"),
                      QStringLiteral("Noto Sans CJK JP")});
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
    // The cell grows with the pixel size; take the largest size that fits.
    int size = target;
    font.setPixelSize(size);
    while (size > 1 && QFontMetrics(font).height() > target) {
        --size;
        font.setPixelSize(size);
    }
    return font;
}

QFont MakeFontByEmHeight(int emHeight, FontQuality quality)
{
    QFont font = BaseFont(quality);
    font.setPixelSize(std::max(emHeight, 1));
    return font;
}

}  // namespace abacor
