#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/core/CalculatorState.h"
#include "calculator/engine/Grouping.h"
#include "calculator/engine/NumberText.h"
#include "calculator/engine/Rounding.h"
#include "settings/CalculatorSettings.h"

namespace abacor {

// The entry as it stands when the key that ends it comes: a time or a date
// typed field by field as it will show ("2024.05.01" for "2024.5.1"), its
// value (a time's seconds, a date's day number, or month × 100 + day
// without a year) and kind. The display's text and value otherwise.
struct EndedEntry {
    ValueKind kind = ValueKind::Number;
    std::u16string text;
    double value = 0.0;
};
EndedEntry EntryAsEnded(const CalculatorState& state);

// A value label as the display and the tape show it.
std::u16string_view LabelText(ValueLabel label);
// Why a key was refused, in words that name what would help; empty for none.
std::u16string_view RefusalText(Refusal why);
// The refusal's name for scripts ("no-items"); empty for none.
std::string_view RefusalId(Refusal why);

// The calculator proper: the state machine of the keys and the function
// commands, computing left to right. It never paints; it reports the regions
// to repaint to its sink. It reads the settings record it is given at each use.
class Calculator {
public:
    explicit Calculator(const CalculatorSettings& settings, RepaintSink* sink = nullptr);
    // A copy to compute aside (a replay): it asks nothing to be repainted.
    Calculator Aside() const
    {
        Calculator copy = *this;
        copy.sink_ = nullptr;
        return copy;
    }

    const CalculatorState& state() const { return state_; }
    bool InErrorState() const { return state_.error; }

    // Every key, before it acts: what was lit for one key only goes out.
    void StartKey();

    void ResetCalculator(bool showError);
    void EnterDigit(std::u16string_view key);
    // A pasted number, entered as if typed after a fresh entry; the pending
    // operator stays. False, with nothing changed, for a text that is no
    // number (PastedNumber) and in the error state.
    bool PasteNumber(std::u16string_view text);
    void ApplyOperatorKey(Operator op, std::u16string_view symbol);
    void ChangeSign();
    // CE, or with ShiftKeyFlg the digit drop.
    void ClearEntry();
    // The last digit of the number shown goes (Backspace, whatever CE is).
    void DropDigit();

    // The left soft key; with ClearMenuFlg on the window shows the clear menu
    // instead and this does nothing.
    void OnLeftSoftKey();
    bool LeftSoftKeyOpensClearMenu() const;
    void OnClear();
    void OnAllClear();

    void OnPercent();
    void OnSquare();
    void OnCube();
    void RaisePower(int n);
    void OnSquareRoot();
    void OnTaxIncluded();
    void OnTaxExcluded();
    void OnMemoryPlus();
    void OnMemoryMinus();
    void OnMemoryRecall();
    void OnMemoryClear();
    void OnLastAnswer();
    // The desk functions.
    void OnGrandTotal();
    void OnRateSwitch();
    // A key the session carries out changed nothing, and why.
    void Refuse(Refusal why) { state_.refused = why; }
    // A number being typed is taken (by a switch set from it): the next digit
    // begins another.
    void EndEntry();
    void EnterDoubleZero();
    // The office functions: the invoice's totals per rate in turn, cost,
    // sell and margin, and the average of the items counted.
    void OnTaxSum();
    void OnProfit(ProfitRegister which);
    void OnAverage();
    // 非加算: the number typed goes to the tape alone; the entry is cleared,
    // the calculation under way stays.
    void OnNonAdd();
    // Hours and days: 時分秒 ends a field of a time typed or converts the
    // value shown (a time to its hours, a number of hours to a time); 日付
    // ends a field of a date. (〜 is an operator.)
    void OnHms();
    void OnDate();
    // A time or a date shown, as the display shows it ("時間", "日付"); empty for a number.
    std::u16string_view ValueKindText() const;

    // What a next run may start from.
    KeptState Kept() const;
    // Starts from a kept state; a value the display could not show (a file
    // edited by hand, a damaged one) starts afresh instead.
    void Restore(const KeptState& kept);
    // The totals of a kept state back (memory, last answer, GT, the invoice
    // totals and registers), the rate as it is now.
    void RestoreTotals(const KeptState& kept);

