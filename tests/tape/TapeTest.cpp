// The tape: 検算 by its examples, one per finalising key; corrections refused
// as they should be; and a correction is a fresh run of the edited keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "calculator/tape/CalculatorSession.h"
#include "calculator/tape/TapeCsv.h"
#include "calculator/tape/TapeFile.h"
#include "tests/PhoneSettings.h"
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

// A calculator with its tape, as every front end starts them, driven by tokens.
struct TapeRun {
    void Keys(const std::vector<std::string>& tokens)
    {
        // (A paste in the error state is refused, as in the window.)
        for (const std::string& token : tokens)
            ASSERT_NE(session.Apply(token).outcome, TokenOutcome::Unknown) << token;
    }
    void Keys(const std::string& tokens)
    {
        std::istringstream in(tokens);
        std::vector<std::string> list;
        for (std::string token; in >> token;)
            list.push_back(token);
        Keys(list);
    }
    const std::vector<TapeLine>& lines() const { return session.tape().Lines(); }

    CalculatorSession session{test::PhoneSettings()};
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
        EXPECT_EQ(run.session.tape().CheckAnnunciator(), row.word) << row.keys;
    }
}

TEST(Tape, ACorrectionReRunsTheSegmentAndABadOneChangesNothing)
{
    TapeRun run;
    run.Keys("1 2 3 + 4 5 6 + 7 8 9 =");
    for (const auto& [step, number] : std::vector<std::pair<int, std::string>>{
             {2, "1.2.3"}, {2, "1234567890123"}, {2, "-"}, {2, "12a"}, {2, ""}, {0, "5"}, {4, "5"}}) {
        EXPECT_NE(run.session.Correct(step, number), CorrectionOutcome::Corrected) << step << '=' << number;
        EXPECT_EQ(run.session.state().displayText, u"1368");
    }
    ASSERT_EQ(run.session.Correct(2, "457"), CorrectionOutcome::Corrected);
    EXPECT_EQ(run.session.state().displayText, u"1369");
    const TapeLine& corrected = run.lines()[1];
    EXPECT_EQ(corrected.number, u"457");
    EXPECT_EQ(corrected.was, u"456");
    // Read as a paste reads it.
    ASSERT_EQ(run.session.Correct(1, "-1,000"), CorrectionOutcome::Corrected);
    EXPECT_EQ(run.session.state().displayText, u"246");
    ASSERT_EQ(run.session.Correct(1, "1,000 + 1"), CorrectionOutcome::NotANumber);
    ASSERT_EQ(run.session.Correct(1, "-0.5"), CorrectionOutcome::Corrected);
    EXPECT_EQ(run.session.state().displayText, u"1245.5");
    run.Keys("CA 7 +");
    EXPECT_EQ(run.session.Correct(2, "1"), CorrectionOutcome::NoSuchStep) << "steps count from CA";
    ASSERT_EQ(run.session.Correct(1, "8"), CorrectionOutcome::Corrected);
    EXPECT_EQ(run.session.state().displayText, u"8");

    // A pasted or recalled number is a step, and a correction replaces all of it.
    run.Keys("CA 1 paste:5 + 2 = 3 M+ C 4 + MR =");
    const std::size_t ca = run.lines().size() - 11;
    ASSERT_EQ(run.lines()[ca + 1].Text(run.session.tape().Segment()), u"5 ＋  #1");
    EXPECT_EQ(run.lines()[ca + 8].Text(run.session.tape().Segment()), u"3 MR");
    EXPECT_EQ(run.lines()[ca + 9].Text(run.session.tape().Segment()), u"3 ＝  #5") << "the memory recalled";
    ASSERT_EQ(run.session.Correct(1, "7"), CorrectionOutcome::Corrected);
    EXPECT_EQ(run.lines()[ca + 3].number, u"9");
    ASSERT_EQ(run.session.Correct(5, "10"), CorrectionOutcome::Corrected);
    EXPECT_EQ(run.session.state().displayText, u"14");
    EXPECT_EQ(run.session.Apply("paste:1\t2").outcome, TokenOutcome::Refused);
}

