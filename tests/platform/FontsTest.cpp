#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QStringList>

#include "platform/drawing/Fonts.h"
#include "platform/drawing/MulDiv.h"
#include "platform/screen/DialogUnits.h"

namespace abacor {
namespace {

using namespace Qt::StringLiterals;

TEST(MulDiv, RoundsToNearestHalvesAwayFromZero)
{
    // The calculator's font heights: trunc(S * N) * dpi / 720.
    EXPECT_EQ(MulDiv(220, 192, 720), 59);
    EXPECT_EQ(MulDiv(105, 192, 720), 28);
    EXPECT_EQ(MulDiv(120, 192, 720), 32);
    EXPECT_EQ(MulDiv(40, 192, 720), 11);
    EXPECT_EQ(MulDiv(220, 96, 720), 29);
    EXPECT_EQ(MulDiv(40, 96, 720), 5);
    EXPECT_EQ(MulDiv(1, 1, 2), 1);
    EXPECT_EQ(MulDiv(-1, 1, 2), -1);
    EXPECT_EQ(MulDiv(-5, 1, 2), -3);
    EXPECT_EQ(MulDiv(5, 1, -2), -3);
    EXPECT_EQ(MulDiv(7, 3, 0), -1);
    EXPECT_EQ(MulDiv(2000000000, 2000000000, 1), -1);
    EXPECT_EQ(MulDiv(2000000000, 2000000000, 2000000000), 2000000000);
}

TEST(Fonts, ACellHeightIsAscentPlusDescent)
{
    for (int cell = 5; cell <= 90; ++cell) {
        for (FontQuality quality : {FontQuality::Default, FontQuality::ClearType}) {
            const QFont font = MakeFont(cell, quality);
            const QFontMetrics metrics(font);
            EXPECT_LE(metrics.ascent() + metrics.descent(), cell) << cell;
            if (cell >= 11) {
                QFont larger = font;
                larger.setPixelSize(font.pixelSize() + 1);
                EXPECT_GT(QFontMetrics(larger).height(), cell) << "the largest size that fits, " << cell;
            }
        }
    }
}

TEST(Fonts, FallBackToTheInstalledJapaneseFace)
{
    // The first of the faces that is installed, named alone.
    const QFont font = MakeFont(32, FontQuality::Default);
    ASSERT_EQ(font.families().size(), 1);
    const QString resolved = QFontInfo(font).family();
    EXPECT_EQ(resolved, font.families().front());
    const QStringList installed = QFontDatabase::families();
    const QString first = installed.contains(u"MS UI Gothic"_qs) ? u"MS UI Gothic"_qs
                          : installed.contains(u"IPAPGothic"_qs) ? u"IPAPGothic"_qs
                                                                 : u"Noto Sans CJK JP"_qs;
    EXPECT_EQ(resolved, first);
    EXPECT_EQ(font.weight(), QFont::Normal);
    EXPECT_TRUE(font.styleStrategy() & QFont::NoAntialias);
    EXPECT_TRUE(MakeFont(32, FontQuality::ClearType).styleStrategy() & QFont::PreferAntialias);
}

TEST(DialogUnits, ConvertWithTheFontsBaseUnits)
{
    const DialogUnits units(6, 12);
    EXPECT_EQ(units.ToPixels(7, 8, 124, 14), (Rect{11, 12, 197, 33}));
    EXPECT_EQ(units.ToPixelsX(2), 3);
    EXPECT_EQ(units.ToPixelsY(1), 2);

    const DialogUnits fromFont(DialogUnits::DialogFont(9, 192));
    EXPECT_EQ(DialogUnits::DialogFont(9, 192).pixelSize(), 24);
    const QFontMetrics metrics(DialogUnits::DialogFont(9, 192));
    EXPECT_EQ(fromFont.BaseUnitY(), metrics.height());
    const int letters =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    EXPECT_EQ(fromFont.BaseUnitX(), (letters / 26 + 1) / 2);
    EXPECT_GT(fromFont.BaseUnitX(), 5);
}

}  // namespace
}  // namespace abacor
