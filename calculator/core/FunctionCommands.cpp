// The function commands on the number shown, the memory and the last answer.
#include "calculator/core/Calculator.h"
#include "calculator/engine/FunctionMath.h"
#include "calculator/engine/NumberText.h"
#include "calculator/engine/ScaledArithmetic.h"

#include <math.h>

namespace abacor {

void Calculator::OnPercent()
{
    if (InErrorState())
        return;
    state_.operatorText.clear();
    Repaint(DisplayRegion::OperatorRect);

    state_.displayText = StripGrouping(state_.displayText);
    const double s = ScaleFactor(DecimalPlaces(state_.displayText));
    Complete(PercentValue(state_.pendingOperator, state_.accumulator, state_.entryValue, s), Operator::None);
}

void Calculator::OnSquare() { RaisePower(2); }

void Calculator::OnCube() { RaisePower(3); }

void Calculator::RaisePower(int n)
{
    if (InErrorState())
        return;
    state_.displayText = StripGrouping(state_.displayText);
    if (ShowEntry(RaisedPower(state_.entryValue, n)))
        state_.entryState = EntryState::Operand;
}

void Calculator::OnSquareRoot()
{
    if (InErrorState())
        return;
    if (state_.entryValue < 0.0) {
        ResetCalculator(true);
        return;
    }
    if (ShowEntry(sqrt(state_.entryValue)))
        state_.entryState = EntryState::Operand;
}

void Calculator::OnTaxIncluded()
{
    if (InErrorState())
        return;
    if (ShowEntry(TaxIncludedValue(state_.entryValue, settings_->TaxPercent)))
        state_.entryState = EntryState::Operand;
}

void Calculator::OnTaxExcluded()
{
    if (InErrorState())
        return;
    if (ShowEntry(TaxExcludedValue(state_.entryValue, settings_->TaxPercent)))
        state_.entryState = EntryState::Operand;
}

void Calculator::AddToMemory(bool subtract)
{
    if (InErrorState())
        return;
    ApplyOperatorKey(Operator::None, {});
    if (InErrorState()) {
        OnMemoryClear();
        return;
    }
    const double memory = subtract ? MemoryMinusValue(state_.memoryValue, state_.entryValue)
                                   : MemoryPlusValue(state_.memoryValue, state_.entryValue);
    QString plain;
    if (FormatResult(memory, plain)) {
        OnMemoryClear();
        ResetCalculator(true);
        return;
    }
    state_.memoryValue = memory;
    state_.memoryText = GroupDigits(plain, GroupingMode::Always, true);
    Repaint(DisplayRegion::MemoryBox);
}

void Calculator::OnMemoryPlus() { AddToMemory(false); }

void Calculator::OnMemoryMinus() { AddToMemory(true); }

void Calculator::OnMemoryRecall()
{
    if (InErrorState())
        return;
    state_.displayText = Grouped(StripGrouping(state_.memoryText), GroupingMode::Display);
    state_.entryValue = state_.memoryValue;
    Repaint(DisplayRegion::DisplayBox);
    state_.entryState = EntryState::Operand;
}

void Calculator::OnMemoryClear()
{
    state_.memoryText = QStringLiteral("0");
    state_.memoryValue = 0.0;
    Repaint(DisplayRegion::MemoryBox);
}

void Calculator::OnLastAnswer()
{
    if (InErrorState())
        return;
    state_.displayText = state_.lastAnswerText;
    state_.entryValue = state_.lastAnswer;
    Repaint(DisplayRegion::DisplayBox);
    state_.entryState = EntryState::Operand;
}

}  // namespace abacor
