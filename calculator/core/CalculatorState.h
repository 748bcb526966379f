#pragma once

#include <array>
#include <optional>
#include <string>

#include "calculator/engine/CalendarDate.h"
#include "calculator/engine/InvoiceTax.h"
#include "calculator/engine/ScaledArithmetic.h"
#include "calculator/engine/TimedArithmetic.h"

namespace abacor {

// What the next digit does.
enum class EntryState : int {
    None = 0,       // only until the first reset
    Typing = 100,   // digits are appended
    Result = 101,   // a result is shown; an operator key only replaces the pending one
    Operand = 102,  // a function result is shown; an operator key computes with it
};

// What a function names the value it shows ("税額", "税込計", "原価"…), lit
// until the next key.
enum class ValueLabel {
    None,
    TaxAmount,
    TaxIncludedTotal,
    TaxExcludedTotal,
    TaxAmountTotal,
    TaxExcluded,
    Cost,
    Sell,
    Margin,
    Days,
};

// Whose rate the rate annunciator names: the active one, or, while a
// per-rate total is shown, that total's (or none for the sums of all rates).
enum class RateShown { Active, None, First, Second };

// Why a key changed nothing it was asked to; the window flashes the display
// and says the reason (RefusalText), naming the switch that would help.
enum class Refusal {
    None,
    NoTwoOfProfit,  // 原価・売価・利益率: fewer than two registers hold a number
    NoItems,        // 平均 with nothing counted
    NoDateDigits,   // 日付 with no number typed
    GrandTotalOff,  // GT with GrandTotalFlg off
    TaxSumOff,      // 税合計 with TaxSumFlg off
    NoTaxTotals,    // 税合計 with no price taxed since CA
    ItemCountOff,   // 平均 with ItemCountFlg off
    NotARate,       // the number shown is no rate to set
    TooManyDigits,  // a 13th digit, or one past a time's or a date's field
};

// The three registers of cost, sell and margin, in that order.
enum class ProfitRegister { Cost, Sell, Margin };

// Kept totals beyond this are taken as damage.
inline constexpr double kMaxTotal = 1e15;

// The item count stays within this, either way.
inline constexpr int kMaxItemCount = 999;

// A time or a date typed field by field: hours, minutes, seconds or year,
// month, day. closed counts the fields a 時分秒 or 日付 ended; the digits
// typed since go to the next.
struct FieldEntry {
    ValueKind kind = ValueKind::Number;  // Number: no such entry under way
    std::array<std::int64_t, 3> fields{};
    int closed = 0;
    std::u16string typed;
    bool negative = false;
};

// A constant of constant calculation: the operator and its operand.
struct Constant {
    Operator op = Operator::None;
    double value = 0.0;
    ValueKind kind = ValueKind::Number;  // a time's seconds, or a number
};

// The desk calculator's state, as the window keeps it.
struct CalculatorState {
    std::u16string displayText;
    double entryValue = 0.0;
    double accumulator = 0.0;
    Operator pendingOperator = Operator::None;
    EntryState entryState = EntryState::None;
    // The error state: the display shows kErrorText and every key but the
    // clears is ignored.
    bool error = false;
    std::u16string operatorText;
    std::u16string resultText;
    double memoryValue = 0.0;
    std::u16string memoryText = u"0";
    double lastAnswer = 0.0;
    std::u16string lastAnswerText = u"0";
    // The desk functions: the grand total, the second tax rate chosen.
    double grandTotal = 0.0;
    bool secondRate = false;
    ValueLabel label = ValueLabel::None;
    RateShown rateShown = RateShown::Active;
    // The office functions: the invoice totals per rate, constant
    // calculation (K lit in the mode set by a key), the count of items and
    // the registers of cost, sell and margin.
    std::array<RateTotals, 2> taxTotals{};
    Constant constant;
    bool constantLit = false;
    int itemCount = 0;
    std::array<std::optional<double>, 3> profit{};
    // Times and dates: what the entry and the accumulator are, the dates
    // they hold, a field entry under way, and whether the shown value is a
    // day count (lit "日", never into GT).
    ValueKind entryKind = ValueKind::Number;
    ValueKind accumulatorKind = ValueKind::Number;
    CalendarDate entryDate;
    CalendarDate accumulatorDate;
    FieldEntry fieldEntry;
    // The number shown is a time's hours, converted (a digit starts a new
    // one); converted back, it is that time exactly, whatever the twelve
    // digits of its hours leave out.
    bool converted = false;
    std::int64_t convertedSeconds = 0;
    // The last key changed nothing it was asked to (a compute without its
    // operands, a function switched off): the window flashes the display.
    Refusal refused = Refusal::None;
};

// What may be kept from one run to the next: memory, last answer, grand
// total and the rate chosen. Texts are plain (no grouping).
struct KeptState {
    double memory = 0.0;
    std::u16string memoryText = u"0";
    double lastAnswer = 0.0;
    std::u16string lastAnswerText = u"0";
    double grandTotal = 0.0;
    bool secondRate = false;
    std::array<RateTotals, 2> taxTotals{};
    std::array<std::optional<double>, 3> profit{};

    friend bool operator==(const KeptState&, const KeptState&) = default;
};

// The display regions an operation asks to have repainted.
enum class DisplayRegion { DisplayBox, ResultBox, MemoryBox, OperatorRect };

// Receives repaint requests; the window maps them to rectangles.
class RepaintSink {
public:
    virtual ~RepaintSink() = default;
    virtual void Invalidate(DisplayRegion region) = 0;
};

}  // namespace abacor
