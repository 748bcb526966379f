#include "platform/drawing/Fonts.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

#include <algorithm>
#include <cmath>
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
    // The cell's height per pixel of size, as the first font measured it:
    // each size measured costs a font engine, and the start makes five.
    static double cellPerPixel = 0.0;
    QFont font = BaseFont(quality);
    const int target = std::max(cellHeight, 1);
    const auto cell = [&font](int pixels) {
        font.setPixelSize(pixels);
        return QFontMetrics(font).height();
    };
    if (cellPerPixel <= 0.0)
        cellPerPixel = std::max(1.0, static_cast<double>(cell(target)) / target);
    // The largest size whose cell fits, stepping from the nearest estimate:
    // it is most often the answer, so that two sizes are measured, not three.
    int size = std::max(static_cast<int>(std::lround(target / cellPerPixel)), 1);
    while (size > 1 && cell(size) > target)
        --size;
    while (cell(size + 1) <= target)
        ++size;
    font.setPixelSize(size);
    return font;
}

QFont MakeFontByEmHeight(int emHeight, FontQuality quality)
{
    QFont font = BaseFont(quality);
    font.setPixelSize(std::max(emHeight, 1));
    return font;
}

}  // namespace abacor
