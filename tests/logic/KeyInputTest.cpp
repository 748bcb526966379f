#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "calculator/logic/Calculator.h"
#include "calculator/logic/KeyInput.h"

namespace abacor {
namespace {

struct KeyEvent {
    bool down;
    std::uint32_t code;
};
KeyEvent Down(std::uint32_t code) { return {true, code}; }
KeyEvent Up(std::uint32_t code) { return {false, code}; }

struct Sequence {
    const char* name;
    std::vector<KeyEvent> events;
    const char* display;
    std::vector<KeyId> flashed;
    std::uint32_t shiftKeyFlg = 0;
};

void PrintTo(const Sequence& s, std::ostream* os) { *os << s.name; }

class HardwareKeys : public testing::TestWithParam<Sequence> {};

TEST_P(HardwareKeys, RunTheirOperationAndFlashTheirKey)
{
    const Sequence& s = GetParam();
    CalculatorSettings settings = DefaultSettings();
    settings.ShiftKeyFlg = s.shiftKeyFlg;
    Calculator calculator(settings);
    calculator.ResetCalculator(false);
    KeyInput input;
    std::vector<KeyId> flashed;
    for (const KeyEvent& e : s.events) {
        const auto key = e.down ? input.OnKeyDown(e.code, calculator) : input.OnKeyUp(e.code, calculator);
        if (key)
            flashed.push_back(*key);
    }
    EXPECT_EQ(calculator.state().displayText.toStdString(), s.display);
    EXPECT_EQ(flashed, s.flashed);
}

using K = KeyId;

INSTANTIATE_TEST_SUITE_P(
    Table, HardwareKeys,
    testing::Values(
        Sequence{"DigitRow", {Down(0x31), Down(0x32), Down(0x33), Down(0x34), Down(0x35), Down(0x36), Down(0x37),
                              Down(0x38), Down(0x39), Down(0x30)},
                 "1234567890", {K::Digit1, K::Digit2, K::Digit3, K::Digit4, K::Digit5, K::Digit6, K::Digit7,
                                K::Digit8, K::Digit9, K::Digit0}},
        Sequence{"LetterPad", {Down('Y'), Down('U'), Down('I'), Down('H'), Down('J'), Down('K'), Down('B'),
                               Down('N'), Down('M'), Down(0xBF), Down(0xBE), Down('Y')},
                 "1234567890.1", {K::Digit1, K::Digit2, K::Digit3, K::Digit4, K::Digit5, K::Digit6, K::Digit7,
                                  K::Digit8, K::Digit9, K::Digit0, K::Point, K::Digit1}},
        Sequence{"SignKeyL", {Down(0x35), Down('L')}, "-5", {K::Digit5, K::Sign}},
        Sequence{"ArrowsAreOperators", {Down(0x38), Down(0x26), Down(0x32), Down(0x28), Down(0x33), Down(0x25),
                                        Down(0x34), Down(0x27), Down(0x35)},
                 "5", {K::Digit8, K::Add, K::Digit2, K::Subtract, K::Digit3, K::Multiply, K::Digit4, K::Divide, K::Digit5}},
        Sequence{"ArrowResults", {Down(0x38), Down(0x26), Down(0x32), Down(0x28), Down(0x33), Down(0x25),
                                  Down(0x34), Down(0x27)},
                 "28", {K::Digit8, K::Add, K::Digit2, K::Subtract, K::Digit3, K::Multiply, K::Digit4, K::Divide}},
        Sequence{"ShiftThreeIsThePoint", {Down(0x31), Down(0x10), Down(0x33), Up(0x33), Up(0x10), Down(0x35)},
                 "1.5", {K::Digit1, K::Point, K::Digit5}},
        Sequence{"ShiftThreeReleasedInTheOtherOrder", {Down(0x31), Down(0x10), Down(0x33), Up(0x10), Up(0x33)},
                 "1.", {K::Digit1, K::Point}},
        Sequence{"ThreeAlone", {Down(0x33), Up(0x33)}, "3", {K::Digit3}},
        Sequence{"ShiftMultiplyIsTheSign", {Down(0x37), Down(0x10), Down(0x6A), Up(0x10)}, "-7", {K::Digit7, K::Sign}},
        Sequence{"ShiftQuoteIsTheSign", {Down(0x37), Down(0x10), Down(0xDE), Up(0xDE), Up(0x10)}, "-7",
                 {K::Digit7, K::Sign}},
        Sequence{"MultiplyOrQuoteAloneDoNothing", {Down(0x37), Down(0x6A), Up(0x6A), Down(0xDE), Up(0xDE)}, "7",
                 {K::Digit7}},
        Sequence{"ShiftFourEntersFourOnly", {Down(0x10), Down(0x34), Up(0x10)}, "4", {K::Digit4}},
        Sequence{"ShiftAloneDoesNothing", {Down(0x10), Up(0x10), Down(0x10), Up(0x10)}, "0", {}},
        Sequence{"AShiftSequenceNeedsShiftRightBefore", {Down(0x10), Down(0x31), Down(0x33), Up(0x10)}, "13",
                 {K::Digit1, K::Digit3}},
        Sequence{"AutoRepeatStopsAtTheLimit", std::vector<KeyEvent>(15, Down(0x39)), "999999999999",
                 std::vector<KeyId>(15, K::Digit9)},
        Sequence{"BackspaceClearsTheEntry", {Down(0x31), Down(0x32), Down(0x08)}, "0",
                 {K::Digit1, K::Digit2, K::ClearEntry}},
        Sequence{"BackspaceDropsADigit", {Down(0x31), Down(0x32), Down(0x08)}, "1",
                 {K::Digit1, K::Digit2, K::ClearEntry}, 1},
        Sequence{"UnknownKeysDoNothing", {Down(0x41), Down(0x0D), Down(0x70), Down(0x09)}, "0", {}},
        Sequence{"KeysInTheErrorStateStillFlash", {Down(0x31), Down(0x27), Down(0x30), Down(0x26), Down(0x35)},
                 "ERROR", {K::Digit1, K::Divide, K::Digit0, K::Add, K::Digit5}}),
    [](const testing::TestParamInfo<Sequence>& info) { return std::string(info.param.name); });

TEST(KeyInput, TracksTheLastTwoKeyDowns)
{
    CalculatorSettings settings = DefaultSettings();
    Calculator calculator(settings);
    KeyInput input;
    input.OnKeyDown(0x10, calculator);
    input.OnKeyDown(0x41, calculator);
    EXPECT_EQ(input.lastKeyDown(), 0x41u);
    EXPECT_EQ(input.prevKeyDown(), 0x10u);
    input.OnKeyUp(0x41, calculator);
    EXPECT_EQ(input.lastKeyDown(), 0x41u) << "only the release of Shift moves them";
    input.OnKeyUp(0x10, calculator);
    EXPECT_EQ(input.lastKeyDown(), 0u);
    EXPECT_EQ(input.prevKeyDown(), 0x41u);
}

}  // namespace
}  // namespace abacor
