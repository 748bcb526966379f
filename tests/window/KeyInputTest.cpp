#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>

#include <QLocale>
#include <vector>

#include "calculator/tape/CalculatorSession.h"
#include "calculator/window/DesktopShortcuts.h"
#include "calculator/window/KeyBindings.h"
#include "calculator/window/KeyInput.h"
#include "calculator/window/KeyMap.h"
#include "tests/PhoneSettings.h"

namespace abacor {
namespace {

struct KeyEvent {
    bool down;
    std::uint32_t code;
    const char16_t* text = u"";  // what the key types in the current layout
};
KeyEvent Down(std::uint32_t code, const char16_t* text = u"") { return {true, code, text}; }
KeyEvent Up(std::uint32_t code) { return {false, code}; }

struct Sequence {
    const char* name;
    std::vector<KeyEvent> events;
    const char* display;
    std::vector<KeyId> flashed;
    std::uint32_t shiftKeyFlg = 0;
    const char* locale = "ja_JP";  // whose decimal separator "," may be
};

void PrintTo(const Sequence& s, std::ostream* os) { *os << s.name; }

class HardwareKeys : public testing::TestWithParam<Sequence> {};

TEST_P(HardwareKeys, RunTheirOperationAndFlashTheirKey)
{
    const Sequence& s = GetParam();
    CalculatorSettings settings = test::PhoneSettings();
    settings.ShiftKeyFlg = s.shiftKeyFlg;
    CalculatorSession session(settings);
    QLocale::setDefault(QLocale(QString::fromLatin1(s.locale)));
    KeyInput input;
    std::vector<KeyId> flashed;
    for (const KeyEvent& e : s.events) {
        const Command* command = e.down ? input.OnKeyDown(e.code, QStringView(e.text)) : input.OnKeyUp(e.code);
        if (command != nullptr) {
            session.Run(*command);
            if (command->key)
                flashed.push_back(*command->key);
        }
    }
    EXPECT_EQ(QString::fromStdU16String(session.state().displayText).toStdString(), s.display);
    EXPECT_EQ(flashed, s.flashed);
    QLocale::setDefault(QLocale::system());
}

using K = KeyId;

// One row per line, as a table reads.
// clang-format off
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
        Sequence{"KeypadTimesAloneIsTimesQuoteAloneNothing", {Down(0x37), Down(0x6A), Up(0x6A), Down(0xDE), Up(0xDE)},
                 "7", {K::Digit7, K::Multiply}},
        Sequence{"ShiftFourEntersFourOnly", {Down(0x10), Down(0x34), Up(0x10)}, "4", {K::Digit4}},
        Sequence{"ShiftAloneDoesNothing", {Down(0x10), Up(0x10), Down(0x10), Up(0x10)}, "0", {}},
        Sequence{"AShiftSequenceNeedsShiftRightBefore", {Down(0x10), Down(0x31), Down(0x33), Up(0x10)}, "13",
                 {K::Digit1, K::Digit3}},
        Sequence{"AutoRepeatStopsAtTheLimit", std::vector<KeyEvent>(15, Down(0x39)), "999999999999",
                 std::vector<KeyId>(15, K::Digit9)},
        Sequence{"BackspaceDropsADigit", {Down(0x31), Down(0x30), Down(0x30), Down(0x26), Down(0x31), Down(0x32),
                                          Down(0x08)}, "1", {K::Digit1, K::Digit0, K::Digit0, K::Add, K::Digit1, K::Digit2}},
        Sequence{"BackspaceDropsADigitWhateverCEIs", {Down(0x31), Down(0x32), Down(0x08)}, "1",
                 {K::Digit1, K::Digit2}, 1},
        Sequence{"ReturnIsEquals", {Down(0x37), Down(0x26), Down(0x35), Down(0x0D)}, "12",
                 {K::Digit7, K::Add, K::Digit5, K::Equals}},
        Sequence{"UnknownKeysDoNothing", {Down(0x41), Down(0x70), Down(0x09), Down(0, u"^"),
                                          Down(0, u"#"), Down(0, u"$"), Down(0, u")"), Down(0, u"@")}, "0", {}},
        // Desktop additions, only where the phone binds nothing.
        Sequence{"SymbolsTypedInTheLayout", {Down(0x31), Down(0, u"+"), Down(0x32), Down(0, u"*"), Down(0x33),
                                             Down(0, u"-"), Down(0x31), Down(0, u"/"), Down(0x34), Down(0, u"=")},
                 "2", {K::Digit1, K::Add, K::Digit2, K::Multiply, K::Digit3, K::Subtract, K::Digit1, K::Divide,
                       K::Digit4, K::Equals}},
        Sequence{"KeypadOperatorsAndPoint", {Down(0x38), Down(0x6F), Down(0x32), Down(0x6B), Down(0x31), Down(0x6E),
                                             Down(0x35), Down(0x6D)},
                 "5.5", {K::Digit8, K::Divide, K::Digit2, K::Add, K::Digit1, K::Point, K::Digit5, K::Subtract}},
        // A symbol typed means that symbol, whatever the key's place.
        Sequence{"UsTimesAndDivide", {Down(0x39, u"9"), Down(0x10), Down(0x38, u"*"), Up(0x38), Up(0x10), Down(0x33, u"3"),
                                      Down(0xBB, u"="), Down(0x39, u"9"), Down(0xBF, u"/"), Down(0x33, u"3"), Down(0xBB, u"=")},
                 "3", {K::Digit9, K::Multiply, K::Digit3, K::Equals, K::Digit9, K::Divide, K::Digit3, K::Equals}},
        Sequence{"PercentTyped", {Down(0x32, u"2"), Down(0x30, u"0"), Down(0x30, u"0"), Down(0, u"+"), Down(0x35, u"5"),
                                  Down(0x10), Down(0x35, u"%")},
                 "210", {K::Digit2, K::Digit0, K::Digit0, K::Add, K::Digit5, K::Percent}},
        Sequence{"FrenchShiftedDigitsAreDigits", {Down(0x10), Down(0x31, u"1"), Down(0x32, u"2"), Down(0x33, u"3"),
                                                  Up(0x33), Up(0x10), Down(0x10), Down(0x34, u"4"), Up(0x10)},
                 "1234", {K::Digit1, K::Digit2, K::Digit3, K::Digit4}},
        Sequence{"HashIsNonAddWhereverItIsTyped", {Down(0x31, u"1"), Down(0x10), Down(0x33, u"#"), Up(0x10),
                                                   Down(0x35, u"5"), Down(0x6A, u"*"), Down(0x32, u"2"), Down(0xBB, u"=")},
                 "10", {K::Digit1, K::Digit5, K::Multiply, K::Digit2, K::Equals}},
        Sequence{"KeypadDecimalIsThePointWhatever", {Down(0x31, u"1"), Down(0x6E, u","), Down(0x35, u"5")}, "1.5",
                 {K::Digit1, K::Point, K::Digit5}},
        Sequence{"CommaGroupsWhereThePointIsAPoint", {Down(0x31, u"1"), Down(0xBC, u","), Down(0x39, u"9"), Down(0x38, u"8"),
                                                      Down(0x30, u"0"), Down(0, u"+"), Down(0x32, u"2"), Down(0, u"=")},
                 "1982", {K::Digit1, K::Digit9, K::Digit8, K::Digit0, K::Add, K::Digit2, K::Equals}},
        Sequence{"CommaIsThePointWhereTheLocaleSaysSo", {Down(0x31, u"1"), Down(0xBC, u","), Down(0x35, u"5")}, "1.5",
                 {K::Digit1, K::Point, K::Digit5}, 0, "de_DE"},
        Sequence{"DeleteIsCEEscapeIsC", {Down(0x31), Down(0x26), Down(0x32), Down(0x2E), Down(0x33), Down(0x1B)},
                 "0", {K::Digit1, K::Add, K::Digit2, K::ClearEntry, K::Digit3, K::Clear}},
        Sequence{"KeysInTheErrorStateStillFlash", {Down(0x31), Down(0x27), Down(0x30), Down(0x26), Down(0x35)},
                 "ERROR", {K::Digit1, K::Divide, K::Digit0, K::Add, K::Digit5}}),
    [](const testing::TestParamInfo<Sequence>& info) { return std::string(info.param.name); });

// clang-format on

// Every command is one key or chord away, and no key gives two commands.
TEST(KeyMap, EveryCommandHasAKeyAndEveryKeyOneCommand)
{
    std::map<std::string, std::string> commandOf;
    for (const KeyMapLine& line : KeyMap()) {
        const auto [at, added] = commandOf.emplace(line.key, line.command);
        EXPECT_TRUE(added) << line.key << " gives " << at->second << " and " << line.command;
    }
    std::set<std::string> bound;
    for (const auto& [key, command] : commandOf)
        bound.insert(command);
    for (const Command& command : kCommands) {
        const std::string name = command.token.empty() ? std::to_string(command.menuId) : std::string(command.token);
        EXPECT_TRUE(bound.count(name) == 1) << name << " has no key";
        for (const std::string_view chord : ChordsOf(command))
            EXPECT_TRUE(chord.empty() || ChordKeys(chord) != QKeyCombination()) << chord;
    }
    EXPECT_EQ(commandOf.at("ctrl+p"), "M+");
    EXPECT_EQ(commandOf.at("BackSpace"), "drop");
    EXPECT_EQ(commandOf.at("KP_Enter"), "=");
}

}  // namespace
}  // namespace abacor