// A correction is the same as keying the new number in the old one's place:
// random calculations are built as numbers and the keys that take them, so
// the test knows each step's keys by construction, corrects one through the
// tape and compares with a fresh run of the edited keys.
TEST(Tape, ACorrectionIsAFreshRunOfTheEditedKeys)
{
    // Keys that take a typed number, and keys between steps that type none.
    // (平均 takes none when it is refused: it goes between.)
    const std::vector<std::string> taking = {"+", "-", "*", "=", "%", "M+", "M-", "sq", "tax+", "tax-", "cost"};
    const std::vector<std::string> between = {"MR",     "ANS",  "GT",     "rate", "MC",  "C",
                                              "taxsum", "sell", "margin", "+",    "avg", "sw:round"};
    std::mt19937 random(2026);
    const auto number = [&random] {
        std::string digits = std::to_string(1 + random() % 99999);
        if (random() % 3 == 0)
            digits.insert(digits.size() > 1 ? digits.size() - 1 : 0, ".");
        return digits;
    };
    int corrected = 0;
    for (int round = 0; round < 400; ++round) {
        struct Step {
            std::string number;
            bool negative;
            std::string key;
            bool pasted;
        };
        std::vector<Step> steps;
        std::vector<std::vector<std::string>> others;  // keys before each step
        for (int i = 1 + static_cast<int>(random() % 8); i > 0; --i) {
            others.emplace_back();
            if (random() % 4 == 0)
                others.back().push_back(between[random() % between.size()]);
            steps.push_back({number(), random() % 5 == 0, taking[random() % taking.size()], random() % 4 == 0});
        }
        const auto keys = [&](std::size_t k, const std::string& replaced) {
            std::vector<std::string> tokens;
            for (std::size_t i = 0; i < steps.size(); ++i) {
                tokens.insert(tokens.end(), others[i].begin(), others[i].end());
                // The new number takes the old one's place, sign and all.
                const bool negative = i == k ? replaced.starts_with('-') : steps[i].negative;
                if (i != k && steps[i].pasted) {
                    // Over a digit typed first: a pasted number replaces it whole.
                    tokens.insert(tokens.end(), {"9", "paste:" + std::string(negative ? "-" : "") + steps[i].number});
                    tokens.push_back(steps[i].key);
                    continue;
                }
                for (const char c : i == k ? replaced : steps[i].number)
                    if (c != '-')
                        tokens.emplace_back(1, c);
                if (negative)
                    tokens.emplace_back("+/-");
                tokens.push_back(steps[i].key);
            }
            return tokens;
        };
        const std::vector<std::string> tokens = keys(steps.size(), {});
        // The office functions' state is part of what a correction re-runs.
        const auto office = [round](TapeRun& run) {
            CalculatorSettings& settings = run.session.settings();
            settings.ConstantMode = static_cast<std::uint32_t>(round % 3);
            settings.ItemCountFlg = static_cast<std::uint32_t>(round / 3 % 3);
            settings.TaxSumFlg = settings.GrandTotalFlg = static_cast<std::uint32_t>(round % 2);
        };
        TapeRun run;
        office(run);
        run.Keys(tokens);
        // An error stops the steps where it comes; such rounds prove nothing here.
        if (std::any_of(run.lines().begin(), run.lines().end(),
                        [](const TapeLine& l) { return l.mark.starts_with(u"ERROR"); }))
            continue;
        std::string all;
        for (const auto& t : tokens)
            all += t + ' ';
        ASSERT_EQ(std::count_if(run.lines().begin(), run.lines().end(), [](const TapeLine& l) { return l.step > 0; }),
                  static_cast<long>(steps.size()))
            << all;

        const std::size_t k = random() % steps.size();
        const std::string replacement = (random() % 4 == 0 ? "-" : "") + number();
        ASSERT_EQ(run.session.Correct(static_cast<int>(k) + 1, replacement), CorrectionOutcome::Corrected) << all;
        TapeRun fresh;
        office(fresh);
        fresh.Keys(keys(k, replacement));

        std::vector<TapeLine> lines = run.lines();
        for (TapeLine& line : lines)
            line.was.clear();
        ASSERT_EQ(lines, fresh.lines()) << all << " correct:" << k + 1 << '=' << replacement;
        const CalculatorState& a = run.session.state();
        const CalculatorState& b = fresh.session.state();
        ASSERT_EQ(std::tie(a.displayText, a.resultText, a.memoryText, a.operatorText, a.grandTotal, a.lastAnswer,
                           a.taxTotals, a.itemCount, a.profit, a.constantLit),
                  std::tie(b.displayText, b.resultText, b.memoryText, b.operatorText, b.grandTotal, b.lastAnswer,
                           b.taxTotals, b.itemCount, b.profit, b.constantLit))
            << all;
        ++corrected;
    }
    EXPECT_GT(corrected, 300);
}