    // The lit annunciators, in this order: the selector (when asked for),
    // the rate ("税8%"), "K", "GT", "税計", the count ("5件") and what the
    // value shown is ("税額", "税込計", "原価"…).
    std::vector<std::u16string> Annunciators(bool withSelector) const;
    // The tax rate the tax keys use, in hundredths of a percent.
    std::uint32_t ActiveTaxRate() const;
    // The rate annunciator, empty when none is lit.
    std::u16string ShownRateText() const;
    // The rate in force, as "税8%".
    std::u16string ActiveRateText() const;

private:
    // The entry cleared to 0, the calculation under way kept (CE, 非加算).
    void ZeroEntry();
    // What the last key was, for the keys that act anew when pressed twice.
    enum class LastKey {
        Other,
        GrandTotal,
        TaxIncluded,
        TaxExcluded,
        TaxSum,
        Add,
        Subtract,
        Multiply,
        Divide,
        Cost,
        Sell,
        Margin,
    };
    enum class Finish {
        Chain,    // an operator key: the running result
        Equals,   // "=": rounded; into GT when it ends a calculation
        Percent,  // rounded; always into GT
        Memory,   // the "=" of M+ and M-: rounded, never into GT
    };

    std::u16string Grouped(const std::u16string& plain, GroupingMode mode) const;
    RoundMode Rounding() const;
    int RoundedPlaces() const;
    bool Add2() const;
    // A value as the display shows it; empty on overflow.
    static std::optional<RoundedValue> Shown(double value);
    // A value as a finished result shows it: rounded with the selector on.
    std::optional<RoundedValue> Finished(double value) const;
    void Calculate(Operator op, std::u16string_view symbol, Finish finish);
    // An operator key as constant calculation sees it: true when it set the
    // constant (pressed twice), which is all it does then.
    bool SetsConstant(Operator op);
    void ClearConstant();
    void SetConstant(Operator op, const KindedValue& value);
    // An operand consumed by the operator given (or by "=" with a constant).
    void CountOperand(Operator by, bool first);
    // A number typed or recalled: after a finished calculation the count
    // starts again.
    void StartNumber();
    void AddToTaxTotal(bool net, double amount);
    void OnTaxKey(bool included);
    void AddToGrandTotal(double value);
    void DeskTax(LastKey key);
    // Shows a finished value as the entry, a function's result.
    void ShowFinishedEntry(double value);
    void Repaint(DisplayRegion region);
    // Makes a shown value the accumulator, the entry and both lines; false,
    // in the error state, when there is none (an overflow).
    bool ShowResult(const std::optional<RoundedValue>& shown);
    // Makes a shown value the entry; false, in the error state, on overflow.
    bool ShowEntry(const std::optional<RoundedValue>& shown);
    void ShowEntryText(double value, const std::u16string& plain);
    void AddToMemory(bool subtract);
    // A calculation completed with accumulator (empty: a division by zero,
    // which is the error state): shown, then next waits; "=" and percent
    // (next none) also keep the answer.
    // completes: "=" with a constant or on a number just typed, which ends a
    // calculation too.
    void Complete(std::optional<double> accumulator, Operator next, Finish finish, bool completes = false);
    // Shows a function's result as "％" does: rounded, the pending operation
    // cancelled, the last answer kept; the calculation ends.
    bool ShowFunctionResult(double value);

    // A field entry ends: the time or date it gives is the entry; false, in
    // the error state, when there is none.
    bool EndFieldEntry();
    // A function that works on numbers: a time is taken as its hours, a
    // date is an error (false).
    bool NumbersOnly();
    void TypeField(std::u16string_view key);
    void ShowFieldEntry();
    KindedValue EntryKinded() const;
    KindedValue AccumulatorKinded() const;
    // Shows a time or a date as the entry (a conversion) or as the result.
    void ShowKindedEntry(const KindedValue& value);
    void CompleteKinded(const std::optional<KindedResult>& result, Operator next, Finish finish);
    CalculatorState state_;
    LastKey previousKey_ = LastKey::Other;
    LastKey currentKey_ = LastKey::Other;
    // The two numbers a desk tax key shows in turn.
    double taxPrice_ = 0.0;
    double taxAmount_ = 0.0;
    bool taxShowingAmount_ = false;
    // The place in the cycle of the invoice totals last shown.
    std::size_t taxSumPlace_ = 0;
    // The count starts again with the next number.
    bool countEnded_ = false;
    const CalculatorSettings* settings_;
    RepaintSink* sink_;
};

}  // namespace abacor
