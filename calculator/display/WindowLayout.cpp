#include "calculator/display/WindowLayout.h"

#include <span>

#include "look/DesignLengths.h"

namespace abacor {

namespace {

using K = KeyId;

// What stands in a grid cell: a fixed key, a digit that moves with
// NumKeyRevFlg (given as the phone-order digit), an additional position, or nothing.
struct Cell {
    enum class Kind { Key, Digit, Additional, Empty };
    Kind kind;
    KeyId key = K::Digit0;
    int digit = 0;
    std::uint32_t CalculatorSettings::*position = nullptr;
};

constexpr Cell Fixed(KeyId key) { return {Cell::Kind::Key, key}; }
// The digit in phone order; desk-calculator order swaps 1-3 with 7-9.
constexpr Cell Digit(int digit) { return {Cell::Kind::Digit, K::Digit0, digit}; }
constexpr Cell Extra(std::uint32_t CalculatorSettings::*position)
{
    return {Cell::Kind::Additional, K::Digit0, 0, position};
}
constexpr Cell None() { return {Cell::Kind::Empty}; }

// clang-format off
constexpr Cell kPortrait[7][3] = {
    {Extra(&CalculatorSettings::AddButton1Type), Fixed(K::Add), Extra(&CalculatorSettings::AddButton4Type)},
    {Fixed(K::Multiply), Fixed(K::Equals), Fixed(K::Divide)},
    {Fixed(K::ClearEntry), Fixed(K::Subtract), Extra(&CalculatorSettings::AddButton2Type)},
    {Digit(1), Digit(2), Digit(3)},
    {Digit(4), Digit(5), Digit(6)},
    {Digit(7), Digit(8), Digit(9)},
    {Fixed(K::Sign), Fixed(K::Digit0), Fixed(K::Point)},
};
// clang-format on

// The "＝" of the landscape grid spans rows 1 and 2 of column 4.
// clang-format off
constexpr Cell kLandscape[4][5] = {
    {Digit(1), Digit(2), Digit(3), Extra(&CalculatorSettings::AddButton3Type), Fixed(K::ClearEntry)},
    {Digit(4), Digit(5), Digit(6), Fixed(K::Sign), Fixed(K::Equals)},
    {Digit(7), Digit(8), Digit(9), Fixed(K::Add), None()},
    {Fixed(K::Point), Fixed(K::Digit0), Fixed(K::Multiply), Fixed(K::Subtract), Fixed(K::Divide)},
};
// clang-format on

// Later positions win when two name the same kind.
constexpr std::uint32_t CalculatorSettings::*kPortraitAdditionalOrder[] = {
    &CalculatorSettings::AddButton1Type, &CalculatorSettings::AddButton2Type, &CalculatorSettings::AddButton4Type};
constexpr std::uint32_t CalculatorSettings::*kLandscapeAdditionalOrder[] = {&CalculatorSettings::AddButton3Type};

Rect Box(int x, int y, int w, int h) { return {x - 1, y - 1, x + w + 1, y + h + 1}; }

Rect TextRect(const Rect& box) { return {box.left, box.top, box.right - 3, box.bottom}; }

template <std::size_t Rows, std::size_t Columns>
void PlaceKeys(WindowLayout& layout, const Cell (&grid)[Rows][Columns],
               std::span<std::uint32_t CalculatorSettings::*const> additionalOrder, const CalculatorSettings& settings)
{
    const auto cell = [&](int column, int row) {
        const int left = layout.margin + column * (layout.columnWidth + layout.gap);
        const int top = layout.keypadTop + row * (layout.rowHeight + layout.gap);
        return Rect{left, top, left + layout.columnWidth, top + layout.rowHeight};
    };
    const bool deskOrder = FlagOn(settings.NumKeyRevFlg);
    for (std::size_t row = 0; row < Rows; ++row) {
        for (std::size_t column = 0; column < Columns; ++column) {
            const Cell& c = grid[row][column];
            const Rect rect = cell(static_cast<int>(column), static_cast<int>(row));
            if (c.kind == Cell::Kind::Key) {
                layout.KeyRect(c.key) = rect;
            } else if (c.kind == Cell::Kind::Digit) {
                int digit = c.digit;
                if (deskOrder && digit <= 3)
                    digit += 6;
                else if (deskOrder && digit >= 7)
                    digit -= 6;
                layout.KeyRect(DigitKey(digit)) = rect;
            }
        }
    }
    for (std::size_t i = kFixedKeyCount; i < kKeyCount; ++i)
        layout.keys[i] = Rect{};
    for (auto position : additionalOrder) {
        const AddButtonType kind = AddButtonKind(settings.*position);
        if (kind == AddButtonType::None)
            continue;
        for (std::size_t row = 0; row < Rows; ++row)
            for (std::size_t column = 0; column < Columns; ++column)
                if (grid[row][column].kind == Cell::Kind::Additional && grid[row][column].position == position)
                    layout.KeyRect(AdditionalKey(kind)) = cell(static_cast<int>(column), static_cast<int>(row));
    }
}

}  // namespace

WindowLayout LayoutWindow(const ScreenMetrics& screen, const Rect& client, const DisplayResources& resources,
                          const CalculatorSettings& settings)
{
    WindowLayout layout;
    const int k = resources.screenClass.k;
    // The design's lengths, each at the scale of the device.
    const auto d = [&](int designPixels) { return Scaled(designPixels, resources.scale); };
    const int W = screen.width;
    const int Hd = resources.heights.display;
    const int Hs = resources.heights.small;
    const int Hc = resources.heights.caption;

    const int M = d(kMargin / k);
    const int T = d(kTopMargin / k);
    const int G = d(kKeyGap / k);
    const int P = d((kMargin / k + kBoxInset) / k);
    layout.margin = M;
    layout.topMargin = T;
    layout.gap = G;

    layout.displayBox = Box(P, T + d(kBoxInset / k), W - d((2 * (kMargin / k + kBoxInset)) / k), Hd);
    const int lineY = T + Hd + Hc + d(kLineGap / k);
    const int lineWidth = W / 2 - d((kMargin / k + kLineGap) / k);
    layout.memoryBox = Box(P, lineY, lineWidth, Hs);
    layout.resultBox = Box(W / 2 + d(6 / k), lineY, lineWidth, Hs);
    layout.operatorRect = {P, T + d(kBoxInset / k), P + d(36 / k), T + d(kBoxInset / k) + Hs};
    layout.displayTextRect = TextRect(layout.displayBox);
    layout.memoryTextRect = TextRect(layout.memoryBox);
    layout.resultTextRect = TextRect(layout.resultBox);
    layout.memoryCaptionRect = {layout.memoryBox.left, layout.displayBox.bottom, layout.memoryBox.right,
                                layout.memoryBox.top};
    layout.resultCaptionRect = {layout.resultBox.left, layout.displayBox.bottom, layout.resultBox.right,
                                layout.resultBox.top};
    layout.statusRect = {layout.memoryBox.left, layout.displayBox.bottom, layout.resultBox.right, layout.memoryBox.top};

    layout.keypadTop = d(kTopMargin / k) + d(kLineGap / k) + Hc + Hs + Hd + T;
    const int Y0 = layout.keypadTop;
    layout.landscape = screen.IsLandscape();
    if (layout.landscape) {
        layout.rowHeight = (client.bottom - 3 * G - d(8 / k) - client.top - Y0) / 4;
        layout.columnWidth = (client.right - 2 * (M + 2 * G) - client.left) / 5;
        PlaceKeys(layout, kLandscape, std::span(kLandscapeAdditionalOrder), settings);
        Rect& equals = layout.KeyRect(KeyId::Equals);
        equals.bottom = equals.top + 2 * layout.rowHeight + G;
    } else {
        layout.rowHeight = (client.bottom - 6 * G - d(8 / k) - client.top - Y0) / 7;
        layout.columnWidth = (client.right - 2 * (G + M) - client.left) / 3;
        PlaceKeys(layout, kPortrait, std::span(kPortraitAdditionalOrder), settings);
    }
    return layout;
}

}  // namespace abacor
