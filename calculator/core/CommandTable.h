#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "calculator/core/Calculator.h"
#include "calculator/core/DeskSwitches.h"
#include "calculator/keys/Keys.h"
#include "text/Translatable.h"

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
    IdCopyNumber = 32815,
    IdPaste = 32816,
    IdTaxSum = 32817,
    IdCost = 32818,
    IdSell = 32819,
    IdMargin = 32820,
    IdAverage = 32821,
    IdNonAdd = 32822,
    // The tape window's commands, in the calculator's menu too.
    IdTapeSave = 32823,
    IdTapeOpen = 32824,
    IdTapeNew = 32825,
    IdTapeExport = 32826,
    IdTapePrint = 32827,
    IdTapeClear = 32828,
    IdTapeFind = 32829,
    IdHms = 32830,
    IdDate = 32831,
    IdDaysTo = 32832,
};

enum class CommandOutcome {
    Calculated,  // the calculator carried it out
    ForWindow,   // not a calculation: copy, version, exit, or the clear menu to show
    Switched,    // a switch of the face changed the settings: the record to save
    Unknown,     // no such command
};

struct Command;
// What a command does to the calculator; null for the commands only the
// window (or the tape) can carry out.
using CommandHandler = CommandOutcome (*)(Calculator&, const Command&);

// A line a command writes on the tape by what it is, beyond its step: the
// tape writes it with its mark, and reads a file's line back to the command.
enum class OwnLine : std::uint8_t {
    None,
    Total,            // its result is a total ("*")
    PriceWithTax,     // its result is a price with tax
    PriceWithoutTax,  // its result is a price without tax
    Average,          // its result is an average, with the count
    GrandTotal,       // the grand total; pressed again, a line that clears it
    MemoryTotal,      // on a result the amount, then the memory's total
    MemoryRecall,     // the number recalled
    MemoryClear,
    Clear,  // a run of them with nothing between is one line
    AllClear,
    RateSwitch,  // the rate now in force
    NonAdd,      // the number as typed, on the tape alone
    Converted,   // on a value shown: a time to its hours or hours to a time
};

// How a command takes part in a number being given, which a correction
// replaces whole.
enum class NumberPart : std::uint8_t {
    None,
    Begins,   // types a number: may begin one (digits, the point, 00)
    Recalls,  // shows a kept number as the next operand (MR, ANS)
    Edits,    // changes the number being typed (sign, CE, drop, a field's end)
};

// What a command means to the tape: whether it consumes a typed number (and
// so makes a step), finalises a calculation, and prints a result line; the
// mark its step prints with; the line it writes by itself; its part in a
// number; and whether, on a result shown, it writes that result as the
// first number it takes (the four operators).
struct TapeRole {
    bool consumes = false;
    bool finalises = false;
    bool result = false;
    std::u16string_view mark;
    OwnLine line = OwnLine::None;
    NumberPart number = NumberPart::None;
    bool takesShown = false;

    constexpr TapeRole Writes(OwnLine own) const
    {
        TapeRole role = *this;
        role.line = own;
        return role;
    }
    constexpr TapeRole Part(NumberPart part) const
    {
        TapeRole role = *this;
        role.number = part;
        return role;
    }
    constexpr TapeRole TakesShown() const
    {
        TapeRole role = *this;
        role.takesShown = true;
        return role;
    }
};

// One command of the calculator, however it is given: a key on the screen, a
// hardware or desktop key, a menu item, an accessibility action, a token.
struct Command {
    std::optional<KeyId> key;     // its key on the window, if it has one
    int menuId;                   // its menu item's id; 0: none
    std::string_view token;       // its name in the key language; the caption is one too
    std::u16string_view caption;  // the key's caption
    KeyGroup group;               // the colours its key wears
    CommandHandler handler;
    TapeRole tape;  // what its step and lines are on the tape
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

template <ProfitRegister Which>
CommandOutcome Profit(Calculator& calculator, const Command&)
{
    calculator.OnProfit(Which);
    return CommandOutcome::Calculated;
}

// With ClearMenuFlg on (read at each press) the window shows the clear menu.
CommandOutcome LeftSoftKey(Calculator& calculator, const Command& command);

}  // namespace commands

