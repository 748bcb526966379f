#include "platform/drawing/Fonts.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

#include <algorithm>
#include <cstdio>

namespace abacor {

namespace {

// The calculator's faces; where none is installed, any face that has the
// Japanese captions (fontconfig knows), and where there is none, one word on
// the terminal instead of a window of empty boxes.
const QStringList& Families()
{
    static const QStringList families = [] {
        QStringList faces{QStringLiteral("MS UI Gothic"), QStringLiteral("IPAPGothic"),
                          QStringLiteral("Noto Sans CJK JP")};
        const QStringList installed = QFontDatabase::families();
        if (std::any_of(faces.begin(), faces.end(), [&](const QString& face) { return installed.contains(face); }))
            return faces;
        const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
        if (!japanese.isEmpty())
            return faces << japanese.front();
        std::fprintf(stderr, "%s\n",
                     QCoreApplication::translate("Console",
                                                 "日本語を表示できるフォントがありません。fonts-ipafont-gothic "
                                                 "などを入れてください。")
                         .toLocal8Bit()
                         .constData());
        return faces;
    }();
    return families;
}

QFont BaseFont(FontQuality quality)
{
    QFont font;
    font.setFamilies(Families());
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
