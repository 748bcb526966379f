// The office functions: the invoice's totals per tax rate, cost, sell and
// margin, and the average of the items counted.
#include <vector>

#include "calculator/core/Calculator.h"
#include "calculator/engine/FunctionMath.h"
#include "calculator/engine/InvoiceTax.h"

namespace abacor {

namespace {

// One value of the 税合計 cycle.
struct TaxSumValue {
    double value = 0.0;
    ValueLabel label = ValueLabel::None;
    RateShown rate = RateShown::None;
};

}  // namespace

void Calculator::OnTaxSum()
{
    if (InErrorState())
        return;
    if (!FlagOn(settings_->TaxSumFlg)) {
        state_.refused = Refusal::TaxSumOff;
        return;
    }
    const bool again = previousKey_ == LastKey::TaxSum;
    currentKey_ = LastKey::TaxSum;

    // The sums of every rate first, then each rate that has an amount.
    std::vector<TaxSumValue> cycle;
    InvoiceFigures all;
    for (std::size_t rate = 0; rate < state_.taxTotals.size(); ++rate) {
        const RateTotals& totals = state_.taxTotals[rate];
        if (totals.Empty())
            continue;
        const std::optional<InvoiceFigures> figures = InvoiceFiguresOf(
            totals, rate == 0 ? settings_->TaxPercent : settings_->TaxPercent2, Rounding(), RoundedPlaces());
        if (!figures) {
            ResetCalculator(true);
            return;
        }
        all = {DecimalSum(all.excluded, figures->excluded), DecimalSum(all.tax, figures->tax),
               DecimalSum(all.included, figures->included)};
        const RateShown shown = rate == 0 ? RateShown::First : RateShown::Second;
        cycle.push_back({figures->excluded, ValueLabel::TaxExcluded, shown});
        cycle.push_back({figures->tax, ValueLabel::TaxAmount, shown});
    }
    if (cycle.empty()) {
        // Never a 0 that looks like a total: the number shown stays.
        state_.refused = Refusal::NoTaxTotals;
        currentKey_ = previousKey_;
        return;
    }
    cycle.insert(cycle.begin(), {{all.included, ValueLabel::TaxIncludedTotal, RateShown::None},
                                 {all.excluded, ValueLabel::TaxExcludedTotal, RateShown::None},
                                 {all.tax, ValueLabel::TaxAmountTotal, RateShown::None}});
    StartNumber();
    taxSumPlace_ = again ? (taxSumPlace_ + 1) % cycle.size() : 0;
    const TaxSumValue& shown = cycle[taxSumPlace_];
    ShowFinishedEntry(shown.value);
    if (InErrorState())
        return;
    state_.label = shown.label;
    state_.rateShown = shown.rate;
}

void Calculator::OnProfit(ProfitRegister which)
{
    if (InErrorState() || !NumbersOnly())
        return;
    static constexpr LastKey kKeys[] = {LastKey::Cost, LastKey::Sell, LastKey::Margin};
    static constexpr ValueLabel kLabels[] = {ValueLabel::Cost, ValueLabel::Sell, ValueLabel::Margin};
    const auto index = static_cast<std::size_t>(which);
    const LastKey key = kKeys[index];
    const bool computes = previousKey_ != key && (previousKey_ == LastKey::Cost || previousKey_ == LastKey::Sell ||
                                                  previousKey_ == LastKey::Margin);
    currentKey_ = key;
    std::optional<double>& target = state_.profit[index];

    if (!computes) {
        // Stored as entered; the number being typed ends, nothing else.
        target = state_.entryValue;
        if (state_.entryState == EntryState::Typing)
            state_.entryState = EntryState::Operand;
        state_.label = kLabels[index];
        Repaint(DisplayRegion::DisplayBox);
        return;
    }
    const auto& [cost, sell, margin] = state_.profit;
    // Whether the other two are there, and what they give (none: "ERROR").
    bool operands = false;
    std::optional<double> value;
    switch (which) {
    case ProfitRegister::Cost:
        if ((operands = sell && margin))
            value = CostFrom(*sell, *margin);
        break;
    case ProfitRegister::Sell:
        if ((operands = cost && margin))
            value = SellFrom(*cost, *margin);
        break;
    case ProfitRegister::Margin:
        if ((operands = cost && sell))
            value = MarginFrom(*cost, *sell);
        break;
    }
    if (!operands) {
        // Nothing changes, and the next press stores.
        state_.refused = Refusal::NoTwoOfProfit;
        currentKey_ = previousKey_;
        return;
    }
    if (!value) {
        ResetCalculator(true);
        return;
    }
    if (!ShowFunctionResult(*value))
        return;
    target = state_.entryValue;
    state_.label = kLabels[index];
}

void Calculator::OnAverage()
{
    if (InErrorState())
        return;
    // Nothing to divide by: the number shown stays, still being typed.
    if (!FlagOn(settings_->ItemCountFlg)) {
        state_.refused = Refusal::ItemCountOff;
        return;
    }
    if (state_.itemCount < 1) {
        state_.refused = Refusal::NoItems;
        return;
    }
    if (!NumbersOnly())
        return;
    ShowFunctionResult(Average(state_.entryValue, state_.itemCount));
}

bool Calculator::ShowFunctionResult(double value)
{
    if (!ShowResult(Finished(value)))
        return false;
    state_.pendingOperator = Operator::None;
    state_.operatorText.clear();
    Repaint(DisplayRegion::OperatorRect);
    state_.lastAnswerText = state_.displayText;
    state_.lastAnswer = state_.entryValue;
    countEnded_ = true;
    return true;
}

}  // namespace abacor