// The tape's roles: a step, a step that finalises a calculation, a step
// that prints a result line too.
inline constexpr TapeRole StepOf(std::u16string_view mark) { return {true, false, false, mark}; }
inline constexpr TapeRole FinalOf(std::u16string_view mark) { return {true, true, true, mark}; }
inline constexpr TapeRole ResultOf(std::u16string_view mark) { return {true, false, true, mark}; }
// No step, a line of its own.
inline constexpr TapeRole LineOf(OwnLine own) { return TapeRole{}.Writes(own); }
// No step, a part of the number being given.
inline constexpr TapeRole NumberOf(NumberPart part) { return TapeRole{}.Part(part); }

// The one table of commands. Keys come first, in KeyId order.
// clang-format off
inline constexpr std::array kCommands{
    Command{KeyId::Digit0, 0, "0", u"０", KeyGroup::Digit, commands::Type, NumberOf(NumberPart::Begins)},
    Command{KeyId::Digit1, 0, "1", u"１", KeyGroup::Digit, commands::Type, NumberOf(NumberPart::Begins)},
    Command{KeyId::Digit2, 0, "2", u"２", KeyGroup::Digit, commands::Type, NumberOf(NumberPart::Begins)},
    Command{KeyId::Digit3, 0, "3", u"３", KeyGroup::Digit, commands::Type, NumberOf(NumberPart::Begins)},
    Command{KeyId::Digit4, 0, "4", u"４", KeyGroup::Digit, commands::Type, NumberOf(NumberPart::Begins)},
    Command{KeyId::Digit5, 0, "5", u"５", KeyGroup::Digit, commands::Type, NumberOf(NumberPart::Begins)},
    Command{KeyId::Digit6, 0, "6", u"６", KeyGroup::Digit, commands::Type, NumberOf(NumberPart::Begins)},
    Command{KeyId::Digit7, 0, "7", u"７", KeyGroup::Digit, commands::Type, NumberOf(NumberPart::Begins)},
    Command{KeyId::Digit8, 0, "8", u"８", KeyGroup::Digit, commands::Type, NumberOf(NumberPart::Begins)},
    Command{KeyId::Digit9, 0, "9", u"９", KeyGroup::Digit, commands::Type, NumberOf(NumberPart::Begins)},
    Command{KeyId::Point, 0, ".", u"．", KeyGroup::Digit, commands::Type, NumberOf(NumberPart::Begins)},
    Command{KeyId::Sign, 0, "+/-", u"+/-", KeyGroup::Calculation, commands::Call<&Calculator::ChangeSign>, NumberOf(NumberPart::Edits)},
    Command{KeyId::Add, 0, "+", u"＋", KeyGroup::Calculation, commands::Apply<Operator::Add>, StepOf(u"＋").TakesShown()},
    Command{KeyId::Subtract, 0, "-", u"－", KeyGroup::Calculation, commands::Apply<Operator::Subtract>, StepOf(u"－").TakesShown()},
    Command{KeyId::Multiply, 0, "*", u"×", KeyGroup::Calculation, commands::Apply<Operator::Multiply>, StepOf(u"×").TakesShown()},
    Command{KeyId::Divide, 0, "/", u"÷", KeyGroup::Calculation, commands::Apply<Operator::Divide>, StepOf(u"÷").TakesShown()},
    Command{KeyId::Equals, IdOK, "=", u"＝", KeyGroup::Calculation, commands::Apply<Operator::None>, FinalOf(u"＝").Writes(OwnLine::Total)},
    Command{KeyId::ClearEntry, 0, "CE", u"CE", KeyGroup::Clear, commands::Call<&Calculator::ClearEntry>, NumberOf(NumberPart::Edits)},
    Command{KeyId::Percent, IdPercent, "%", u"％", KeyGroup::Calculation, commands::Call<&Calculator::OnPercent>, FinalOf(u"％")},
    Command{KeyId::AllClear, IdAllClear, "CA", u"CA", KeyGroup::Clear, commands::Call<&Calculator::OnAllClear>, LineOf(OwnLine::AllClear)},
    Command{KeyId::Clear, IdClear, "C", u"C", KeyGroup::Clear, commands::Call<&Calculator::OnClear>, LineOf(OwnLine::Clear)},
    Command{KeyId::SquareRoot, IdSquareRoot, "sqrt", u"√", KeyGroup::Calculation, commands::Call<&Calculator::OnSquareRoot>, ResultOf(u"√")},
    Command{KeyId::TaxIncluded, IdTaxIncluded, "tax+", ABACOR_TRANSLATABLE("Key", u"税込"), KeyGroup::Tax, commands::Call<&Calculator::OnTaxIncluded>, ResultOf(ABACOR_TRANSLATABLE("Tape", u"税込")).Writes(OwnLine::PriceWithTax)},
    Command{KeyId::TaxExcluded, IdTaxExcluded, "tax-", ABACOR_TRANSLATABLE("Key", u"税抜"), KeyGroup::Tax, commands::Call<&Calculator::OnTaxExcluded>, ResultOf(ABACOR_TRANSLATABLE("Tape", u"税抜")).Writes(OwnLine::PriceWithoutTax)},
    Command{KeyId::GrandTotal, IdGrandTotal, "GT", u"GT", KeyGroup::Calculation, commands::Call<&Calculator::OnGrandTotal>, LineOf(OwnLine::GrandTotal)},
    Command{KeyId::RateSwitch, IdRateSwitch, "rate", ABACOR_TRANSLATABLE("Key", u"税率"), KeyGroup::Tax, commands::Call<&Calculator::OnRateSwitch>, LineOf(OwnLine::RateSwitch)},
    Command{KeyId::DoubleZero, 0, "00", u"００", KeyGroup::Digit, commands::Call<&Calculator::EnterDoubleZero>, NumberOf(NumberPart::Begins)},
    Command{KeyId::TaxSum, IdTaxSum, "taxsum", ABACOR_TRANSLATABLE("Key", u"税合計"), KeyGroup::Tax, commands::Call<&Calculator::OnTaxSum>, {}},
    Command{KeyId::Cost, IdCost, "cost", ABACOR_TRANSLATABLE("Key", u"原価"), KeyGroup::Tax, commands::Profit<ProfitRegister::Cost>, StepOf(ABACOR_TRANSLATABLE("Tape", u"原価"))},
    Command{KeyId::Sell, IdSell, "sell", ABACOR_TRANSLATABLE("Key", u"売価"), KeyGroup::Tax, commands::Profit<ProfitRegister::Sell>, StepOf(ABACOR_TRANSLATABLE("Tape", u"売価"))},
    Command{KeyId::Margin, IdMargin, "margin", ABACOR_TRANSLATABLE("Key", u"利益率"), KeyGroup::Tax, commands::Profit<ProfitRegister::Margin>, StepOf(ABACOR_TRANSLATABLE("Tape", u"利益率"))},
    Command{KeyId::Average, IdAverage, "avg", ABACOR_TRANSLATABLE("Key", u"平均"), KeyGroup::Calculation, commands::Call<&Calculator::OnAverage>, ResultOf(ABACOR_TRANSLATABLE("Tape", u"平均")).Writes(OwnLine::Average)},
    // Typed ":" and "~" too, where a layout puts them.
    Command{KeyId::Hms, IdHms, "hms", ABACOR_TRANSLATABLE("Key", u"時分秒"), KeyGroup::Calculation, commands::Call<&Calculator::OnHms>, NumberOf(NumberPart::Edits).Writes(OwnLine::Converted)},
    Command{KeyId::Date, IdDate, "date", ABACOR_TRANSLATABLE("Key", u"日付"), KeyGroup::Calculation, commands::Call<&Calculator::OnDate>, NumberOf(NumberPart::Edits)},
    Command{KeyId::DaysTo, IdDaysTo, "to", u"〜", KeyGroup::Calculation, commands::Apply<Operator::DaysTo>, StepOf(ABACOR_TRANSLATABLE("Tape", u"〜"))},
    Command{{}, IdSquare, "sq", {}, {}, commands::Call<&Calculator::OnSquare>, ResultOf(u"x²")},
    Command{{}, IdCube, "cube", {}, {}, commands::Call<&Calculator::OnCube>, ResultOf(u"x³")},
    Command{{}, IdMemoryPlus, "M+", {}, {}, commands::Call<&Calculator::OnMemoryPlus>, FinalOf(u"M+").Writes(OwnLine::MemoryTotal)},
    Command{{}, IdMemoryMinus, "M-", {}, {}, commands::Call<&Calculator::OnMemoryMinus>, FinalOf(u"M−").Writes(OwnLine::MemoryTotal)},
    Command{{}, IdMemoryRecall, "MR", {}, {}, commands::Call<&Calculator::OnMemoryRecall>, NumberOf(NumberPart::Recalls).Writes(OwnLine::MemoryRecall)},
    Command{{}, IdMemoryClear, "MC", {}, {}, commands::Call<&Calculator::OnMemoryClear>, LineOf(OwnLine::MemoryClear)},
    Command{{}, IdLastAnswer, "ANS", {}, {}, commands::Call<&Calculator::OnLastAnswer>, NumberOf(NumberPart::Recalls)},
    Command{{}, 0, "drop", {}, {}, commands::Call<&Calculator::DropDigit>, NumberOf(NumberPart::Edits)},
    // Typed "#" too.
    Command{{}, IdNonAdd, "nonadd", {}, {}, commands::Call<&Calculator::OnNonAdd>, LineOf(OwnLine::NonAdd)},
    Command{{}, IdLeftSoftKey, {}, {}, {}, commands::LeftSoftKey, {}},
    // 検算 and the tape are the session's; the rest the window's.
    Command{{}, IdCheck, "check", {}, {}, nullptr, {}},
    Command{{}, IdTape, {}, {}, {}, nullptr, {}},
    Command{{}, IdTapeSave, {}, {}, {}, nullptr, {}},
    Command{{}, IdTapeOpen, {}, {}, {}, nullptr, {}},
    Command{{}, IdTapeNew, {}, {}, {}, nullptr, {}},
    Command{{}, IdTapeExport, {}, {}, {}, nullptr, {}},
    Command{{}, IdTapePrint, {}, {}, {}, nullptr, {}},
    Command{{}, IdTapeClear, {}, {}, {}, nullptr, {}},
    Command{{}, IdTapeFind, {}, {}, {}, nullptr, {}},
    Command{{}, IdCopyToClipboard, {}, {}, {}, nullptr, {}},
    Command{{}, IdVersion, {}, {}, {}, nullptr, {}},
    Command{{}, IdExit, {}, {}, {}, nullptr, {}},
    Command{{}, IdStayOnTop, {}, {}, {}, nullptr, {}},
    Command{{}, IdCopyNumber, {}, {}, {}, nullptr, {}},
    Command{{}, IdPaste, {}, {}, {}, nullptr, {}},
    // The switches on the calculator's face (DeskSwitches): the session's.
    Command{{}, IdSwitchRound, "sw:round", {}, {}, nullptr, {}},
    Command{{}, IdSwitchPlaces, "sw:places", {}, {}, nullptr, {}},
    Command{{}, IdSwitchGrandTotal, "sw:gt", {}, {}, nullptr, {}},
    Command{{}, IdSwitchTaxSum, "sw:taxsum", {}, {}, nullptr, {}},
    Command{{}, IdSwitchItemCount, "sw:count", {}, {}, nullptr, {}},
    Command{{}, IdSwitchConstant, "sw:const", {}, {}, nullptr, {}},
    Command{{}, IdSwitchDayCount, "sw:days", {}, {}, nullptr, {}},
    // The number shown becomes the rate in force (税率1 or 税率2).
    Command{{}, IdSetRate, "setrate", {}, {}, nullptr, {}},
};
// clang-format on

