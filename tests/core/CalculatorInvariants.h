#pragma once

#include <QString>

#include <string>

#include "calculator/core/Calculator.h"

namespace abacor::test {

// What must hold for the calculator's texts after any key under any settings.
// Each check returns an empty string, or what is wrong.

// Optional "-", digits, optional "." and digits; "," only between groups of
// three integer digits, and only when grouped.
inline std::string CheckNumberText(const QString& text, bool grouped)
{
    qsizetype i = text.startsWith(u'-') ? 1 : 0;
    const qsizetype point = text.indexOf(u'.');
    const QString integer = text.mid(i, point < 0 ? -1 : point - i);
    const QString fraction = point < 0 ? QString() : text.mid(point + 1);
    if (integer.isEmpty())
        return "no integer digits in '" + text.toStdString() + "'";
    const QString plain = QString(integer).remove(u',');
    for (const QChar ch : plain + fraction)
        if (ch < u'0' || ch > u'9')
            return "not a number text: '" + text.toStdString() + "'";
    QString expected = plain;
    if (grouped)
        for (qsizetype k = plain.size() - 3; k > 0; k -= 3)
            expected.insert(k, u',');
    if (integer != expected)
        return "grouped as '" + text.toStdString() + "', not '" + expected.toStdString() + "'";
    return {};
}

inline int CountDigits(const QString& text)
{
    int digits = 0;
    for (const QChar ch : text)
        digits += ch >= u'0' && ch <= u'9' ? 1 : 0;
    return digits;
}

// Digits from the first nonzero one on.
inline int SignificantDigits(const QString& text)
{
    int digits = 0;
    bool started = false;
    for (const QChar ch : text) {
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
        if (s.pendingOperator != Operator::None || !s.operatorText.isEmpty() || s.resultText != u"0")
            return "the error state keeps a calculation";
    } else {
        const std::string display = CheckNumberText(s.displayText, FlagOn(settings.CommaFormatFlg));
        if (!display.empty())
            return "display: " + display;
        if (s.entryState == EntryState::Typing && CountDigits(s.displayText) > 12)
            return "more than 12 typed digits: " + s.displayText.toStdString();
        if (s.entryState != EntryState::Typing && SignificantDigits(s.displayText) > 12)
            return "more than 12 significant digits: " + s.displayText.toStdString();
    }
    for (const QString* text : {&s.resultText, &s.memoryText}) {
        const std::string problem = CheckNumberText(*text, true);
        if (!problem.empty())
            return "result or memory: " + problem;
    }
    if (!s.operatorText.isEmpty() && s.operatorText != u"＋" && s.operatorText != u"－" && s.operatorText != u"×" &&
        s.operatorText != u"÷")
        return "operator sign '" + s.operatorText.toStdString() + "'";
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
