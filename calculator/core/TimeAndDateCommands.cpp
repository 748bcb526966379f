// Hours and days: times and dates typed field by field, converted, and
// calculated with.
#include <algorithm>

#include "calculator/core/Calculator.h"
#include "calculator/engine/TimeValue.h"
#include "text/Translatable.h"

namespace abacor {

namespace {

// Fields are at most 7 digits (hours), so this never overflows.
std::int64_t FieldValue(std::u16string_view digits)
{
    std::int64_t value = 0;
    for (const char16_t c : digits)
        value = value * 10 + (c - u'0');
    return value;
}

constexpr std::size_t kHourDigits = 7;
constexpr std::size_t kYearDigits = 4;
constexpr std::size_t kFieldDigits = 2;

std::int64_t TypedSeconds(FieldEntry entry)
{
    if (!entry.typed.empty() && entry.closed < 3)
        entry.fields[static_cast<std::size_t>(entry.closed)] = FieldValue(entry.typed);
    const std::int64_t total = entry.fields[0] * 3600 + entry.fields[1] * 60 + entry.fields[2];
    return entry.negative ? -total : total;
}

// The date the fields give; empty for none (too few fields, no such day).
std::optional<CalendarDate> TypedDate(FieldEntry entry)
{
    if (!entry.typed.empty() && entry.closed < 3)
        entry.fields[static_cast<std::size_t>(entry.closed++)] = FieldValue(entry.typed);
    const auto field = [&](int i) { return static_cast<int>(entry.fields[static_cast<std::size_t>(i)]); };
    CalendarDate date;
    if (entry.closed == 2)
        date = {0, field(0), field(1)};
    else if (entry.closed == 3)
        date = {field(0), field(1), field(2)};
    if (entry.closed < 2 || !IsValidDate(date))
        return std::nullopt;
    return date;
}

double DateValue(const CalendarDate& date)
{
    return static_cast<double>(date.year == 0 ? date.month * 100 + date.day : DayNumber(date));
}

std::u16string KindedText(const KindedValue& value)
{
    return value.kind == ValueKind::Date ? DateText(value.date) : TimeText(static_cast<std::int64_t>(value.number));
}

}  // namespace

KindedValue Calculator::EntryKinded() const { return {state_.entryKind, state_.entryValue, state_.entryDate}; }

KindedValue Calculator::AccumulatorKinded() const
{
    return {state_.accumulatorKind, state_.accumulator, state_.accumulatorDate};
}

std::u16string_view Calculator::ValueKindText() const
{
    const ValueKind kind = state_.fieldEntry.kind != ValueKind::Number ? state_.fieldEntry.kind : state_.entryKind;
    if (state_.error || kind == ValueKind::Number)
        return {};
    return kind == ValueKind::Time ? ABACOR_TRANSLATABLE("Annunciator", u"時間")
                                   : ABACOR_TRANSLATABLE("Annunciator", u"日付");
}

void Calculator::ShowFieldEntry()
{
    const FieldEntry& entry = state_.fieldEntry;
    std::array<std::int64_t, 3> fields = entry.fields;
    if (!entry.typed.empty() && entry.closed < 3)
        fields[static_cast<std::size_t>(entry.closed)] = FieldValue(entry.typed);
    if (entry.kind == ValueKind::Time) {
        // Normalised as typed: 99 minutes show as 1:39:00 at once.
        const std::int64_t seconds = TypedSeconds(entry);
        state_.entryValue = static_cast<double>(seconds);
        state_.displayText = TimeText(seconds);
    } else {
        // As typed ("2024.5."), normalised when the entry ends.
        std::u16string text;
        for (int i = 0; i < entry.closed; ++i)
            text += Widened(std::to_string(fields[static_cast<std::size_t>(i)])) + u'.';
        state_.displayText = text + entry.typed;
        state_.entryValue = 0.0;
    }
    state_.entryKind = entry.kind;
    Repaint(DisplayRegion::DisplayBox);
}

void Calculator::TypeField(std::u16string_view key)
{
    FieldEntry& entry = state_.fieldEntry;
    // A digit past a field's width is refused as a 13th digit is.
    if (key == u".")
        return;
    if (entry.closed >= 3 || entry.typed.size() >= kFieldDigits) {
        state_.refused = Refusal::TooManyDigits;
        return;
    }
    entry.typed += key;
    ShowFieldEntry();
}

EndedEntry EntryAsEnded(const CalculatorState& state)
{
    const FieldEntry& entry = state.fieldEntry;
    if (entry.kind == ValueKind::Time) {
        const std::int64_t seconds = TypedSeconds(entry);
        return {ValueKind::Time, TimeText(seconds), static_cast<double>(seconds)};
    }
    if (entry.kind == ValueKind::Date) {
        const std::optional<CalendarDate> date = TypedDate(entry);
        if (date)
            return {ValueKind::Date, DateText(*date), DateValue(*date)};
        // No such day: its fields as a date shows them ("02.29"), so that
        // the tape keeps it a date.
        FieldEntry fields = entry;
        if (!fields.typed.empty() && fields.closed < 3)
            fields.fields[static_cast<std::size_t>(fields.closed++)] = FieldValue(fields.typed);
        std::string text;
        for (int i = 0; i < fields.closed; ++i) {
            const std::int64_t field = fields.fields[static_cast<std::size_t>(i)];
            text += (i > 0 ? "." : "") + std::string(field < 10 && (i > 0 || fields.closed < 3) ? "0" : "") +
                    std::to_string(field);
        }
        return {ValueKind::Date, Widened(text), 0.0};
    }
    if (state.entryKind == ValueKind::Date)
        return {ValueKind::Date, state.displayText, DateValue(state.entryDate)};
    return {state.entryKind, state.displayText, state.entryValue};
}

bool Calculator::EndFieldEntry()
{
    const FieldEntry entry = state_.fieldEntry;
    if (entry.kind == ValueKind::Number)
        return true;
    state_.fieldEntry = {};
    if (entry.kind == ValueKind::Time) {
        const std::int64_t seconds = TypedSeconds(entry);
        if (seconds > kMaxTimeSeconds || seconds < -kMaxTimeSeconds) {
            ResetCalculator(true);
            return false;
        }
        ShowKindedEntry({ValueKind::Time, static_cast<double>(seconds), {}});
    } else if (const std::optional<CalendarDate> date = TypedDate(entry)) {
        ShowKindedEntry({ValueKind::Date, 0.0, *date});
    } else {
        ResetCalculator(true);
        return false;
    }
    // Still the number being typed, for the key that ends it.
    state_.entryState = EntryState::Typing;
    return true;
}

void Calculator::ShowKindedEntry(const KindedValue& value)
{
    state_.entryKind = value.kind;
    state_.entryValue = value.number;
    state_.entryDate = value.date;
    if (value.kind == ValueKind::Date)
        state_.entryValue = DateValue(value.date);
    state_.displayText = KindedText(value);
    state_.entryState = EntryState::Operand;
    Repaint(DisplayRegion::DisplayBox);
}

void Calculator::OnHms()
{
    if (InErrorState())
        return;
    FieldEntry& entry = state_.fieldEntry;
    if (entry.kind == ValueKind::Date) {
        ResetCalculator(true);
        return;
    }
    if (entry.kind == ValueKind::Time && !entry.typed.empty() && entry.closed < 3) {
        entry.fields[static_cast<std::size_t>(entry.closed++)] = FieldValue(entry.typed);
        entry.typed.clear();
        ShowFieldEntry();
        return;
    }
    if (entry.kind == ValueKind::Number && state_.entryState == EntryState::Typing &&
        state_.entryKind == ValueKind::Number && !state_.converted) {
        const std::u16string plain = StripGrouping(state_.displayText);
        if (plain.find(u'.') == std::u16string::npos) {
            // A whole number typed is the hours; the minutes come next.
            const bool negative = plain.starts_with(u'-');
            const std::u16string_view digits = std::u16string_view(plain).substr(negative ? 1 : 0);
            if (digits.size() > kHourDigits) {
                ResetCalculator(true);
                return;
            }
            state_.fieldEntry = {ValueKind::Time, {FieldValue(digits), 0, 0}, 1, {}, negative};
            ShowFieldEntry();
            return;
        }
    }
    // Nothing typed since the last 時分秒, or a value shown: converted. A
    // number typed stays the one the next key takes (and the tape's step).
    const EntryState converted = state_.entryState == EntryState::Typing ? EntryState::Typing : EntryState::Operand;
    if (!EndFieldEntry())
        return;
    if (state_.entryKind == ValueKind::Date) {
        ResetCalculator(true);
        return;
    }
    if (state_.entryKind == ValueKind::Time) {
        const auto seconds = static_cast<std::int64_t>(state_.entryValue);
        if (ShowEntry(Shown(HoursOf(seconds)))) {
            state_.entryState = converted;
            state_.converted = true;
            state_.convertedSeconds = seconds;
        }
        return;
    }
    const std::optional<std::int64_t> seconds =
        state_.converted ? state_.convertedSeconds : SecondsOfHours(StripGrouping(state_.displayText));
    if (!seconds) {
        ResetCalculator(true);
        return;
    }
    ShowKindedEntry({ValueKind::Time, static_cast<double>(*seconds), {}});
    state_.entryState = converted;
}

void Calculator::OnDate()
{
    if (InErrorState())
        return;
    FieldEntry& entry = state_.fieldEntry;
    if (entry.kind == ValueKind::Time) {
        ResetCalculator(true);
        return;
    }
    if (entry.kind == ValueKind::Date) {
        // A third press, or one with no digit since the last, is ignored.
        if (entry.closed < 2 && !entry.typed.empty()) {
            entry.fields[static_cast<std::size_t>(entry.closed++)] = FieldValue(entry.typed);
            entry.typed.clear();
            ShowFieldEntry();
        }
        return;
    }
    if (state_.entryState != EntryState::Typing || state_.entryKind != ValueKind::Number) {
        state_.refused = Refusal::NoDateDigits;
        return;
    }
    const std::u16string plain = StripGrouping(state_.displayText);
    if (plain.size() > kYearDigits || plain.find_first_not_of(u"0123456789") != std::u16string::npos) {
        ResetCalculator(true);
        return;
    }
    state_.fieldEntry = {ValueKind::Date, {FieldValue(plain), 0, 0}, 1, {}, false};
    ShowFieldEntry();
}

bool Calculator::NumbersOnly()
{
    if (!EndFieldEntry())
        return false;
    const bool pending = state_.pendingOperator != Operator::None;
    if (state_.entryKind == ValueKind::Date || state_.pendingOperator == Operator::DaysTo ||
        (pending && state_.accumulatorKind == ValueKind::Date)) {
        ResetCalculator(true);
        return false;
    }
    if (state_.entryKind == ValueKind::Time) {
        const std::optional<RoundedValue> hours = Shown(HoursOf(static_cast<std::int64_t>(state_.entryValue)));
        ShowEntryText(hours->value, hours->text);
    }
    if (pending && state_.accumulatorKind == ValueKind::Time) {
        const std::optional<RoundedValue> hours = Shown(HoursOf(static_cast<std::int64_t>(state_.accumulator)));
        state_.accumulator = hours->value;
        state_.accumulatorKind = ValueKind::Number;
        state_.resultText = Grouped(hours->text, GroupingMode::Always);
        Repaint(DisplayRegion::ResultBox);
    }
    return true;
}

void Calculator::CompleteKinded(const std::optional<KindedResult>& result, Operator next, Finish finish)
{
    if (!result) {
        ResetCalculator(true);
        return;
    }
    const KindedValue& value = result->value;
    if (value.kind == ValueKind::Number) {
        // A count of days is a whole number: no selector makes it "208.00".
        if (!ShowResult(finish == Finish::Chain || result->dayCount ? Shown(value.number) : Finished(value.number)))
            return;
        if (result->dayCount)
            state_.label = ValueLabel::Days;
    } else {
        state_.entryKind = state_.accumulatorKind = value.kind;
        state_.entryValue = state_.accumulator = value.number;
        state_.entryDate = state_.accumulatorDate = value.date;
        if (value.kind == ValueKind::Date)
            state_.entryValue = state_.accumulator = DateValue(value.date);
        state_.displayText = state_.resultText = KindedText(value);
        state_.entryState = EntryState::Result;
        Repaint(DisplayRegion::DisplayBox);
        Repaint(DisplayRegion::ResultBox);
    }
    state_.pendingOperator = next;
    if (next == Operator::None) {
        if (value.kind == ValueKind::Number) {
            state_.lastAnswerText = state_.displayText;
            state_.lastAnswer = state_.entryValue;
        }
        countEnded_ = true;
    }
}

}  // namespace abacor
