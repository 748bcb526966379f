#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "calculator/core/Calculator.h"
#include "calculator/keys/Keys.h"

namespace abacor {

// Menu command ids of the calculator window's menus and soft keys; 1 is the
// OK command (Enter), which is "＝".
enum CommandId : int {
    IdOK = 1,
    IdExit = 32772,
    IdLeftSoftKey = 32774,
    IdVersion = 32776,
    IdCopyToClipboard = 32778,
    IdLastAnswer = 32781,
    IdMemoryPlus = 32787,
    IdMemoryMinus = 32788,
    IdMemoryRecall = 32790,
    IdMemoryClear = 32792,
    IdSquare = 32795,
    IdCube = 32796,
    IdClear = 32799,
    IdAllClear = 32800,
    IdPercent = 32801,
    IdSquareRoot = 32802,
    IdTaxIncluded = 32806,
    IdTaxExcluded = 32807,
    IdGrandTotal = 32810,
    IdRateSwitch = 32811,
    IdStayOnTop = 32812,
    IdCheck = 32813,
    IdTape = 32814,
};

enum class CommandOutcome {
    Calculated,  // the calculator carried it out
    ForWindow,   // not a calculation: copy, version, exit, or the clear menu to show
    Unknown,     // no such command
};

struct Command;
// What a command does to the calculator; null for the commands only the
// window can carry out.
using CommandHandler = CommandOutcome (*)(Calculator&, const Command&);

// One command of the calculator, however it is given: a key on the screen, a
// hardware or desktop key, a menu item, an accessibility action, a token.
struct Command {
    std::optional<KeyId> key;     // its key on the window, if it has one
    int menuId;                   // its menu item's id; 0: none
    std::string_view token;       // its name in the key language; the caption is one too
    std::u16string_view caption;  // the key's caption
    KeyGroup group;               // the colours its key wears
    CommandHandler handler;
};

namespace commands {

template <void (Calculator::*Method)()>
CommandOutcome Call(Calculator& calculator, const Command&)
{
    (calculator.*Method)();
    return CommandOutcome::Calculated;
}

// Types the token's one character.
CommandOutcome Type(Calculator& calculator, const Command& command);

// The operator key; "＝" completes the calculation and shows no sign.
template <Operator Op>
CommandOutcome Apply(Calculator& calculator, const Command& command)
{
    calculator.ApplyOperatorKey(Op, Op == Operator::None ? std::u16string_view() : command.caption);
    return CommandOutcome::Calculated;
}

// With ClearMenuFlg on (read at each press) the window shows the clear menu.
CommandOutcome LeftSoftKey(Calculator& calculator, const Command& command);

}  // namespace commands

// The one table of commands. Keys come first, in KeyId order.
// clang-format off
inline constexpr std::array kCommands{
    Command{KeyId::Digit0, 0, "0", u"０", KeyGroup::Digit, commands::Type},
    Command{KeyId::Digit1, 0, "1", u"１", KeyGroup::Digit, commands::Type},
    Command{KeyId::Digit2, 0, "2", u"２", KeyGroup::Digit, commands::Type},
    Command{KeyId::Digit3, 0, "3", u"３", KeyGroup::Digit, commands::Type},
    Command{KeyId::Digit4, 0, "4", u"４", KeyGroup::Digit, commands::Type},
    Command{KeyId::Digit5, 0, "5", u"５", KeyGroup::Digit, commands::Type},
    Command{KeyId::Digit6, 0, "6", u"６", KeyGroup::Digit, commands::Type},
    Command{KeyId::Digit7, 0, "7", u"７", KeyGroup::Digit, commands::Type},
    Command{KeyId::Digit8, 0, "8", u"８", KeyGroup::Digit, commands::Type},
    Command{KeyId::Digit9, 0, "9", u"９", KeyGroup::Digit, commands::Type},
    Command{KeyId::Point, 0, ".", u"．", KeyGroup::Digit, commands::Type},
    Command{KeyId::Sign, 0, "+/-", u"+/-", KeyGroup::Calculation, commands::Call<&Calculator::ChangeSign>},
    Command{KeyId::Add, 0, "+", u"＋", KeyGroup::Calculation, commands::Apply<Operator::Add>},
    Command{KeyId::Subtract, 0, "-", u"－", KeyGroup::Calculation, commands::Apply<Operator::Subtract>},
    Command{KeyId::Multiply, 0, "*", u"×", KeyGroup::Calculation, commands::Apply<Operator::Multiply>},
    Command{KeyId::Divide, 0, "/", u"÷", KeyGroup::Calculation, commands::Apply<Operator::Divide>},
    Command{KeyId::Equals, IdOK, "=", u"＝", KeyGroup::Calculation, commands::Apply<Operator::None>},
    Command{KeyId::ClearEntry, 0, "CE", u"CE", KeyGroup::Clear, commands::Call<&Calculator::ClearEntry>},
    Command{KeyId::Percent, IdPercent, "%", u"％", KeyGroup::Calculation, commands::Call<&Calculator::OnPercent>},
    Command{KeyId::AllClear, IdAllClear, "CA", u"CA", KeyGroup::Clear, commands::Call<&Calculator::OnAllClear>},
    Command{KeyId::Clear, IdClear, "C", u"C", KeyGroup::Clear, commands::Call<&Calculator::OnClear>},
    Command{KeyId::SquareRoot, IdSquareRoot, "sqrt", u"√", KeyGroup::Calculation, commands::Call<&Calculator::OnSquareRoot>},
    Command{KeyId::TaxIncluded, IdTaxIncluded, "tax+", u"税込", KeyGroup::Tax, commands::Call<&Calculator::OnTaxIncluded>},
    Command{KeyId::TaxExcluded, IdTaxExcluded, "tax-", u"税抜", KeyGroup::Tax, commands::Call<&Calculator::OnTaxExcluded>},
    Command{KeyId::GrandTotal, IdGrandTotal, "GT", u"GT", KeyGroup::Calculation, commands::Call<&Calculator::OnGrandTotal>},
    Command{KeyId::RateSwitch, IdRateSwitch, "rate", u"税率", KeyGroup::Tax, commands::Call<&Calculator::OnRateSwitch>},
    Command{KeyId::DoubleZero, 0, "00", u"００", KeyGroup::Digit, commands::Call<&Calculator::EnterDoubleZero>},
    Command{{}, IdSquare, "sq", {}, {}, commands::Call<&Calculator::OnSquare>},
    Command{{}, IdCube, "cube", {}, {}, commands::Call<&Calculator::OnCube>},
    Command{{}, IdMemoryPlus, "M+", {}, {}, commands::Call<&Calculator::OnMemoryPlus>},
    Command{{}, IdMemoryMinus, "M-", {}, {}, commands::Call<&Calculator::OnMemoryMinus>},
    Command{{}, IdMemoryRecall, "MR", {}, {}, commands::Call<&Calculator::OnMemoryRecall>},
    Command{{}, IdMemoryClear, "MC", {}, {}, commands::Call<&Calculator::OnMemoryClear>},
    Command{{}, IdLastAnswer, "ANS", {}, {}, commands::Call<&Calculator::OnLastAnswer>},
    Command{{}, IdLeftSoftKey, {}, {}, {}, commands::LeftSoftKey},
    Command{{}, IdCopyToClipboard, {}, {}, {}, nullptr},
    Command{{}, IdVersion, {}, {}, {}, nullptr},
    Command{{}, IdExit, {}, {}, {}, nullptr},
    Command{{}, IdStayOnTop, {}, {}, {}, nullptr},
    Command{{}, IdCheck, {}, {}, {}, nullptr},  // 検算: the tape's, not the calculator's
    Command{{}, IdTape, {}, {}, {}, nullptr},
};
// clang-format on

static_assert(
    [] {
        for (std::size_t i = 0; i < kCommands.size(); ++i) {
            if (i < static_cast<std::size_t>(kKeyCount) && kCommands[i].key != static_cast<KeyId>(i))
                return false;
            for (std::size_t j = i + 1; j < kCommands.size(); ++j)
                if (kCommands[i].menuId != 0 && kCommands[i].menuId == kCommands[j].menuId)
                    return false;
        }
        return true;
    }(),
    "keys first in KeyId order, every menu id once");

constexpr const Command& CommandOfKey(KeyId key) { return kCommands[static_cast<std::size_t>(Index(key))]; }
const Command* CommandOfMenuId(int id);
// A command by its token or by its key's caption.
const Command* CommandOfToken(std::u16string_view text);
const Command* CommandOfToken(std::string_view utf8);

// The caption shown on a key.
constexpr std::u16string_view KeyCaption(KeyId key, const CalculatorSettings& settings)
{
    if (key == KeyId::ClearEntry && FlagOn(settings.ShiftKeyFlg))
        return kDigitDropCaption;
    return CommandOfKey(key).caption;
}

// What the display draws on every key for these settings.
KeyFaces KeyFacesFor(const CalculatorSettings& settings);

CommandOutcome RunCommand(Calculator& calculator, const Command& command);
// A menu command by its id.
CommandOutcome DispatchCommand(Calculator& calculator, int id);
// What a key does to the calculator, whatever pressed it: a tap, a hardware
// or desktop key, an accessibility action or a token.
void PressKey(KeyId key, Calculator& calculator);

}  // namespace abacor
