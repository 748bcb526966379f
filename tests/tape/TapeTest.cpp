// The tape: 検算 by its examples, one per finalising key; corrections refused
// as they should be; and a correction is a fresh run of the edited keys.
#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "calculator/core/CommandTable.h"
#include "calculator/core/KeyTokens.h"
#include "calculator/tape/TapeSession.h"
#include "text/Utf.h"

namespace abacor {
// A tape line as a failure shows it.
inline void PrintTo(const TapeLine& line, std::ostream* os)
{
    *os << line.step << ' ' << Utf8(line.number) << ' ' << Utf8(line.mark);
}
}  // namespace abacor

namespace abacor::test {
namespace {

// A calculator with its tape, as the window starts them, driven by tokens.
struct TapeRun {
    TapeRun()
        : settings(DefaultSettings()), calculator(settings), session((calculator.ResetCalculator(false), calculator))
    {
    }

    void Keys(const std::vector<std::string>& tokens)
    {
        for (const std::string& token : tokens) {
            if (token == "check") {
                static_cast<void>(session.Check());
                continue;
            }
            const Command* command = CommandOfToken(std::string_view(token));
            ASSERT_NE(command, nullptr) << token;
            session.Run(*command);
        }
    }
    void Keys(const std::string& tokens)
    {
        std::istringstream in(tokens);
        std::vector<std::string> list;
        for (std::string token; in >> token;)
            list.push_back(token);
        Keys(list);
    }

