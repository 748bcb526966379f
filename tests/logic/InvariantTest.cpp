// Random key sequences under random settings: whatever is pressed, the texts
// stay well-formed and the error state stays closed.
#include <random>
#include <string>
#include <vector>

#include "tests/logic/KeyRun.h"

namespace abacor::test {
namespace {

// Optional "-", digits with "," only between groups of three when grouped,
// optional "." and digits.
bool IsNumberText(const QString& text, bool grouped, QString* why)
{
    qsizetype i = 0;
    if (text.startsWith(u'-'))
        ++i;
    const qsizetype point = text.indexOf(u'.');
    const QString integer = text.mid(i, point < 0 ? -1 : point - i);
    const QString fraction = point < 0 ? QString() : text.mid(point + 1);
    if (integer.isEmpty()) {
        *why = QStringLiteral("no integer digits");
        return false;
    }
    const QString plain = QString(integer).remove(u',');
    for (const QChar ch : plain + fraction) {
        if (!ch.isDigit()) {
            *why = QStringLiteral("not a digit: ") + ch;
            return false;
        }
    }
    QString expected = plain;
    if (grouped)
        for (qsizetype k = plain.size() - 3; k > 0; k -= 3)
            expected.insert(k, u',');
    if (integer != expected) {
        *why = QStringLiteral("grouping ") + integer + QStringLiteral(" instead of ") + expected;
        return false;
    }
    return true;
}

int Digits(const QString& text)
{
    int digits = 0;
    for (const QChar ch : text)
        digits += ch.isDigit() ? 1 : 0;
    return digits;
}

TEST(Invariants, HoldAfterEveryKey)
{
    const std::vector<std::string> tokens = {
        "0", "1", "2", "5", "7", "9", ".", ".", "+", "-", "*", "/", "=", "=", "+/-", "CE", "C", "CA",
        "%", "sq", "cube", "sqrt", "tax+", "tax-", "M+", "M-", "MR", "MC", "ANS", "#1", "#32774"};
    const std::uint32_t taxRates[] = {0, 500, 800, 2000, 0xFFFFFFFFu, 4294957296u};
    std::mt19937 random(20261207);

    for (int round = 0; round < 400; ++round) {
        KeyRun run;
        run.settings.CommaFormatFlg = random() % 2;
        run.settings.ShiftKeyFlg = random() % 2;
        run.settings.ClearMenuFlg = random() % 2;
        run.settings.TaxPercent = taxRates[random() % 6];
        const bool comma = run.settings.CommaFormatFlg != 0;
        std::string keys;
        for (int step = 0; step < 60; ++step) {
            const std::string& token = tokens[random() % tokens.size()];
            keys += token + ' ';
            const CalculatorState before = run.state();
            run.Keys(token);
            const CalculatorState& s = run.state();
            QString why;

            if (s.displayText == u"ERROR") {
                EXPECT_EQ(s.accumulator, 0.0) << keys;
                EXPECT_EQ(s.entryValue, 0.0) << keys;
                EXPECT_EQ(s.pendingOperator, 0) << keys;
                EXPECT_EQ(s.resultText, QStringLiteral("0")) << keys;
            } else {
                EXPECT_TRUE(IsNumberText(s.displayText, comma, &why))
                    << keys << "display " << s.displayText.toStdString() << ": " << why.toStdString();
                EXPECT_LE(Digits(s.displayText), 13) << keys << s.displayText.toStdString();
                if (s.entryState == StateTyping) {
                    EXPECT_LE(Digits(s.displayText), 12) << keys << s.displayText.toStdString();
                }
            }
            EXPECT_TRUE(IsNumberText(s.resultText, true, &why)) << keys << why.toStdString();
            EXPECT_TRUE(IsNumberText(s.memoryText, true, &why)) << keys << why.toStdString();
            EXPECT_TRUE(s.operatorText.isEmpty() || QStringLiteral("＋－×÷").contains(s.operatorText)) << keys;
            EXPECT_TRUE(s.entryState >= StateTyping && s.entryState <= StateOperand) << keys;

            // In the error state only the clears, "CE" and memory clear change anything.
            if (before.displayText == u"ERROR") {
                const bool leaves = token == "C" || token == "CA" || token == "#32774" ||
                                    (token == "CE" && run.settings.ShiftKeyFlg == 0) || token == "MC";
                if (!leaves) {
                    EXPECT_EQ(s.displayText, before.displayText) << keys;
                    EXPECT_EQ(s.memoryText, before.memoryText) << keys;
                    EXPECT_EQ(s.operatorText, before.operatorText) << keys;
                    EXPECT_EQ(s.lastAnswerText, before.lastAnswerText) << keys;
                }
            }
            if (testing::Test::HasFailure())
                return;
        }
    }
}

}  // namespace
}  // namespace abacor::test
