#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "calculator/core/CommandTable.h"
#include "calculator/display/WindowLayout.h"
#include "tests/PhoneSettings.h"

namespace abacor {
namespace {

struct Laid {
    Laid(ScreenMetrics screen, Rect client, CalculatorSettings s = test::PhoneSettings())
        : settings(s), resources(CreateDisplayResources(screen, settings)),
          layout(LayoutWindow(screen, client, resources, settings))
    {
    }
    CalculatorSettings settings;
    DisplayResources resources;
    WindowLayout layout;
};

TEST(ScreenClass, ByTheSmallerSide)
{
    EXPECT_EQ(ClassifyScreen({480, 640, 192}).k, 1);
    EXPECT_EQ(ClassifyScreen({480, 640, 192}).S, 1.0);
    EXPECT_EQ(ClassifyScreen({640, 480, 192}).k, 1);
    EXPECT_EQ(ClassifyScreen({240, 320, 96}).k, 2);
    EXPECT_EQ(ClassifyScreen({240, 320, 96}).S, 1.0);
    EXPECT_EQ(ClassifyScreen({320, 480, 128}).S, 1.0);
    EXPECT_EQ(ClassifyScreen({320, 320, 96}).S, 128.0 / 96.0);
    // Other sizes: below 480 as the small class, else as the large one.
    EXPECT_EQ(ClassifyScreen({300, 400, 96}).k, 2);
    EXPECT_EQ(ClassifyScreen({300, 400, 96}).S, 1.0);
    EXPECT_EQ(ClassifyScreen({800, 1200, 96}).k, 1);
    EXPECT_EQ(ClassifyScreen({800, 1200, 96}).S, 2.0);
    EXPECT_EQ(ClassifyScreen({1, 1, 192}).k, 2);
}

TEST(Layout, The480By640ScreenAt192Dpi)
{
    const Laid laid({480, 640, 192}, {0, 0, 480, 588});
    const FontHeights& h = laid.resources.heights;
    EXPECT_EQ(h.display, 59);
    EXPECT_EQ(h.small, 28);
    EXPECT_EQ(h.key, 32);
    EXPECT_EQ(h.caption, 11);
    const WindowLayout& l = laid.layout;
    EXPECT_EQ(l.margin, 16);
    EXPECT_EQ(l.topMargin, 14);
    EXPECT_EQ(l.gap, 3);
    EXPECT_EQ(l.displayBox, (Rect{17, 15, 463, 76}));
    EXPECT_EQ(l.memoryBox, (Rect{17, 91, 235, 121}));
    EXPECT_EQ(l.resultBox, (Rect{245, 91, 463, 121}));
    EXPECT_EQ(l.memoryCaptionRect, (Rect{17, 76, 235, 91}));
    EXPECT_EQ(l.resultCaptionRect, (Rect{245, 76, 463, 91}));
    EXPECT_EQ(l.operatorRect, (Rect{18, 16, 54, 44}));
    EXPECT_EQ(l.displayTextRect, (Rect{17, 15, 460, 76}));
    EXPECT_EQ(l.keypadTop, 134);
    EXPECT_FALSE(l.landscape);
    // R = (588 - 18 - 8 - 134) / 7, C = (480 - 38) / 3.
    EXPECT_EQ(l.rowHeight, 61);
    EXPECT_EQ(l.columnWidth, 147);
    EXPECT_EQ(l.KeyRect(KeyId::Add), (Rect{166, 134, 313, 195}));
    EXPECT_EQ(l.KeyRect(KeyId::Digit1), (Rect{16, 326, 163, 387}));
    EXPECT_EQ(l.KeyRect(KeyId::Point), (Rect{316, 518, 463, 579}));
    EXPECT_EQ(laid.resources.boxFramePen.width, 2);
}

TEST(Layout, The240By320ScreenAt96Dpi)
{
    const Laid laid({240, 320, 96}, {0, 0, 240, 294});
    const FontHeights& h = laid.resources.heights;
    EXPECT_EQ(h.display, 29);
    EXPECT_EQ(h.small, 14);
    EXPECT_EQ(h.key, 16);
    EXPECT_EQ(h.caption, 5);
    const WindowLayout& l = laid.layout;
    EXPECT_EQ(l.margin, 8);
    EXPECT_EQ(l.topMargin, 7);
    EXPECT_EQ(l.gap, 1);
    EXPECT_EQ(l.displayBox, (Rect{4, 7, 236, 38}));
    EXPECT_EQ(l.memoryBox, (Rect{4, 44, 118, 60}));
    EXPECT_EQ(l.resultBox, (Rect{122, 44, 236, 60}));
    EXPECT_EQ(l.operatorRect.left, 5);
    EXPECT_EQ(l.keypadTop, 66);
    EXPECT_EQ(l.rowHeight, 31);
    EXPECT_EQ(l.columnWidth, 74);
    EXPECT_EQ(l.KeyRect(KeyId::Digit0), (Rect{83, 258, 157, 289}));
    EXPECT_EQ(laid.resources.boxFramePen.width, 1);
}

TEST(Layout, LandscapeIsFiveByFourWithATallEquals)
{
    // The screen was classified as 480 x 640 when the window was made.
    CalculatorSettings settings = test::PhoneSettings();
    const DisplayResources resources = CreateDisplayResources({480, 640, 192}, settings);
    const WindowLayout l = LayoutWindow({640, 480, 192}, {0, 0, 640, 428}, resources, settings);
    EXPECT_TRUE(l.landscape);
    EXPECT_EQ(l.displayBox, (Rect{17, 15, 623, 76}));
    EXPECT_EQ(l.rowHeight, 69);
    EXPECT_EQ(l.columnWidth, 119);
    EXPECT_EQ(l.KeyRect(KeyId::Equals), (Rect{504, 206, 623, 347}));
    EXPECT_EQ(l.KeyRect(KeyId::ClearEntry), (Rect{504, 134, 623, 203}));
    EXPECT_EQ(l.KeyRect(KeyId::Divide), (Rect{504, 350, 623, 419}));
    EXPECT_EQ(l.KeyRect(KeyId::Digit1), (Rect{16, 134, 135, 203}));
    EXPECT_EQ(l.KeyRect(KeyId::Point), (Rect{16, 350, 135, 419}));
    EXPECT_EQ(l.KeyRect(KeyId::Sign), (Rect{382, 206, 501, 275}));
}

// Which key stands in each cell, as text, row by row.
std::string Grid(const WindowLayout& l, int rows, int columns)
{
    std::string grid;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const int x = l.margin + column * (l.columnWidth + l.gap) + l.columnWidth / 2;
            const int y = l.keypadTop + row * (l.rowHeight + l.gap) + l.rowHeight / 2;
            std::string cell = "_";
            for (int key = 0; key < kKeyCount; ++key)
                if (l.keys[key].Contains(x, y))
                    cell = QStringView(kCommands[key].caption).toString().toStdString();
            grid += cell + (column + 1 < columns ? " " : "\n");
        }
    }
    return grid;
}

