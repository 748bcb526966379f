#include "platform/drawing/Fonts.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QRawFont>
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
        // The one face installed, alone: with more faces named, Qt asks
        // fontconfig for every script's fallbacks the first time it shapes
        // the script (a sort of all fonts each), not only for a missing glyph.
        const QStringList installed = QFontDatabase::families();
        for (const QString& face : faces)
            if (installed.contains(face))
                return QStringList{face};
        const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
        if (!japanese.isEmpty())
            return QStringList{japanese.front()};
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
    // The cell's height per pixel of size, as the first font measured it.
    static double cellPerPixel = 0.0;
    const bool calibrated = cellPerPixel > 0.0;
    const int target = std::max(cellHeight, 1);
    const auto estimated = [target] { return std::max(static_cast<int>(std::lround(target / cellPerPixel)), 1); };
    // One engine through the font database at the likeliest size, the other
    // sizes measured on copies of it: each size through the database costs
    // an engine and a fontconfig match, and the start fits five fonts.
    QFont font = BaseFont(quality);
    font.setPixelSize(calibrated ? estimated() : target);
    QRawFont face = QRawFont::fromFont(font);
    const auto cell = [&face, &font](int pixels) {
        if (face.isValid())
            face.setPixelSize(pixels);
        // A platform whose engines cannot be copied at a size measures each.
        if (!face.isValid()) {
            font.setPixelSize(pixels);
            return QFontMetrics(font).height();
        }
        return qRound(face.ascent()) + qRound(face.descent());
    };
    if (!calibrated)
        cellPerPixel = std::max(1.0, static_cast<double>(cell(target)) / target);
    // The largest size whose cell fits, stepping from the estimate.
    int size = estimated();
    while (size > 1 && cell(size) > target)
        --size;
    // A face with no height at all (a broken file) ends somewhere.
    while (size < 4 * target && cell(size + 1) <= target)
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
