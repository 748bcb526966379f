#include <gtest/gtest.h>

#include <array>
#include <set>

#include "platform/drawing/DrawSurface.h"
#include "platform/drawing/Fonts.h"

namespace abacor {
namespace {

constexpr ColorRef kWhite = 0xFFFFFF;
constexpr ColorRef kRed = Rgb(255, 0, 0);
constexpr ColorRef kBlue = Rgb(0, 0, 255);
constexpr ColorRef kGrey = 0xC8C8C8;

// The set of (x, y) pixels of a surface that have the given colour.
std::set<std::pair<int, int>> PixelsOf(const DrawSurface& surface, ColorRef color)
{
    std::set<std::pair<int, int>> pixels;
    for (int y = 0; y < surface.Height(); ++y)
        for (int x = 0; x < surface.Width(); ++x)
            if (surface.PixelAt(x, y) == color)
                pixels.insert({x, y});
    return pixels;
}

std::set<std::pair<int, int>> Area(int left, int top, int right, int bottom)
{
    std::set<std::pair<int, int>> pixels;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            pixels.insert({x, y});
    return pixels;
}

TEST(DrawSurface, ColoursAreBgrReferences)
{
    DrawSurface surface(4, 4);
    surface.FillRect({0, 0, 1, 1}, 0x0000FF);
    EXPECT_EQ(surface.Image().pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(surface.PixelAt(0, 0), 0x0000FFu);
    EXPECT_EQ(surface.Image().format(), QImage::Format_RGB32);
}

TEST(DrawSurface, FillCoversLeftTopButNotRightBottom)
{
    DrawSurface surface(10, 10);
    surface.FillRect({2, 3, 6, 8}, kRed);
    EXPECT_EQ(PixelsOf(surface, kRed), Area(2, 3, 6, 8));
    surface.FillRect({-5, -5, 1, 1}, kBlue);  // clipped, no crash
    EXPECT_EQ(surface.PixelAt(0, 0), kBlue);
}

TEST(DrawSurface, RectangleOutlinesTheOutermostPixels)
{
    DrawSurface surface(12, 12);
    surface.SelectPen(Pen::Solid(1, kRed));
    surface.SelectBrush(Brush::Solid(kBlue));
    surface.Rectangle({2, 2, 9, 7});
    EXPECT_EQ(PixelsOf(surface, kBlue), Area(3, 3, 8, 6));
    auto outline = Area(2, 2, 9, 7);
    for (const auto& p : Area(3, 3, 8, 6))
        outline.erase(p);
    EXPECT_EQ(PixelsOf(surface, kRed), outline);
}

TEST(DrawSurface, RectangleWithoutPenFillsOnePixelLess)
{
    DrawSurface surface(12, 12);
    surface.SelectPen(Pen::None());
    surface.SelectBrush(Brush::Solid(kBlue));
    surface.Rectangle({2, 2, 9, 7});
    EXPECT_EQ(PixelsOf(surface, kBlue), Area(2, 2, 8, 6));
}

TEST(DrawSurface, AWidePenGrowsOutwards)
{
    DrawSurface surface(20, 20);
    surface.SelectPen(Pen::Solid(2, kRed));
    surface.SelectBrush(Brush::Solid(kBlue));
    surface.Rectangle({5, 5, 15, 12});
    // Two pixels on every side: one outside the rectangle, one on its edge.
    EXPECT_EQ(PixelsOf(surface, kBlue), Area(6, 6, 14, 11));
    auto frame = Area(4, 4, 16, 13);
    for (const auto& p : Area(6, 6, 14, 11))
        frame.erase(p);
    EXPECT_EQ(PixelsOf(surface, kRed), frame);
}

TEST(DrawSurface, AHollowBrushLeavesTheInsideAlone)
{
    DrawSurface surface(10, 10);
    surface.FillRect({0, 0, 10, 10}, kGrey);
    surface.SelectPen(Pen::Solid(1, kRed));
    surface.SelectBrush(Brush::Hollow());
    surface.Rectangle({1, 1, 9, 9});
    EXPECT_EQ(PixelsOf(surface, kGrey).count({4, 4}), 1u);
    EXPECT_EQ(surface.PixelAt(1, 1), kRed);
    EXPECT_EQ(surface.PixelAt(8, 8), kRed);
    EXPECT_EQ(surface.PixelAt(9, 9), kGrey);
}

TEST(DrawSurface, LinesStopOnePixelShortOfTheirEnd)
{
    DrawSurface surface(12, 12);
    surface.SelectPen(Pen::Solid(1, kRed));
    surface.MoveTo(2, 5);
    surface.LineTo(8, 5);
    EXPECT_EQ(PixelsOf(surface, kRed), Area(2, 5, 8, 6));
    surface.SelectPen(Pen::Solid(1, kBlue));
    surface.LineTo(8, 1);  // from the current position, upwards
    EXPECT_EQ(PixelsOf(surface, kBlue), Area(8, 2, 9, 6));
    DrawSurface diagonal(6, 6);
    diagonal.SelectPen(Pen::Solid(1, kRed));
    diagonal.MoveTo(0, 0);
    diagonal.LineTo(4, 4);
    EXPECT_EQ(PixelsOf(diagonal, kRed), (std::set<std::pair<int, int>>{{0, 0}, {1, 1}, {2, 2}, {3, 3}}));
}

TEST(DrawSurface, TheBevelOfASquareKey)
{
    // Bottom and right edges in the line colour, top and left in white.
    DrawSurface surface(10, 8);
    surface.FillRect({0, 0, 10, 8}, kGrey);
    const Rect key{1, 1, 9, 7};
    surface.SelectPen(Pen::Solid(1, 0x000000));
    surface.SelectBrush(Brush::Solid(0xE1E1E1));
    surface.Rectangle(key);
    surface.SelectPen(Pen::Solid(1, kWhite));
    surface.MoveTo(key.right, key.top);
    surface.LineTo(key.left, key.top);
    surface.LineTo(key.left, key.bottom);
    // The white line starts at (right, top), just outside the key, and
    // stops short of (left, bottom).
    EXPECT_EQ(surface.PixelAt(9, 1), kWhite);
    EXPECT_EQ(surface.PixelAt(8, 1), kWhite);
    EXPECT_EQ(surface.PixelAt(8, 2), 0x000000u);
    EXPECT_EQ(surface.PixelAt(1, 7), kGrey);
    EXPECT_EQ(surface.PixelAt(1, 1), kWhite);
    EXPECT_EQ(surface.PixelAt(1, 6), kWhite);
    EXPECT_EQ(surface.PixelAt(2, 6), 0x000000u);
    EXPECT_EQ(surface.PixelAt(8, 6), 0x000000u);
    EXPECT_EQ(surface.PixelAt(4, 4), 0xE1E1E1u);
    EXPECT_EQ(surface.PixelAt(9, 7), kGrey);
}

TEST(DrawSurface, EllipseIsInscribedInTheRectangle)
{
    DrawSurface surface(10, 10);
    surface.FillRect({0, 0, 10, 10}, kGrey);
    surface.SelectPen(Pen::Solid(1, 0x000000));
    surface.SelectBrush(Brush::Solid(0x000000));
    surface.Ellipse({0, 0, 10, 10});
    const char* expected[10] = {
        "....##....", "..######..", ".########.", ".########.", "##########",
        "##########", ".########.", ".########.", "..######..", "....##....",
    };
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(surface.PixelAt(x, y) == 0, expected[y][x] == '#') << x << "," << y;

    // Outlined in the pen's colour around the brush's.
    DrawSurface outlined(10, 10);
    outlined.SelectPen(Pen::Solid(1, kRed));
    outlined.SelectBrush(Brush::Solid(kBlue));
    outlined.Ellipse({0, 0, 10, 10});
    EXPECT_EQ(outlined.PixelAt(4, 0), kRed);
    EXPECT_EQ(outlined.PixelAt(2, 1), kRed);
    EXPECT_EQ(outlined.PixelAt(4, 1), kBlue);
    EXPECT_EQ(outlined.PixelAt(0, 4), kRed);
    EXPECT_EQ(outlined.PixelAt(1, 4), kBlue);
    EXPECT_EQ(outlined.PixelAt(3, 0), kWhite);
}

TEST(DrawSurface, RoundRectKeepsItsCornersAndOutlinesTheRest)
{
    DrawSurface surface(30, 20);
    surface.FillRect({0, 0, 30, 20}, kGrey);
    surface.SelectPen(Pen::Solid(1, kRed));
    surface.SelectBrush(Brush::Solid(kBlue));
    surface.RoundRect({2, 2, 28, 18}, 10, 10);
    for (const auto& [x, y] : std::array<std::pair<int, int>, 4>{{{2, 2}, {27, 2}, {2, 17}, {27, 17}}})
        EXPECT_EQ(surface.PixelAt(x, y), kGrey) << x << "," << y;
    EXPECT_EQ(surface.PixelAt(15, 2), kRed);
    EXPECT_EQ(surface.PixelAt(15, 17), kRed);
    EXPECT_EQ(surface.PixelAt(2, 10), kRed);
    EXPECT_EQ(surface.PixelAt(27, 10), kRed);
    EXPECT_EQ(surface.PixelAt(28, 10), kGrey);
    EXPECT_EQ(surface.PixelAt(15, 10), kBlue);
    // The outline is closed: no fill pixel touches the background.
    for (const auto& [x, y] : PixelsOf(surface, kBlue))
        for (const auto& [dx, dy] : std::array<std::pair<int, int>, 4>{{{1, 0}, {-1, 0}, {0, 1}, {0, -1}}})
            EXPECT_NE(surface.PixelAt(x + dx, y + dy), kGrey) << x << "," << y;
}

TEST(DrawSurface, VerticalGradientRunsFromTopToBottomColour)
{
    DrawSurface surface(4, 17);
    surface.GradientFillVertical({0, 0, 4, 16}, 0xFFFFFF, 0xE1E1E1);
    EXPECT_EQ(surface.PixelAt(0, 0), 0xFFFFFFu);
    EXPECT_EQ(surface.PixelAt(3, 0), 0xFFFFFFu);
    // Row r: 0xFF00 + (0xE100 - 0xFF00) * r / 16, high byte.
    for (int row = 0; row < 16; ++row) {
        const int channel = (0xFF00 + (0xE100 - 0xFF00) * row / 16) >> 8;
        EXPECT_EQ(surface.PixelAt(2, row), Rgb(channel, channel, channel)) << row;
    }
    EXPECT_EQ(surface.PixelAt(0, 15), Rgb(0xE2, 0xE2, 0xE2));
    EXPECT_EQ(surface.PixelAt(0, 16), kWhite) << "the bottom edge is outside";

    DrawSurface colours(1, 2);
    colours.GradientFillVertical({0, 0, 1, 2}, Rgb(0, 100, 200), Rgb(200, 100, 0));
    EXPECT_EQ(colours.PixelAt(0, 1), Rgb(100, 100, 100));
}

TEST(DrawSurface, BlockCopyCopiesAndClips)
{
    DrawSurface source(4, 4);
    source.FillRect({0, 0, 4, 4}, kRed);
    source.FillRect({1, 1, 3, 3}, kBlue);
    DrawSurface target(6, 6);
    target.BitBlt(3, 3, 4, 4, source, 0, 0);
    EXPECT_EQ(PixelsOf(target, kBlue), Area(4, 4, 6, 6));
    EXPECT_EQ(target.PixelAt(3, 3), kRed);
    EXPECT_EQ(target.PixelAt(2, 2), kWhite);
    target.BitBlt(0, 0, 2, 2, source, 3, 3);  // the source clips too
    EXPECT_EQ(target.PixelAt(0, 0), kRed);
    EXPECT_EQ(target.PixelAt(1, 1), kWhite);
}

TEST(DrawSurface, MaskedCopyCopiesWhereTheMaskIsSetAndOrsElsewhere)
{
    DrawSurface source(2, 1);
    source.FillRect({0, 0, 2, 1}, Rgb(0x0F, 0x00, 0xF0));
    DrawSurface target(2, 1);
    target.FillRect({0, 0, 2, 1}, Rgb(0xF0, 0x11, 0x01));
    const std::uint8_t bits[] = {0x80, 0x00};  // 1 then 0
    const MonoBitmap mask(16, 1, bits);
    target.MaskBlt(0, 0, 2, 1, source, 0, 0, mask, 0, 0);
    EXPECT_EQ(target.PixelAt(0, 0), Rgb(0x0F, 0x00, 0xF0));
    EXPECT_EQ(target.PixelAt(1, 0), Rgb(0xFF, 0x11, 0xF1));
}

TEST(DrawSurface, InvertingTwiceRestores)
{
    DrawSurface surface(8, 8);
    surface.FillRect({0, 0, 8, 8}, 0xE1E1E1);
    surface.InvertRect({2, 2, 5, 6});
    EXPECT_EQ(PixelsOf(surface, 0x1E1E1E), Area(2, 2, 5, 6));
    surface.InvertRect({2, 2, 5, 6});
    EXPECT_EQ(PixelsOf(surface, 0xE1E1E1).size(), 64u);
}

TEST(DrawSurface, TextStaysInItsRectangleWithItsAlignment)
{
    DrawSurface surface(120, 40);
    surface.FillRect({0, 0, 120, 40}, kGrey);
    surface.SelectFont(MakeFont(28, FontQuality::Default));
    surface.SetTextColor(0x000000);
    surface.SetBackgroundMode(BackgroundMode::Transparent);
    surface.DrawText(QStringLiteral("１２"), {10, 5, 110, 35}, TextAlign::Right);
    const auto ink = PixelsOf(surface, 0x000000);
    ASSERT_FALSE(ink.empty());
    int minX = 1000, maxX = -1;
    for (const auto& [x, y] : ink) {
        EXPECT_TRUE(Rect({10, 5, 110, 35}).Contains(x, y)) << x << "," << y;
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
    }
    EXPECT_GT(minX, 60) << "right-aligned";
    EXPECT_GE(maxX, 100);
    // A crisp font draws only the text colour on the background.
    std::set<ColorRef> colours;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x)
            colours.insert(surface.PixelAt(x, y));
    EXPECT_EQ(colours, (std::set<ColorRef>{0x000000, kGrey}));
}

TEST(DrawSurface, SmoothTextBlendsAndOpaqueTextFillsItsBackground)
{
    DrawSurface surface(120, 40);
    surface.FillRect({0, 0, 120, 40}, kGrey);
    surface.SelectFont(MakeFont(28, FontQuality::ClearType));
    surface.SetTextColor(0x000000);
    surface.SetBackgroundColor(kWhite);
    surface.SetBackgroundMode(BackgroundMode::Opaque);
    surface.DrawText(QStringLiteral("８"), {0, 0, 120, 40}, TextAlign::Center);
    std::set<ColorRef> colours;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x)
            colours.insert(surface.PixelAt(x, y));
    EXPECT_GT(colours.size(), 3u) << "antialiased edges";
    EXPECT_TRUE(colours.count(kWhite)) << "the text's background";
    EXPECT_EQ(surface.PixelAt(2, 20), kGrey) << "only the text's extent is filled";
    EXPECT_NE(surface.PixelAt(60, 20), kGrey);
}

}  // namespace
}  // namespace abacor
