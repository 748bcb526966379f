#include "calculator/core/Calculator.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "calculator/engine/FunctionMath.h"
#include "calculator/engine/NumberText.h"
#include "calculator/engine/ScaledArithmetic.h"
#include "calculator/engine/TimeValue.h"
#include "text/Translatable.h"

namespace abacor {

Calculator::Calculator(const CalculatorSettings& settings, RepaintSink* sink) : settings_(&settings), sink_(sink) {}

std::u16string Calculator::Grouped(const std::u16string& plain, GroupingMode mode) const
{
    return GroupDigits(plain, mode, FlagOn(settings_->CommaFormatFlg));
}

void Calculator::Repaint(DisplayRegion region)
{
    if (sink_ != nullptr)
        sink_->Invalidate(region);
}

RoundMode Calculator::Rounding() const
{
    return settings_->RoundSelector <= 3 ? static_cast<RoundMode>(settings_->RoundSelector) : RoundMode::Off;
}

int Calculator::RoundedPlaces() const { return SelectorPlaces(settings_->DecimalSelector); }

bool Calculator::Add2() const { return Rounding() != RoundMode::Off && settings_->DecimalSelector == kAdd2; }

std::optional<RoundedValue> Calculator::Shown(double value)
{
    std::u16string plain;
    if (FormatResult(value, plain))
        return std::nullopt;
    return RoundedValue{value, plain};
}

std::optional<RoundedValue> Calculator::Finished(double value) const
{
    if (Rounding() != RoundMode::Off)
        return RoundResult(value, Rounding(), RoundedPlaces());
    return Shown(value);
}

void Calculator::StartKey()
{
    previousKey_ = currentKey_;
    currentKey_ = LastKey::Other;
    state_.refused = Refusal::None;
    if (state_.label != ValueLabel::None || state_.rateShown != RateShown::Active) {
        state_.label = ValueLabel::None;
        state_.rateShown = RateShown::Active;
        Repaint(DisplayRegion::DisplayBox);
    }
}

void Calculator::ShowEntryText(double value, const std::u16string& plain)
{
    state_.fieldEntry = {};
    state_.entryKind = ValueKind::Number;
    state_.converted = false;
    state_.entryValue = value;
    state_.displayText = Grouped(plain, GroupingMode::Display);
    Repaint(DisplayRegion::DisplayBox);
}

bool Calculator::ShowEntry(const std::optional<RoundedValue>& shown)
{
    if (!shown) {
        ResetCalculator(true);
        return false;
    }
    ShowEntryText(shown->value, shown->text);
    return true;
}

bool Calculator::ShowResult(const std::optional<RoundedValue>& shown)
{
    if (!ShowEntry(shown))
        return false;
    // Both lines show the same digits; only the display follows CommaFormatFlg.
    state_.accumulator = shown->value;
    state_.accumulatorKind = ValueKind::Number;
    state_.resultText = Grouped(shown->text, GroupingMode::Always);
    Repaint(DisplayRegion::ResultBox);
    state_.entryState = EntryState::Result;
    return true;
}

void Calculator::ResetCalculator(bool showError)
{
    ClearConstant();
    state_.itemCount = 0;
    countEnded_ = false;
    state_.label = ValueLabel::None;
    state_.rateShown = RateShown::Active;
    state_.entryState = EntryState::Result;
    state_.pendingOperator = Operator::None;
    state_.accumulator = 0.0;
    state_.entryValue = 0.0;
    state_.entryKind = state_.accumulatorKind = ValueKind::Number;
    state_.fieldEntry = {};
    state_.converted = false;
    state_.error = showError;
    state_.displayText = showError ? kErrorText : u"0";
    state_.resultText = u"0";
    state_.operatorText.clear();
    Repaint(DisplayRegion::DisplayBox);
    Repaint(DisplayRegion::ResultBox);
    Repaint(DisplayRegion::OperatorRect);
}

bool Calculator::PasteNumber(std::u16string_view text)
{
    StartKey();
    if (InErrorState())
        return false;
    const std::optional<std::u16string> plain = PastedNumber(text);
    if (!plain)
        return false;
    StartNumber();
    state_.entryValue = TextToValue(*plain);
    state_.entryState = EntryState::Typing;
    state_.displayText = Grouped(*plain, GroupingMode::Display);
    Repaint(DisplayRegion::DisplayBox);
    return true;
}

void Calculator::EnterDigit(std::u16string_view key)
{
    if (InErrorState())
        return;
    if (state_.fieldEntry.kind != ValueKind::Number) {
        TypeField(key);
        return;
    }
    std::u16string text = StripGrouping(state_.displayText);
    // A time converted from the number typed is no number to go on with.
    const EntryState entryState =
        state_.entryState == EntryState::Typing && (state_.entryKind != ValueKind::Number || state_.converted)
            ? EntryState::Result
            : state_.entryState;

    switch (entryState) {
    case EntryState::Typing: {
        const bool hasPoint = text.find(u'.') != std::u16string::npos;
        const std::size_t limit = kMaxDigits + (text.find(u'-') != std::u16string::npos ? 1 : 0) + (hasPoint ? 1 : 0);
        if ((key == u"." && hasPoint) || text.size() >= limit) {
            // The same text again, nothing repainted; a digit past the
            // twelfth is refused and told, a second point only ignored.
            state_.displayText = Grouped(text, GroupingMode::Display);
            if (text.size() >= limit)
                state_.refused = Refusal::TooManyDigits;
            return;
        }
        if (text == u"0" && key != u".")
            text = key;
        else if (text == u"-0" && key != u".")
            text = u'-' + std::u16string(key);
        else
            text += key;
        state_.entryValue = TextToValue(text);
        break;
    }
    case EntryState::Result:
    case EntryState::Operand:
        StartNumber();
        text = key == u"." ? std::u16string(u"0.") : std::u16string(key);
        state_.entryValue = TextToValue(text);
        state_.entryState = EntryState::Typing;
        break;
    default: break;
    }

    state_.displayText = Grouped(text, GroupingMode::Display);
    Repaint(DisplayRegion::DisplayBox);
}

void Calculator::ApplyOperatorKey(Operator op, std::u16string_view symbol)
{
    Calculate(op, symbol, op == Operator::None ? Finish::Equals : Finish::Chain);
}

void Calculator::Calculate(Operator op, std::u16string_view symbol, Finish finish)
{
    if (InErrorState() || !EndFieldEntry())
        return;
    // 〜 follows a date only.
    if (op == Operator::DaysTo && state_.entryState != EntryState::Result && state_.entryKind != ValueKind::Date) {
        ResetCalculator(true);
        return;
    }
    if (op == Operator::DaysTo)
        ClearConstant();
    else if (op != Operator::None && SetsConstant(op))
        return;
    state_.operatorText = symbol;
    Repaint(DisplayRegion::OperatorRect);

    if (state_.entryState == EntryState::Result && op != Operator::None) {
        state_.pendingOperator = op;
        return;
    }

    // "=" with a constant and nothing pending computes with the constant;
    // M+ and M- do too after a typed number when a key set it.
    const bool typed = state_.entryState == EntryState::Typing;
    const bool withConstant = settings_->ConstantMode != 0 && state_.constant.op != Operator::None &&
                              state_.pendingOperator == Operator::None &&
                              (finish == Finish::Equals || (finish == Finish::Memory && typed && state_.constantLit));
    const Operator consumer = withConstant ? state_.constant.op : state_.pendingOperator;

    state_.displayText = StripGrouping(state_.displayText);
    // ADD2: a whole number typed for a sum or a difference is in hundredths.
    const auto addsOrSubtracts = [](Operator o) { return o == Operator::Add || o == Operator::Subtract; };
    const bool kinded = state_.entryKind != ValueKind::Number || consumer == Operator::DaysTo ||
                        (withConstant && state_.constant.kind != ValueKind::Number) ||
                        (consumer != Operator::None && !withConstant && state_.accumulatorKind != ValueKind::Number);
    if (Add2() && typed && !kinded && state_.displayText.find(u'.') == std::u16string::npos &&
        (addsOrSubtracts(consumer) ||
         (consumer == Operator::None && (addsOrSubtracts(op) || finish == Finish::Memory)))) {
        const double hundredths = Hundredths(state_.entryValue);
        std::u16string plain;
        FormatResult(hundredths, plain);
        state_.entryValue = hundredths;
        state_.displayText = plain;
    }
    if (finish != Finish::Memory)
        CountOperand(consumer == Operator::None ? op : consumer, consumer == Operator::None || withConstant);
    if (kinded) {
        const DayCountMode mode = static_cast<DayCountMode>(settings_->DayCountMode);
        const KindedValue constant{state_.constant.kind, state_.constant.value, {}};
        if (withConstant) {
            CompleteKinded(ApplyKinded(consumer, EntryKinded(), constant, mode), op, finish);
            return;
        }
        if (consumer == Operator::None) {
            CompleteKinded(KindedResult{EntryKinded(), false}, op, finish);
            return;
        }
        if (settings_->ConstantMode == 2 && finish == Finish::Equals && consumer != Operator::DaysTo)
            SetConstant(consumer, consumer == Operator::Multiply ? AccumulatorKinded() : EntryKinded());
        CompleteKinded(ApplyKinded(consumer, AccumulatorKinded(), EntryKinded(), mode), op, finish);
        return;
    }
    if (withConstant) {
        Complete(abacor::ApplyOperator(consumer, state_.entryValue, state_.constant.value), op, finish, true);
        return;
    }
    // A number typed (or pasted) and "=" is an invoice line of its own.
    const bool completes = typed && finish == Finish::Equals;
    // The automatic constant: the multiplicand of a product, else the
    // second operand.
    if (settings_->ConstantMode == 2 && finish == Finish::Equals && consumer != Operator::None)
        SetConstant(consumer, consumer == Operator::Multiply ? AccumulatorKinded() : EntryKinded());
    Complete(abacor::ApplyOperator(consumer, state_.accumulator, state_.entryValue), op, finish, completes);
}

void Calculator::SetConstant(Operator op, const KindedValue& value)
{
    // A date is no constant to calculate with: its day count would be.
    state_.constant = {op, value.kind == ValueKind::Time ? value.number : 0.0,
                       value.kind == ValueKind::Time ? ValueKind::Time : ValueKind::Number};
    if (value.kind == ValueKind::Number)
        state_.constant.value = value.number;
}

bool Calculator::SetsConstant(Operator op)
{
    static constexpr LastKey kKeys[] = {LastKey::Other, LastKey::Add, LastKey::Subtract, LastKey::Multiply,
                                        LastKey::Divide};
    currentKey_ = kKeys[static_cast<int>(op)];
    if (settings_->ConstantMode == 1 && previousKey_ == currentKey_) {
        SetConstant(op, EntryKinded());
        state_.constantLit = true;
        state_.pendingOperator = Operator::None;
        state_.operatorText.clear();
        Repaint(DisplayRegion::OperatorRect);
        Repaint(DisplayRegion::DisplayBox);
        return true;
    }
    ClearConstant();
    return false;
}

void Calculator::ClearConstant()
{
    if (state_.constant.op == Operator::None && !state_.constantLit)
        return;
    state_.constant = {};
    state_.constantLit = false;
    Repaint(DisplayRegion::DisplayBox);
}

void Calculator::CountOperand(Operator by, bool first)
{
    const std::uint32_t mode = settings_->ItemCountFlg;
    if (mode == 0 || (by != Operator::Add && by != Operator::Subtract))
        return;
    // The first number of a difference is added; the number subtracted
    // counts -1 where the count subtracts.
    const int step = (mode == 2 && by == Operator::Subtract && !first) ? -1 : 1;
    state_.itemCount = std::clamp(state_.itemCount + step, -kMaxItemCount, kMaxItemCount);
    Repaint(DisplayRegion::DisplayBox);
}

void Calculator::StartNumber()
{
    state_.fieldEntry = {};
    state_.entryKind = ValueKind::Number;
    state_.converted = false;
    if (!countEnded_)
        return;
    countEnded_ = false;
    if (state_.itemCount != 0) {
        state_.itemCount = 0;
        Repaint(DisplayRegion::DisplayBox);
    }
}

void Calculator::Complete(std::optional<double> accumulator, Operator next, Finish finish, bool completes)
{
    if (!accumulator) {
        ResetCalculator(true);
        return;
    }
    // The running result of a chain is never rounded.
    if (!ShowResult(finish == Finish::Chain ? Shown(*accumulator) : Finished(*accumulator)))
        return;
    const bool endsCalculation = completes || state_.pendingOperator != Operator::None;
    state_.pendingOperator = next;
    if (next == Operator::None) {
        state_.lastAnswerText = state_.displayText;
        state_.lastAnswer = state_.entryValue;
        countEnded_ = true;
    }
    if ((finish == Finish::Equals && endsCalculation) || finish == Finish::Percent)
        AddToGrandTotal(state_.entryValue);
}

void Calculator::AddToGrandTotal(double value)
{
    if (!FlagOn(settings_->GrandTotalFlg))
        return;
    const double total = DecimalSum(state_.grandTotal, value);
    if (!Shown(total)) {
        state_.grandTotal = 0.0;
        ResetCalculator(true);
        return;
    }
    state_.grandTotal = total;
    Repaint(DisplayRegion::DisplayBox);
}

void Calculator::ChangeSign()
{
    if (InErrorState() || state_.entryKind == ValueKind::Date || state_.fieldEntry.kind == ValueKind::Date)
        return;
    if (state_.fieldEntry.kind == ValueKind::Time) {
        state_.fieldEntry.negative = !state_.fieldEntry.negative;
        ShowFieldEntry();
        return;
    }
    if (state_.entryKind == ValueKind::Time) {
        // Never "-0:00:00".
        state_.entryValue = state_.entryValue == 0.0 ? 0.0 : -state_.entryValue;
        state_.displayText = TimeText(static_cast<std::int64_t>(state_.entryValue));
        if (state_.entryState == EntryState::Result && state_.pendingOperator != Operator::None) {
            state_.entryState = EntryState::Operand;
        } else if (state_.entryState == EntryState::Result) {
            state_.accumulator = state_.entryValue;
            state_.resultText = state_.displayText;
        }
        Repaint(DisplayRegion::DisplayBox);
        Repaint(DisplayRegion::ResultBox);
        return;
    }
    state_.converted = false;
    // On the text as shown, grouping included.
    if (state_.displayText.starts_with(u'-'))
        state_.displayText.erase(0, 1);
    else
        state_.displayText.insert(0, 1, u'-');
    state_.entryValue = state_.entryValue * -1.0;

    if (state_.entryState == EntryState::Result) {
        if (state_.pendingOperator != Operator::None) {
            state_.entryState = EntryState::Operand;
        } else {
            // A time or a date left on the result line gives way to the number.
            state_.accumulator =
                state_.accumulatorKind == ValueKind::Number ? state_.accumulator * -1.0 : state_.entryValue;
            state_.accumulatorKind = ValueKind::Number;
            const std::u16string plain = StripGrouping(state_.displayText);
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
        ZeroEntry();
        return;
    }

    DropDigit();
}

void Calculator::OnNonAdd()
{
    if (InErrorState() || state_.entryState != EntryState::Typing)
        return;
    ZeroEntry();
}

void Calculator::ZeroEntry()
{
    state_.fieldEntry = {};
    state_.entryKind = ValueKind::Number;
    state_.converted = false;
    state_.entryValue = 0.0;
    state_.displayText = u"0";
    state_.entryState = EntryState::Result;
    Repaint(DisplayRegion::DisplayBox);
}

void Calculator::DropDigit()
{
    if (InErrorState())
        return;
    if (state_.fieldEntry.kind != ValueKind::Number) {
        if (!state_.fieldEntry.typed.empty()) {
            state_.fieldEntry.typed.pop_back();
            ShowFieldEntry();
        }
        return;
    }
    if (state_.entryKind != ValueKind::Number)
        return;
    std::u16string text = StripGrouping(state_.displayText);
    if (!text.empty())
        text.pop_back();
    if (text.empty() || text == u"-")
        text = u"0";
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
    state_.grandTotal = 0.0;
    state_.taxTotals = {};
    state_.profit = {};
}

void Calculator::EnterDoubleZero()
{
    const std::u16string before = state_.displayText;
    EnterDigit(u"0");
    EnterDigit(u"0");
    // One zero that still fitted: the key did what it could.
    if (state_.displayText != before && state_.refused == Refusal::TooManyDigits)
        state_.refused = Refusal::None;
}

std::uint32_t Calculator::ActiveTaxRate() const
{
    return state_.secondRate ? settings_->TaxPercent2 : settings_->TaxPercent;
}

void Calculator::OnRateSwitch()
{
    if (InErrorState())
        return;
    state_.secondRate = !state_.secondRate;
    Repaint(DisplayRegion::DisplayBox);
}

void Calculator::EndEntry()
{
    if (state_.entryState == EntryState::Typing)
        state_.entryState = EntryState::Operand;
}

void Calculator::OnGrandTotal()
{
    if (InErrorState())
        return;
    if (!FlagOn(settings_->GrandTotalFlg)) {
        state_.refused = Refusal::GrandTotalOff;
        return;
    }
    const bool again = previousKey_ == LastKey::GrandTotal;
    currentKey_ = LastKey::GrandTotal;
    if (again) {
        state_.grandTotal = 0.0;
        Repaint(DisplayRegion::DisplayBox);
        return;
    }
    // Like memory recall: the entry, the pending operator kept.
    StartNumber();
    ShowFinishedEntry(state_.grandTotal);
}

void Calculator::ShowFinishedEntry(double value)
{
    if (ShowEntry(Finished(value)))
        state_.entryState = EntryState::Operand;
}

KeptState Calculator::Kept() const
{
    return {state_.memoryValue, StripGrouping(state_.memoryText),
            state_.lastAnswer,  StripGrouping(state_.lastAnswerText),
            state_.grandTotal,  state_.secondRate,
            state_.taxTotals,   state_.profit};
}

void Calculator::Restore(const KeptState& kept)
{
    // The text as kept when it is the value's, else the value as shown.
    const auto shown = [](double value, const std::u16string& plain) -> std::optional<RoundedValue> {
        if (PastedNumber(plain) == plain && TextToValue(plain) == value)
            return RoundedValue{value, plain};
        return Shown(value);
    };
    const std::optional<RoundedValue> memory = shown(kept.memory, kept.memoryText);
    state_.memoryValue = memory ? memory->value : 0.0;
    state_.memoryText = GroupDigits(memory ? memory->text : u"0", GroupingMode::Always, true);
    const std::optional<RoundedValue> answer = shown(kept.lastAnswer, kept.lastAnswerText);
    state_.lastAnswer = answer ? answer->value : 0.0;
    state_.lastAnswerText = Grouped(answer ? answer->text : u"0", GroupingMode::Display);
    state_.grandTotal = Shown(kept.grandTotal) ? kept.grandTotal : 0.0;
    state_.secondRate = kept.secondRate;
    // Totals and registers are values any key could have left: only what
    // cannot be shown starts afresh.
    const auto showable = [](double value) { return Shown(value).has_value(); };
    for (std::size_t rate = 0; rate < state_.taxTotals.size(); ++rate) {
        const RateTotals& totals = kept.taxTotals[rate];
        const bool sound = std::isfinite(totals.net) && std::isfinite(totals.gross) &&
                           std::fabs(totals.net) < kMaxTotal && std::fabs(totals.gross) < kMaxTotal;
        state_.taxTotals[rate] = sound ? totals : RateTotals{};
    }
    for (std::size_t i = 0; i < state_.profit.size(); ++i)
        state_.profit[i] = kept.profit[i] && showable(*kept.profit[i]) ? kept.profit[i] : std::nullopt;
    Repaint(DisplayRegion::MemoryBox);
    Repaint(DisplayRegion::DisplayBox);
}

void Calculator::RestoreTotals(const KeptState& kept)
{
    const bool secondRate = state_.secondRate;
    Restore(kept);
    state_.secondRate = secondRate;
}

namespace {

// A rate in hundredths of a percent, shown without trailing zeros: "税8%",
// "税7.5%", "税10%".
std::u16string RateText(std::uint32_t rate)
{
    const std::uint32_t hundredths = rate % 100;
    std::string text = std::to_string(rate / 100) + '.' + char('0' + hundredths / 10) + char('0' + hundredths % 10);
    while (text.ends_with('0'))
        text.pop_back();
    if (text.ends_with('.'))
        text.pop_back();
    return u"税" + Widened(text) + u'%';
}

}  // namespace

std::u16string_view LabelText(ValueLabel label)
{
    static constexpr std::u16string_view kTexts[] = {
        u"",
        ABACOR_TRANSLATABLE("Annunciator", u"税額"),
        ABACOR_TRANSLATABLE("Annunciator", u"税込計"),
        ABACOR_TRANSLATABLE("Annunciator", u"税抜計"),
        ABACOR_TRANSLATABLE("Annunciator", u"税額計"),
        ABACOR_TRANSLATABLE("Annunciator", u"税抜"),
        ABACOR_TRANSLATABLE("Annunciator", u"原価"),
        ABACOR_TRANSLATABLE("Annunciator", u"売価"),
        ABACOR_TRANSLATABLE("Annunciator", u"利益率"),
        ABACOR_TRANSLATABLE("Annunciator", u"日"),
    };
    return kTexts[static_cast<int>(label)];
}

namespace {
// Each refusal: its id for scripts and the words that name what would help.
struct RefusalRow {
    Refusal why;
    std::string_view id;
    std::u16string_view text;
};
// clang-format off
constexpr RefusalRow kRefusals[] = {
    {Refusal::None, "", u""},
    {Refusal::NoTwoOfProfit, "no-two-of-profit", ABACOR_TRANSLATABLE("Refusal", u"原価・売価・利益率のうち二つが入っていません。")},
    {Refusal::NoItems, "no-items", ABACOR_TRANSLATABLE("Refusal", u"件数がありません。")},
    {Refusal::NoDateDigits, "no-date-digits", ABACOR_TRANSLATABLE("Refusal", u"日付にする数字が入っていません。")},
    {Refusal::GrandTotalOff, "gt-off", ABACOR_TRANSLATABLE("Refusal", u"GTはオフです。Alt+G でオンにします。")},
    {Refusal::TaxSumOff, "taxsum-off", ABACOR_TRANSLATABLE("Refusal", u"税合計はオフです。Alt+X でオンにします。")},
    {Refusal::NoTaxTotals, "no-tax-totals", ABACOR_TRANSLATABLE("Refusal", u"税合計に入った金額がありません。")},
    {Refusal::ItemCountOff, "count-off", ABACOR_TRANSLATABLE("Refusal", u"件数はオフです。Alt+I でオンにします。")},
    {Refusal::NotARate, "not-a-rate", ABACOR_TRANSLATABLE("Refusal", u"税率にできる数ではありません（0〜20%、小数点以下2桁まで）。")},
    {Refusal::TooManyDigits, "too-many-digits", ABACOR_TRANSLATABLE("Refusal", u"桁数オーバー")},
};
// clang-format on
constexpr bool EveryRefusalInOrder()
{
    for (std::size_t i = 0; i < std::size(kRefusals); ++i)
        if (static_cast<std::size_t>(kRefusals[i].why) != i)
            return false;
    return std::size(kRefusals) == static_cast<std::size_t>(Refusal::TooManyDigits) + 1;
}
static_assert(EveryRefusalInOrder(), "a row for every refusal, in order");
}  // namespace

std::u16string_view RefusalText(Refusal why) { return kRefusals[static_cast<std::size_t>(why)].text; }

std::string_view RefusalId(Refusal why) { return kRefusals[static_cast<std::size_t>(why)].id; }

std::u16string Calculator::ShownRateText() const
{
    switch (state_.rateShown) {
    case RateShown::Active: return state_.secondRate ? RateText(settings_->TaxPercent2) : std::u16string();
    case RateShown::First: return RateText(settings_->TaxPercent);
    case RateShown::Second: return RateText(settings_->TaxPercent2);
    default: return {};
    }
}

std::u16string Calculator::ActiveRateText() const
{
    return RateText(state_.secondRate ? settings_->TaxPercent2 : settings_->TaxPercent);
}

std::vector<std::u16string> Calculator::Annunciators(bool withSelector) const
{
    std::vector<std::u16string> lit;
    if (withSelector && Rounding() != RoundMode::Off) {
        static constexpr const char* kModes[] = {"", "CUT", "UP", "5/4"};
        const std::string places =
            settings_->DecimalSelector == kAdd2 ? std::string("ADD2") : std::to_string(RoundedPlaces());
        lit.push_back(Widened(std::string(kModes[static_cast<int>(Rounding())]) + ' ' + places));
    }
    if (std::u16string rate = ShownRateText(); !rate.empty())
        lit.push_back(std::move(rate));
    if (state_.constantLit)
        lit.push_back(u"K");
    if (state_.grandTotal != 0.0)
        lit.push_back(u"GT");
    if (FlagOn(settings_->TaxSumFlg) &&
        std::any_of(state_.taxTotals.begin(), state_.taxTotals.end(), [](const RateTotals& t) { return !t.Empty(); }))
        lit.push_back(ABACOR_TRANSLATABLE("Annunciator", u"税計"));
    if (state_.itemCount != 0)
        lit.push_back(Widened(std::to_string(state_.itemCount)) + u"件");
    if (const std::u16string_view kind = ValueKindText(); !kind.empty())
        lit.emplace_back(kind);
    if (state_.label != ValueLabel::None)
        lit.push_back(std::u16string(LabelText(state_.label)));
    return lit;
}

}  // namespace abacor