namespace commands {
// Every key has its row, in KeyId order; every menu id, token and line of
// its own belongs to one command only. (That every chord does too is a test's: GCC 12 will not
// compare them at compile time.)
constexpr bool RowsAreConsistent()
{
    for (std::size_t i = 0; i < kCommands.size(); ++i) {
        const Command& a = kCommands[i];
        if (i < static_cast<std::size_t>(kKeyCount) && a.key != static_cast<KeyId>(i))
            return false;
        if (i >= static_cast<std::size_t>(kKeyCount) && a.key)
            return false;
        if (a.tape.consumes != !a.tape.mark.empty())
            return false;
        for (std::size_t j = i + 1; j < kCommands.size(); ++j) {
            const Command& b = kCommands[j];
            if ((a.menuId != 0 && a.menuId == b.menuId) || (!a.token.empty() && a.token == b.token))
                return false;
            // A line of its own names its key when a file is read back.
            if (a.tape.line != OwnLine::None && a.tape.line != OwnLine::MemoryTotal && a.tape.line == b.tape.line)
                return false;
        }
    }
    return true;
}
}  // namespace commands
static_assert(commands::RowsAreConsistent(), "a row per key in KeyId order, every menu id and token once");
static_assert(kCommands.size() >= static_cast<std::size_t>(kKeyCount));

constexpr const Command& CommandOfKey(KeyId key) { return kCommands[static_cast<std::size_t>(Index(key))]; }
const Command* CommandOfMenuId(int id);
// Whether a command has that menu id (a compile-time check's question).
constexpr bool IsCommandId(int id)
{
    for (const Command& command : kCommands)
        if (command.menuId != 0 && command.menuId == id)
            return true;
    return false;
}
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

// The command's handler, after the calculator has started a key; ForWindow
// for a command without one.
CommandOutcome RunCommand(Calculator& calculator, const Command& command);

}  // namespace abacor
