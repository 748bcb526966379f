// The function commands on the number shown, the memory and the last answer.
#include "calculator/core/Calculator.h"
#include "calculator/engine/FunctionMath.h"
#include "calculator/engine/NumberText.h"
#include "calculator/engine/ScaledArithmetic.h"
#include "calculator/engine/TimeValue.h"

#include <math.h>

namespace abacor {

void Calculator::OnPercent()
{
    if (InErrorState() || !NumbersOnly())
        return;
    state_.operatorText.clear();
    Repaint(DisplayRegion::OperatorRect);

    state_.displayText = StripGrouping(state_.displayText);
    Complete(PercentValue(state_.pendingOperator, state_.accumulator, state_.entryValue), Operator::None,
             Finish::Percent);
}

void Calculator::OnSquare() { RaisePower(2); }

void Calculator::OnCube() { RaisePower(3); }

void Calculator::RaisePower(int n)
{
    if (InErrorState() || !NumbersOnly())
        return;
    state_.displayText = StripGrouping(state_.displayText);
    if (ShowEntry(Shown(RaisedPower(state_.entryValue, n))))
        state_.entryState = EntryState::Operand;
}

void Calculator::OnSquareRoot()
{
    if (InErrorState() || !NumbersOnly())
        return;
    if (state_.entryValue < 0.0) {
        ResetCalculator(true);
        return;
    }
    if (ShowEntry(Shown(sqrt(state_.entryValue))))
        state_.entryState = EntryState::Operand;
}

void Calculator::OnTaxIncluded() { OnTaxKey(true); }

void Calculator::OnTaxExcluded() { OnTaxKey(false); }

void Calculator::OnTaxKey(bool included)
{
    if (InErrorState() || !NumbersOnly())
        return;
    if (FlagOn(settings_->DeskTaxFlg)) {
        DeskTax(included ? LastKey::TaxIncluded : LastKey::TaxExcluded);
    } else {
        const double price = state_.entryValue;
        ShowFinishedEntry(included ? TaxIncludedValue(price, ActiveTaxRate())
                                   : TaxExcludedValue(price, ActiveTaxRate()));
        AddToTaxTotal(included, price);
    }
    // Every tax figure says the rate it was worked at, the first rate too.
    if (!InErrorState())
        state_.rateShown = state_.secondRate ? RateShown::Second : RateShown::First;
}

void Calculator::AddToTaxTotal(bool net, double amount)
{
    if (!FlagOn(settings_->TaxSumFlg) || InErrorState())
        return;
    RateTotals& totals = state_.taxTotals[state_.secondRate ? 1 : 0];
    double& total = net ? totals.net : totals.gross;
    const double sum = DecimalSum(total, amount);
    // Beyond any invoice: the totals stay as they were.
    if (!(std::fabs(sum) < kMaxTotal))
        return;
    total = sum;
    Repaint(DisplayRegion::DisplayBox);
}

// The price first; the same key again shows the tax in it, then the price.
void Calculator::DeskTax(LastKey key)
{
    const bool again = previousKey_ == key;
    currentKey_ = key;
    if (again) {
        taxShowingAmount_ = !taxShowingAmount_;
        ShowFinishedEntry(taxShowingAmount_ ? taxAmount_ : taxPrice_);
        if (taxShowingAmount_ && !InErrorState())
            state_.label = ValueLabel::TaxAmount;
        return;
    }
    taxShowingAmount_ = false;
    const double price = state_.entryValue;
    const bool included = key == LastKey::TaxIncluded;
    double tax = included ? TaxOnNetValue(price, ActiveTaxRate()) : TaxInGrossValue(price, ActiveTaxRate());
    if (Rounding() != RoundMode::Off) {
        const std::optional<RoundedValue> rounded = RoundResult(tax, Rounding(), RoundedPlaces());
        if (!rounded) {
            ResetCalculator(true);
            return;
        }
        tax = rounded->value;
    }
    taxAmount_ = tax;
    taxPrice_ = included ? DecimalSum(price, tax) : DecimalDifference(price, tax);
    ShowFinishedEntry(taxPrice_);
    if (!InErrorState())
        taxPrice_ = state_.entryValue;
    AddToTaxTotal(included, price);
}

void Calculator::AddToMemory(bool subtract)
{
    if (InErrorState())
        return;
    Calculate(Operator::None, {}, Finish::Memory);
    // A time adds its hours; a date cannot go to memory.
    if (!InErrorState() && state_.entryKind == ValueKind::Date)
        ResetCalculator(true);
    if (InErrorState()) {
        OnMemoryClear();
        return;
    }
    const double amount =
        state_.entryKind == ValueKind::Time ? HoursOf(static_cast<std::int64_t>(state_.entryValue)) : state_.entryValue;
    const double memory =
        subtract ? MemoryMinusValue(state_.memoryValue, amount) : MemoryPlusValue(state_.memoryValue, amount);
    const std::optional<RoundedValue> shown = Finished(memory);
    if (!shown) {
        OnMemoryClear();
        ResetCalculator(true);
        return;
    }
    state_.memoryValue = shown->value;
    state_.memoryText = GroupDigits(shown->text, GroupingMode::Always, true);
    Repaint(DisplayRegion::MemoryBox);
}

void Calculator::OnMemoryPlus() { AddToMemory(false); }

void Calculator::OnMemoryMinus() { AddToMemory(true); }

void Calculator::OnMemoryRecall()
{
    if (InErrorState())
        return;
    StartNumber();
    state_.displayText = Grouped(StripGrouping(state_.memoryText), GroupingMode::Display);
    state_.entryValue = state_.memoryValue;
    Repaint(DisplayRegion::DisplayBox);
    state_.entryState = EntryState::Operand;
}

void Calculator::OnMemoryClear()
{
    // As one character: GCC 12 warns, wrongly, of an overlap in assigning
    // the literal once this is inlined.
    state_.memoryText.assign(1, u'0');
    state_.memoryValue = 0.0;
    Repaint(DisplayRegion::MemoryBox);
}

void Calculator::OnLastAnswer()
{
    if (InErrorState())
        return;
    StartNumber();
    state_.displayText = state_.lastAnswerText;
    state_.entryValue = state_.lastAnswer;
    Repaint(DisplayRegion::DisplayBox);
    state_.entryState = EntryState::Operand;
}

}  // namespace abacor