// What a session tells the keeper of its tape, by the two keep flags.
TEST(Tape, TheSessionKeepsWhatItsSettingsSay)
{
    struct Told {
        std::size_t lines = 0;
        int states = 0;
        int clears = 0;
    };
    struct Recorder : TapeKeeper {
        explicit Recorder(Told& told, std::optional<KeptState> kept) : told(told), kept(std::move(kept)) {}
        std::vector<TapeLine> History() const override { return {TapeLine{0, 0, u"9", u"＋", {}, 0, {}}}; }
        std::optional<KeptState> LoadState() const override { return kept; }
        void Submit(std::size_t from, std::vector<TapeLine> lines) override { told.lines = from + lines.size(); }
        void SubmitState(const KeptState&) override { ++told.states; }
        void ClearAll() override { ++told.clears; }
        bool Flush() override { return true; }
        Told& told;
        std::optional<KeptState> kept;
    };
    const KeptState kept{12.5, u"12.5", 0.0, u"0", 0.0, false};
    for (const auto& [tapeFlag, stateFlag] : {std::pair{1u, 0u}, {0u, 1u}, {1u, 1u}}) {
        CalculatorSettings settings = DefaultSettings();
        settings.TapeKeepFlg = tapeFlag;
        settings.KeepStateFlg = stateFlag;
        CalculatorSession session(settings);
        Told told;
        EXPECT_TRUE(session.WantsKeeper());
        EXPECT_EQ(session.Keep(std::make_unique<Recorder>(told, kept), {}), stateFlag == 1);
        EXPECT_EQ(session.state().memoryText, stateFlag ? u"12.5" : u"0") << "a kept memory comes back";
        for (const char* token : {"1", "2", "+", "3", "="})
            ASSERT_EQ(session.Apply(token).outcome, TokenOutcome::Applied);
        EXPECT_EQ(told.lines, tapeFlag ? session.tape().Lines().size() : 0u) << tapeFlag << stateFlag;
        EXPECT_EQ(told.states > 0, stateFlag == 1) << tapeFlag << stateFlag;
        EXPECT_EQ(session.History().size(), tapeFlag ? 1u : 0u);
        session.ClearTape();
        EXPECT_EQ(told.clears, tapeFlag ? 1 : 0);
        EXPECT_TRUE(session.tape().Lines().empty());
    }
    CalculatorSettings neither = DefaultSettings();
    EXPECT_EQ(neither.KeepStateFlg, 1u) << "a desk calculator keeps its memory when switched off";
    neither.TapeKeepFlg = 0;
    neither.KeepStateFlg = 0;
    EXPECT_FALSE(CalculatorSession(neither).WantsKeeper()) << "nothing to keep: the file is never opened";
    EXPECT_FALSE(CalculatorSession(neither).KeepProblem().empty()) << "the tape window says why";
}