TEST(Layout, DigitRowsFollowNumKeyRevFlg)
{
    CalculatorSettings settings = test::PhoneSettings();
    EXPECT_EQ(Grid(Laid({480, 640, 192}, {0, 0, 480, 588}, settings).layout, 7, 3),
              "_ ＋ _\n× ＝ ÷\nCE － _\n１ ２ ３\n４ ５ ６\n７ ８ ９\n+/- ０ ．\n");
    settings.NumKeyRevFlg = 1;
    EXPECT_EQ(Grid(Laid({480, 640, 192}, {0, 0, 480, 588}, settings).layout, 7, 3),
              "_ ＋ _\n× ＝ ÷\nCE － _\n７ ８ ９\n４ ５ ６\n１ ２ ３\n+/- ０ ．\n");
    EXPECT_EQ(Grid(Laid({640, 480, 192}, {0, 0, 640, 428}, settings).layout, 4, 5),
              "７ ８ ９ _ CE\n４ ５ ６ +/- ＝\n１ ２ ３ ＋ ＝\n． ０ × － ÷\n");
}

TEST(Layout, AdditionalKeysByPositionLaterPositionsWin)
{
    const struct {
        std::uint32_t add1, add2, add3, add4;
        bool landscape;
        const char* grid;
    } cases[] = {
        {1, 0, 0, 1, false, "_ ＋ ％\n× ＝ ÷\nCE － _\n"},
        {2, 3, 4, 5, false, "CA ＋ 税込\n× ＝ ÷\nCE － C\n"},
        {6, 6, 0, 0, false, "_ ＋ _\n× ＝ ÷\nCE － 税抜\n"},
        {9, 7, 0, 0xFFFFFFFF, false, "００ ＋ _\n× ＝ ÷\nCE － GT\n"},
        {10, 8, 0, 0xFFFFFFFF, false, "税合計 ＋ _\n× ＝ ÷\nCE － 税率\n"},
        {15, 14, 0, 0, false, "時分秒 ＋ _\n× ＝ ÷\nCE － 平均\n"},
        {18, 17, 0, 16, false, "_ ＋ 日付\n× ＝ ÷\nCE － 〜\n"},
        {1, 2, 0, 4, true, "１ ２ ３ _ CE\n"},
        {1, 2, 3, 4, true, "１ ２ ３ C CE\n"},
    };
    for (const auto& c : cases) {
        CalculatorSettings settings = test::PhoneSettings();
        settings.AddButton1Type = c.add1;
        settings.AddButton2Type = c.add2;
        settings.AddButton3Type = c.add3;
        settings.AddButton4Type = c.add4;
        const DisplayResources resources = CreateDisplayResources({480, 640, 192}, settings);
        const WindowLayout l = c.landscape ? LayoutWindow({640, 480, 192}, {0, 0, 640, 428}, resources, settings)
                                           : LayoutWindow({480, 640, 192}, {0, 0, 480, 588}, resources, settings);
        EXPECT_EQ(Grid(l, c.landscape ? 1 : 3, c.landscape ? 5 : 3), c.grid) << c.add1 << c.add2 << c.add3 << c.add4;
    }
}

TEST(Layout, TooSmallAClientAreaGivesDegenerateKeysWithoutFailing)
{
    for (const Rect client : {Rect{0, 0, 1, 1}, Rect{0, 0, 480, 0}, Rect{0, 0, 100, 60}}) {
        const Laid laid({std::max(client.right, 1), std::max(client.bottom, 1), 192}, client);
        EXPECT_LE(laid.layout.rowHeight, 0);
    }
}

}  // namespace
}  // namespace abacor
