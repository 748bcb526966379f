// Random key sequences under random settings: whatever is pressed, the texts
// stay well-formed and the error state stays closed.
#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "calculator/engine/Rounding.h"
#include "tests/core/CalculatorInvariants.h"
#include "tests/core/KeyRun.h"

namespace abacor::test {
namespace {

TEST(Invariants, HoldAfterEveryKey)
{
    const std::vector<std::string> tokens = {
        "0",  "1",   "2",   "5",  "7",      "9",  ".",    ".",    "+",    "-",    "*",    "/",    "=",
        "=",  "+/-", "CE",  "C",  "CA",     "%",  "sq",   "cube", "sqrt", "tax+", "tax-", "M+",   "M-",
        "MR", "MC",  "ANS", "#1", "#32774", "GT", "rate", "00",   "hms",  "hms",  "date", "date", "to"};
    const std::uint32_t taxRates[] = {0, 500, 800, 2000, 0xFFFFFFFFu, 4294957296u};
    std::mt19937 random(20261207);

    for (int round = 0; round < 400; ++round) {
        KeyRun run;
        run.settings.CommaFormatFlg = random() % 2;
        run.settings.ShiftKeyFlg = random() % 2;
        run.settings.ClearMenuFlg = random() % 2;
        run.settings.TaxPercent = taxRates[random() % 6];
        run.settings.RoundSelector = random() % 4;
        run.settings.DecimalSelector = random() % 6;
        run.settings.GrandTotalFlg = random() % 2;
        run.settings.DeskTaxFlg = random() % 2;
        run.settings.ConstantMode = random() % 3;
        run.settings.DayCountMode = random() % 3;
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

// With the rounding selector off, the other desk settings change nothing
// of the phone's keys.
TEST(DeskSettings, OffKeepsEveryKeyAsItWas)
{
    const std::vector<std::string> tokens = {"0", "3", "7",  ".",    "+",    "-",    "*",  "/",  "=",  "+/-", "CE",
                                             "C", "%", "sq", "sqrt", "tax+", "tax-", "M+", "M-", "MR", "ANS"};
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        KeyRun plain;
        KeyRun desk;
        desk.settings.RoundSelector = 0;
        desk.settings.DecimalSelector = random() % 6;
        desk.settings.TaxPercent2 = random() % 2001;
        std::string keys;
        for (int step = 0; step < 40; ++step) {
            const std::string& token = tokens[random() % tokens.size()];
            keys += token + ' ';
            plain.Keys(token);
            desk.Keys(token);
            ASSERT_EQ(plain.state().displayText, desk.state().displayText) << keys;
            ASSERT_EQ(plain.state().resultText, desk.state().resultText) << keys;
            ASSERT_EQ(plain.state().memoryText, desk.state().memoryText) << keys;
        }
    }
}

// CUT never grows a value, UP never shrinks it, 5/4 stays within half a unit.
TEST(RoundResult, BoundsOfEachMode)
{
    std::mt19937 random(11);
    std::uniform_real_distribution<double> magnitude(-7.0, 11.0);
    for (int i = 0; i < 20000; ++i) {
        const double v = (random() % 2 ? -1.0 : 1.0) * std::pow(10.0, magnitude(random));
        const int places = static_cast<int>(random() % 5);
        const auto cut = RoundResult(v, RoundMode::Cut, places);
        const auto up = RoundResult(v, RoundMode::Up, places);
        const auto half = RoundResult(v, RoundMode::HalfUp, places);
        if (!cut || !up || !half)
            continue;  // beyond 12 digits
        ASSERT_LE(std::fabs(cut->value), std::fabs(v)) << v << " at " << places;
        ASSERT_LE(std::fabs(v), std::fabs(up->value)) << v << " at " << places;
        // Fewer places where the integer part leaves less of the 12 digits.
        const int integerDigits = std::fabs(v) < 1.0 ? 1 : static_cast<int>(std::floor(std::log10(std::fabs(v)))) + 1;
        const double unit = std::pow(10.0, -std::min(places, 12 - integerDigits));
        ASSERT_LE(std::fabs(half->value - v), unit / 2 * (1 + 1e-9)) << v << " at " << places;
    }
}

}  // namespace
}  // namespace abacor::test