// The CSV: which run and calculation each line belongs to, a corrected
// step's earlier number in a column of its own, notes quoted and never run
// as a spreadsheet's formula.
TEST(Tape, TheCsvSaysRunCalculationAndTheEarlierNumber)
{
    const std::vector<TapeLine> lines{
        {0, 0, u"5", u"*", {}, 0, u"=SUM(A1)"},
        {0, 0, {}, u"――――", {}, 0, {}},
        {1, 3, u"1,234", u"＋", u"1,000", 0, u"請求書 \"A-101\", 他"},
        {0, 3, {}, u"CA", {}, 0, u"'quoted"},
        {1, 4, u"7", u"＝", {}, 0, u"-1"},
        {0, 4, u"1,241", u"*", {}, 0, u"交通費 🚃"},
    };
    EXPECT_EQ(TapeCsv(lines), "\xEF\xBB\xBF実行,計算,番号,数値,種別,訂正前,注記,日時\r\n"
                              "1,1,,5,*,,'=SUM(A1),\r\n"
                              "2,1,1,1234,＋,1000,\"請求書 \"\"A-101\"\", 他\",\r\n"
                              "2,1,,,CA,,''quoted,\r\n"
                              "2,2,1,7,＝,,'-1,\r\n"
                              "2,2,,1241,*,,交通費 🚃,\r\n");
}

// abacor-render's --keys and abacor-calc speak the same language through the
// session: 検算 and a correction are tokens like any key.
TEST(Tape, CheckAndCorrectionAreTokens)
{
    TapeRun run;
    run.Keys("4 8 0 * 5 = check 4 8 0 * 5 =");
    EXPECT_EQ(run.session.tape().CheckAnnunciator(), u"OK");
    run.Keys("correct:3=481");
    EXPECT_EQ(run.session.state().displayText, u"2405");
    EXPECT_EQ(run.session.Apply("correct:9=1").outcome, TokenOutcome::Refused);
    EXPECT_EQ(run.session.Apply("correct:1=1.2.3").outcome, TokenOutcome::Refused);
    EXPECT_EQ(run.session.Apply("correct:x").outcome, TokenOutcome::Unknown);
    EXPECT_EQ(run.session.state().displayText, u"2405") << "a refused token changes nothing";
    // A correction while 検算 is armed keeps it armed, against the corrected steps.
    run.Keys("CA 4 8 0 * 5 = check 4 8 correct:1=481");
    EXPECT_EQ(run.session.tape().CheckAnnunciator(), u"検算");
    run.Keys("1 * 5 =");
    EXPECT_EQ(run.session.tape().CheckAnnunciator(), u"OK");
}

// 開く… stopped part way: the lines keyed so far stay, the tape says at
// which of the file's lines, the user's settings come back, and the tape so
// left opens again as it stands. A read stopped is a refusal.
TEST(Tape, AnOpenStoppedPartWayKeepsWhatWasKeyed)
{
    TapeRun writer;
    writer.Keys("set:TaxPercent=800 1 0 0 0 + 2 0 0 0 + 3 0 0 0 =");
    const std::string saved = writer.session.SaveText(writer.lines());
    const TapeFile file = ParseTapeFile(saved, test::PhoneSettings());
    ASSERT_TRUE(file.Read());
    EXPECT_FALSE(ParseTapeFile(saved, test::PhoneSettings(), [](std::size_t, std::size_t) { return false; }).Read());

    TapeRun run;
    run.session.BeginOpen(file);
    EXPECT_FALSE(run.session.ContinueOpen(2));
    EXPECT_EQ(run.session.OpenedLines(), 2u);
    EXPECT_EQ(run.session.state().displayText, u"3000");
    EXPECT_EQ(run.session.settings().TaxPercent, 800u) << "the file's own rate while it is keyed";
    EXPECT_TRUE(run.session.EndOpen().empty());
    EXPECT_EQ(run.lines().back().mark, u"開くのをやめました: #6")
        << "the third of the file's lines, after three of its head";
    EXPECT_EQ(run.session.settings().TaxPercent, test::PhoneSettings().TaxPercent) << "the user's settings again";

    TapeRun again;
    const TapeFile left = ParseTapeFile(run.session.SaveText(run.lines()), test::PhoneSettings());
    ASSERT_TRUE(left.Read());
    EXPECT_TRUE(again.session.Open(left).empty()) << "the stop's own line is no key";
    EXPECT_EQ(again.session.state().displayText, u"3000");
}

}  // namespace
}  // namespace abacor::test
