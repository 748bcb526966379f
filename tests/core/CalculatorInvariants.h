#pragma once

#include <string>

#include "calculator/core/Calculator.h"
#include "text/Utf.h"

namespace abacor::test {

// What must hold for the calculator's texts after any key under any settings.
// Each check returns an empty string, or what is wrong.

// Optional "-", digits, optional "." and digits; "," only between groups of
// three integer digits, and only when grouped.
inline std::string CheckNumberText(const std::u16string& text, bool grouped)
{
    const std::size_t first = text.starts_with(u'-') ? 1 : 0;
    const std::size_t point = text.find(u'.');
    const std::u16string integer = text.substr(first, point == std::u16string::npos ? point : point - first);
    const std::u16string fraction = point == std::u16string::npos ? std::u16string() : text.substr(point + 1);
    if (integer.empty())
        return "no integer digits in '" + Utf8(text) + "'";
    std::u16string plain = integer;
    std::erase(plain, u',');
    for (const char16_t ch : plain + fraction)
        if (ch < u'0' || ch > u'9')
            return "not a number text: '" + Utf8(text) + "'";
    std::u16string expected = plain;
    if (grouped)
        for (std::ptrdiff_t k = static_cast<std::ptrdiff_t>(plain.size()) - 3; k > 0; k -= 3)
            expected.insert(static_cast<std::size_t>(k), 1, u',');
    if (integer != expected)
        return "grouped as '" + Utf8(text) + "', not '" + Utf8(expected) + "'";
    return {};
}

// "h:mm:ss" within its limit, or a date as the display writes it: the
// fields as typed while a date is typed, else "YYYY.MM.DD" / "MM.DD" of a
// day that exists.
inline std::string CheckKindedText(const std::u16string& text, ValueKind kind, bool typing, const CalendarDate& date)
{
    const std::string shown = Utf8(text);
    const auto digits = [](std::string_view part, std::size_t least, std::size_t most) {
        return part.size() >= least && part.size() <= most &&
               part.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (kind == ValueKind::Time) {
        const std::size_t first = shown.find(':');
        const std::string_view hours =
            std::string_view(shown).substr(shown.starts_with('-') ? 1 : 0, first - (shown.starts_with('-') ? 1 : 0));
        if (first == std::string::npos || shown.size() != first + 6 || shown[first + 3] != ':' ||
            !digits(hours, 1, 8) || !digits(std::string_view(shown).substr(first + 1, 2), 2, 2) ||
            !digits(std::string_view(shown).substr(first + 4, 2), 2, 2) || shown[first + 1] > '5' ||
            shown[first + 4] > '5' || shown == "-0:00:00")
            return "not a time text: '" + shown + "'";
        return {};
    }
    if (typing)
        return shown.find_first_not_of("0123456789.") == std::string::npos ? std::string()
                                                                           : "not a date typed: '" + shown + "'";
    if (!IsValidDate(date) || text != DateText(date))
        return "not the date's text: '" + shown + "'";
    return {};
}

inline int CountDigits(const std::u16string& text)
{
    int digits = 0;
    for (const char16_t ch : text)
        digits += ch >= u'0' && ch <= u'9' ? 1 : 0;
    return digits;
}

// Digits from the first nonzero one on.
inline int SignificantDigits(const std::u16string& text)
{
    int digits = 0;
    bool started = false;
    for (const char16_t ch : text) {
        if (ch < u'0' || ch > u'9')
            continue;
        started = started || ch != u'0';
        digits += started ? 1 : 0;
    }
    return digits;
}

inline std::string CheckState(const CalculatorState& s, const CalculatorSettings& settings)
{
    if (s.error != (s.displayText == u"ERROR"))
        return "the error flag and the display disagree";
    if (s.error) {
        if (s.accumulator != 0.0 || s.entryValue != 0.0)
            return "the error state keeps a value";
        if (s.pendingOperator != Operator::None || !s.operatorText.empty() || s.resultText != u"0")
            return "the error state keeps a calculation";
    } else if (s.fieldEntry.kind != ValueKind::Number || s.entryKind != ValueKind::Number) {
        const ValueKind kind = s.fieldEntry.kind != ValueKind::Number ? s.fieldEntry.kind : s.entryKind;
        const std::string display =
            CheckKindedText(s.displayText, kind, s.fieldEntry.kind != ValueKind::Number, s.entryDate);
        if (!display.empty())
            return "display: " + display;
    } else {
        const std::string display = CheckNumberText(s.displayText, FlagOn(settings.CommaFormatFlg));
        if (!display.empty())
            return "display: " + display;
        if (s.entryState == EntryState::Typing && CountDigits(s.displayText) > 12)
            return "more than 12 typed digits: " + Utf8(s.displayText);
        if (s.entryState != EntryState::Typing && SignificantDigits(s.displayText) > 12)
            return "more than 12 significant digits: " + Utf8(s.displayText);
    }
    if (s.accumulatorKind != ValueKind::Number && s.resultText != u"0") {
        const std::string problem = CheckKindedText(s.resultText, s.accumulatorKind, false, s.accumulatorDate);
        if (!problem.empty())
            return "result: " + problem;
    }
    for (const std::u16string* text : {&s.resultText, &s.memoryText}) {
        if (text == &s.resultText && s.accumulatorKind != ValueKind::Number)
            continue;
        const std::string problem = CheckNumberText(*text, true);
        if (!problem.empty())
            return "result or memory: " + problem;
    }
    if (!s.operatorText.empty() && s.operatorText != u"＋" && s.operatorText != u"－" && s.operatorText != u"×" &&
        s.operatorText != u"÷" && s.operatorText != u"〜")
        return "operator sign '" + Utf8(s.operatorText) + "'";
    if (s.itemCount < -kMaxItemCount || s.itemCount > kMaxItemCount)
        return "an item count of " + std::to_string(s.itemCount);
    // A constant computes on "=" alone: nothing may be pending beside it.
    if (s.constant.op != Operator::None && s.pendingOperator != Operator::None)
        return "a constant with an operation pending";
    if (s.constantLit && s.constant.op == Operator::None)
        return "K lit without a constant";
    if (s.error && s.label != ValueLabel::None)
        return "a value named in the error state";
    if (s.entryState < EntryState::Typing || s.entryState > EntryState::Operand)
        return "entry state " + std::to_string(static_cast<int>(s.entryState));
    return {};
}

// In the error state only the clears, "CE" without the digit drop and memory
// clear change anything.
inline std::string CheckErrorStateKept(const CalculatorState& before, const CalculatorState& after, bool tokenMayLeave)
{
    if (before.displayText != u"ERROR" || tokenMayLeave)
        return {};
    if (after.displayText != before.displayText || after.memoryText != before.memoryText ||
        after.memoryValue != before.memoryValue || after.lastAnswerText != before.lastAnswerText ||
        after.operatorText != before.operatorText || after.resultText != before.resultText)
        return "a key changed the error state";
    return {};
}

}  // namespace abacor::test
