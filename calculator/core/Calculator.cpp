#include "calculator/core/Calculator.h"

#include "calculator/engine/NumberText.h"
#include "calculator/engine/ScaledArithmetic.h"

namespace abacor {

Calculator::Calculator(const CalculatorSettings& settings, RepaintSink* sink) : settings_(&settings), sink_(sink) {}

QString Calculator::Grouped(const QString& plain, GroupingMode mode) const
{
    return GroupDigits(plain, mode, FlagOn(settings_->CommaFormatFlg));
}

void Calculator::Repaint(DisplayRegion region)
{
    if (sink_ != nullptr)
        sink_->Invalidate(region);
}

std::optional<QString> Calculator::ShowEntry(double value)
{
    QString plain;
    if (FormatResult(value, plain)) {
        ResetCalculator(true);
        return std::nullopt;
    }
    state_.entryValue = value;
    state_.displayText = Grouped(plain, GroupingMode::Display);
    Repaint(DisplayRegion::DisplayBox);
    return plain;
}

bool Calculator::ShowResult(double accumulator)
{
    const std::optional<QString> plain = ShowEntry(accumulator);
    if (!plain)
        return false;
    // Both lines show the same digits; only the display follows CommaFormatFlg.
    state_.accumulator = accumulator;
    state_.resultText = Grouped(*plain, GroupingMode::Always);
    Repaint(DisplayRegion::ResultBox);
    state_.entryState = EntryState::Result;
    return true;
}

void Calculator::ResetCalculator(bool showError)
{
    state_.entryState = EntryState::Result;
    state_.pendingOperator = Operator::None;
    state_.accumulator = 0.0;
    state_.entryValue = 0.0;
    state_.error = showError;
    state_.displayText = showError ? kErrorText.toString() : QStringLiteral("0");
    state_.resultText = QStringLiteral("0");
    state_.operatorText.clear();
    Repaint(DisplayRegion::DisplayBox);
    Repaint(DisplayRegion::ResultBox);
    Repaint(DisplayRegion::OperatorRect);
}

bool Calculator::PasteNumber(QStringView text)
{
    if (InErrorState())
        return false;
    const std::optional<QString> plain = PastedNumber(text);
    if (!plain)
        return false;
    state_.entryValue = TextToValue(*plain);
    state_.entryState = EntryState::Typing;
    state_.displayText = Grouped(*plain, GroupingMode::Display);
    Repaint(DisplayRegion::DisplayBox);
    return true;
}

void Calculator::EnterDigit(QStringView key)
{
    if (InErrorState())
        return;
    QString text = StripGrouping(state_.displayText);

    switch (state_.entryState) {
    case EntryState::Typing: {
        const bool hasPoint = text.contains(u'.');
        const qsizetype limit = kMaxDigits + (text.contains(u'-') ? 1 : 0) + (hasPoint ? 1 : 0);
        if ((key == u"." && hasPoint) || text.size() >= limit) {
            // Ignored silently: the same text again, nothing repainted.
            state_.displayText = Grouped(text, GroupingMode::Display);
            return;
        }
        if (text == u"0" && key != u".")
            text = key.toString();
        else if (text == u"-0" && key != u".")
            text = u'-' + key.toString();
        else
            text += key;
        state_.entryValue = TextToValue(text);
        break;
    }
    case EntryState::Result:
    case EntryState::Operand:
        text = key == u"." ? QStringLiteral("0.") : key.toString();
        state_.entryValue = TextToValue(text);
        state_.entryState = EntryState::Typing;
        break;
    default: break;
    }

    state_.displayText = Grouped(text, GroupingMode::Display);
    Repaint(DisplayRegion::DisplayBox);
}

void Calculator::ApplyOperatorKey(Operator op, QStringView symbol)
{
    if (InErrorState())
        return;
    state_.operatorText = symbol.toString();
    Repaint(DisplayRegion::OperatorRect);

    if (state_.entryState == EntryState::Result && op != Operator::None) {
        state_.pendingOperator = op;
        return;
    }

    state_.displayText = StripGrouping(state_.displayText);
    const int places = DecimalPlaces(state_.displayText);
    Complete(abacor::ApplyOperator(state_.pendingOperator, state_.accumulator, state_.entryValue, places), op);
}

void Calculator::Complete(std::optional<double> accumulator, Operator next)
{
    if (!accumulator) {
        ResetCalculator(true);
        return;
    }
    if (!ShowResult(*accumulator))
        return;
    state_.pendingOperator = next;
    if (next == Operator::None) {
        state_.lastAnswerText = state_.displayText;
        state_.lastAnswer = state_.entryValue;
    }
}

void Calculator::ChangeSign()
{
    if (InErrorState())
        return;
    // On the text as shown, grouping included.
    if (state_.displayText.startsWith(u'-'))
        state_.displayText.remove(0, 1);
    else
        state_.displayText.prepend(u'-');
    state_.entryValue = state_.entryValue * -1.0;

    if (state_.entryState == EntryState::Result) {
        if (state_.pendingOperator != Operator::None) {
            state_.entryState = EntryState::Operand;
        } else {
            state_.accumulator = state_.accumulator * -1.0;
            const QString plain = StripGrouping(state_.displayText);
            state_.resultText = Grouped(plain, GroupingMode::Always);
            state_.displayText = Grouped(plain, GroupingMode::Display);
        }
    }
    Repaint(DisplayRegion::DisplayBox);
    Repaint(DisplayRegion::ResultBox);
}

void Calculator::ClearEntry()
{
    if (!FlagOn(settings_->ShiftKeyFlg)) {
        // Also the way out of the error state.
        state_.error = false;
        state_.entryValue = 0.0;
        state_.displayText = QStringLiteral("0");
        state_.entryState = EntryState::Result;
        Repaint(DisplayRegion::DisplayBox);
        return;
    }

    // The digit drop.
    if (InErrorState())
        return;
    QString text = StripGrouping(state_.displayText);
    text.chop(1);
    if (text.isEmpty() || text == u"-")
        text = QStringLiteral("0");
    state_.entryValue = TextToValue(text);
    state_.displayText = Grouped(text, GroupingMode::Display);
    state_.entryState = EntryState::Typing;
    Repaint(DisplayRegion::DisplayBox);
}

bool Calculator::LeftSoftKeyOpensClearMenu() const { return FlagOn(settings_->ClearMenuFlg); }

void Calculator::OnLeftSoftKey()
{
    if (!LeftSoftKeyOpensClearMenu())
        ResetCalculator(false);
}

void Calculator::OnClear() { ResetCalculator(false); }

void Calculator::OnAllClear()
{
    ResetCalculator(false);
    OnMemoryClear();
}

void Calculator::OnOK() { ApplyOperatorKey(Operator::None, {}); }

}  // namespace abacor