    CalculatorSettings settings;
    Calculator calculator;
    TapeSession session;
};

TEST(Tape, CheckSaysOkOrWhereTheStepsDiffer)
{
    struct Row {
        const char* keys;
        const char16_t* word;
    };
    const Row rows[] = {
        {"4 8 0 × 5 = check", u"検算"},
        {"4 8 0 × 5 = check 4 8 0 × 5 =", u"OK"},
        {"4 8 0 × 5 = check 4 8 0 × 3 =", u"NG2"},
        {"1 2 3 + 4 5 6 + 7 8 9 = check 1 2 3 + 4 5 7 +", u"NG2"},
        {"1 2 3 = check 1 2 3 + 1 =", u"NG1"},
        {"5 + 3 = check 5 + =", u"NG2"},  // a step missing
        {"2 0 0 × 5 % check 2 0 0 × 5 %", u"OK"},
        {"1 2 M+ check 1 2 M+", u"OK"},
        {"1 2 M- check 1 3 M-", u"NG1"},
        {"4 8 0 × 5 = check 4 8 0 × 5 = 1", u""},  // out at the next key
        {"4 8 0 × 5 = check 4 8 C", u""},          // C ends the check
        {"1 2 = 3 check", u""},                    // refused while typing
        {"check", u""},                            // nothing finalised yet
    };
    for (const Row& row : rows) {
        TapeRun run;
        run.Keys(row.keys);
        EXPECT_EQ(run.session.CheckAnnunciator(), row.word) << row.keys;
    }
}

TEST(Tape, ACorrectionReRunsTheSegmentAndABadOneChangesNothing)
{
    TapeRun run;
    run.Keys("1 2 3 + 4 5 6 + 7 8 9 =");
    for (const auto& [step, number] : std::vector<std::pair<int, std::string>>{
             {2, "1.2.3"}, {2, "1234567890123"}, {2, "-"}, {2, "12a"}, {2, ""}, {0, "5"}, {4, "5"}}) {
        EXPECT_NE(run.session.Correct(step, number), CorrectionOutcome::Corrected) << step << '=' << number;
        EXPECT_EQ(run.calculator.state().displayText, u"1368");
    }
    ASSERT_EQ(run.session.Correct(2, "457"), CorrectionOutcome::Corrected);
    EXPECT_EQ(run.calculator.state().displayText, u"1369");
    const TapeLine& corrected = run.session.Lines()[1];
    EXPECT_EQ(corrected.number, u"457");
    EXPECT_EQ(corrected.was, u"456");
    ASSERT_EQ(run.session.Correct(1, "-1,000"), CorrectionOutcome::NotANumber);
    ASSERT_EQ(run.session.Correct(1, "-0.5"), CorrectionOutcome::Corrected);
    EXPECT_EQ(run.calculator.state().displayText, u"1245.5");
    run.Keys("CA 7 +");
    EXPECT_EQ(run.session.Correct(2, "1"), CorrectionOutcome::NoSuchStep) << "steps count from CA";
    ASSERT_EQ(run.session.Correct(1, "8"), CorrectionOutcome::Corrected);
    EXPECT_EQ(run.calculator.state().displayText, u"8");
}

// The steps of a token sequence by the definition, found with a bare
// calculator: a number begun by a digit, point or 00 outside typing, and the
// consuming key that ends it. Each is the range of its tokens.
std::vector<std::pair<std::size_t, std::size_t>> Steps(const std::vector<std::string>& tokens)
{
    static const std::set<std::string> consuming = {"+",  "-",  "*",    "/",    "=",    "%",   "M+",
                                                    "M-", "sq", "cube", "sqrt", "tax+", "tax-"};
    CalculatorSettings settings = DefaultSettings();
    Calculator calculator(settings);
    calculator.ResetCalculator(false);
    std::vector<std::pair<std::size_t, std::size_t>> steps;
    constexpr std::size_t kNone = std::string::npos;
    std::size_t from = kNone;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const CalculatorState before = calculator.state();
        static_cast<void>(ApplyKeyToken(calculator, settings, tokens[i]));
        const CalculatorState& after = calculator.state();
        const bool begins =
            (tokens[i].size() == 1 && (std::isdigit(tokens[i][0]) || tokens[i] == ".")) || tokens[i] == "00";
        if (begins && before.entryState != EntryState::Typing && after.entryState == EntryState::Typing)
            from = i;
        if (consuming.count(tokens[i]) && before.entryState == EntryState::Typing && !before.error && from != kNone)
            steps.emplace_back(from, i);
        if (after.entryState != EntryState::Typing)
            from = kNone;
    }
    return steps;
}

TEST(Tape, ACorrectionIsAFreshRunOfTheEditedKeys)
{
    const std::vector<std::string> keys = {"0",  "1", "2",  "3",   "4",    "5",  "6",    "7",    "8",    "9",  ".",
                                           "00", "+", "-",  "*",   "/",    "=",  "%",    "+/-",  "CE",   "M+", "M-",
                                           "MR", "C", "GT", "ANS", "sqrt", "sq", "tax+", "tax-", "rate", "MC"};
    std::mt19937 random(2026);
    int corrected = 0;
    for (int round = 0; round < 400; ++round) {
        std::vector<std::string> tokens;
        const int length = 5 + static_cast<int>(random() % 40);
        for (int i = 0; i < length; ++i) {
            // Digits most often, as people type them.
            const std::size_t pick = random() % 3 == 0 ? random() % keys.size() : random() % 10;
            tokens.push_back(keys[pick]);
        }
        const auto steps = Steps(tokens);
        if (steps.empty())
            continue;
        const std::size_t k = random() % steps.size();
        std::string number = std::to_string(random() % 100000);
        if (random() % 3 == 0)
            number.insert(number.size() > 1 ? number.size() - 1 : 0, ".");
        if (random() % 4 == 0)
            number.insert(0, "-");

        TapeRun run;
        run.Keys(tokens);
        ASSERT_EQ(run.session.Correct(static_cast<int>(k) + 1, number), CorrectionOutcome::Corrected);

        // The same keys, the new number typed in place of the old one.
        std::vector<std::string> edited(tokens.begin(), tokens.begin() + static_cast<std::ptrdiff_t>(steps[k].first));
        for (const char c : number)
            if (c != '-')
                edited.emplace_back(1, c);
        if (number.front() == '-')
            edited.emplace_back("+/-");
        for (std::size_t i = steps[k].first; i < steps[k].second; ++i) {
            const std::string& t = tokens[i];
            const bool part =
                (t.size() == 1 && (std::isdigit(t[0]) || t == ".")) || t == "00" || t == "+/-" || t == "CE";
            if (!part)
                edited.push_back(t);
        }
        edited.insert(edited.end(), tokens.begin() + static_cast<std::ptrdiff_t>(steps[k].second), tokens.end());
        TapeRun fresh;
        fresh.Keys(edited);

        std::vector<TapeLine> lines = run.session.Lines();
        for (TapeLine& line : lines)
            line.was.clear();
        std::string all;
        for (const auto& t : tokens)
            all += t + ' ';
        ASSERT_EQ(lines, fresh.session.Lines()) << all << " correct:" << k + 1 << '=' << number;
        const CalculatorState& a = run.calculator.state();
        const CalculatorState& b = fresh.calculator.state();
        ASSERT_EQ(std::tie(a.displayText, a.resultText, a.memoryText, a.operatorText, a.grandTotal, a.lastAnswer),
                  std::tie(b.displayText, b.resultText, b.memoryText, b.operatorText, b.grandTotal, b.lastAnswer))
            << all;
        ++corrected;
    }
    EXPECT_GT(corrected, 300);
}

}  // namespace
}  // namespace abacor::test
