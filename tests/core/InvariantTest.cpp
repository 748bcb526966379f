// Random key sequences under random settings: whatever is pressed, the texts
// stay well-formed and the error state stays closed.
#include <random>
#include <string>
#include <vector>

#include "tests/core/CalculatorInvariants.h"
#include "tests/core/KeyRun.h"

namespace abacor::test {
namespace {

TEST(Invariants, HoldAfterEveryKey)
{
    const std::vector<std::string> tokens = {
        "0", "1",  "2", "5",  "7",    "9",    ".",    ".",    "+",  "-",  "*",  "/",  "=",   "=",  "+/-",   "CE",
        "C", "CA", "%", "sq", "cube", "sqrt", "tax+", "tax-", "M+", "M-", "MR", "MC", "ANS", "#1", "#32774"};
    const std::uint32_t taxRates[] = {0, 500, 800, 2000, 0xFFFFFFFFu, 4294957296u};
    std::mt19937 random(20261207);

    for (int round = 0; round < 400; ++round) {
        KeyRun run;
        run.settings.CommaFormatFlg = random() % 2;
        run.settings.ShiftKeyFlg = random() % 2;
        run.settings.ClearMenuFlg = random() % 2;
        run.settings.TaxPercent = taxRates[random() % 6];
        std::string keys;
        for (int step = 0; step < 60; ++step) {
            const std::string& token = tokens[random() % tokens.size()];
            keys += token + ' ';
            const CalculatorState before = run.state();
            run.Keys(token);
            const CalculatorState& s = run.state();
            EXPECT_EQ(CheckState(s, run.settings), "") << keys;
            const bool leaves = token == "C" || token == "CA" || token == "#32774" || token == "MC" ||
                                (token == "CE" && run.settings.ShiftKeyFlg == 0);
            EXPECT_EQ(CheckErrorStateKept(before, s, leaves), "") << keys;
            if (testing::Test::HasFailure())
                return;
        }
    }
}

}  // namespace
}  // namespace abacor::test
