// Random balances and products against integer arithmetic: the display must
// show exactly what a person would work out on paper.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "tests/core/KeyRun.h"

namespace abacor::test {
namespace {

// units × 10^-decimals as plain text with every decimal written.
std::string Text(std::int64_t units, int decimals)
{
    std::string text = std::to_string(units < 0 ? -units : units);
    if (text.size() <= static_cast<std::size_t>(decimals))
        text.insert(0, decimals + 1 - text.size(), '0');
    text.insert(text.size() - decimals, ".");
    return units < 0 ? "-" + text : text;
}

// The keys that type a non-negative amount.
std::string Keys(std::int64_t units, int decimals)
{
    std::string keys;
    for (const char ch : Text(units, decimals))
        (keys += ch) += ' ';
    return keys;
}

// What the display shows of an exact amount: trailing zeros and point dropped.
std::string Shown(std::int64_t units, int decimals)
{
    std::string text = Text(units, decimals);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text == "-0" ? "0" : text;
}

TEST(ExactSums, BalancesComeBackToWhatWasLeft)
{
    std::mt19937_64 random(20261207);
    for (int round = 0; round < 500; ++round) {
        // A few amounts of at most 6 integer digits and 4 decimals, in 10^-4.
        std::vector<std::int64_t> large(2 + random() % 3);
        for (std::int64_t& amount : large)
            amount = static_cast<std::int64_t>(random() % 10000000000ull);
        const std::int64_t small = static_cast<std::int64_t>(random() % 2000000) - 1000000;

        std::string keys;
        for (std::size_t i = 0; i < large.size(); ++i)
            keys += Keys(large[i], 4) + "+ ";
        keys.replace(keys.size() - 2, 2, small < 0 ? "- " : "+ ");
        keys += Keys(small < 0 ? -small : small, 4);
        std::shuffle(large.begin(), large.end(), random);
        for (const std::int64_t amount : large)
            keys += "- " + Keys(amount, 4);
        keys += "=";

        KeyRun run;
        run.Keys(keys);
        ASSERT_EQ(Utf8(run.state().displayText), Shown(small, 4)) << keys;
    }
}

TEST(ExactSums, ProductsAreTheExactProduct)
{
    std::mt19937_64 random(7);
    for (int round = 0; round < 500; ++round) {
        // Two amounts below 10^4 with 2 decimals: the product has at most 12 digits.
        const std::int64_t a = static_cast<std::int64_t>(random() % 1000000);
        const std::int64_t b = static_cast<std::int64_t>(random() % 1000000);
        const std::string keys = Keys(a, 2) + "* " + Keys(b, 2) + "=";
        KeyRun run;
        run.Keys(keys);
        ASSERT_EQ(Utf8(run.state().displayText), Shown(a * b, 4)) << keys;
    }
}

TEST(ExactSums, InvoiceTotalsAddUpAndTheTaxIsRoundedOncePerRate)
{
    std::mt19937_64 random(2023);
    for (int round = 0; round < 300; ++round) {
        const int places = static_cast<int>(random() % 3);
        const std::uint32_t rates[] = {1000, static_cast<std::uint32_t>(random() % 2001)};
        std::string keys = "set:TaxSumFlg=1 set:TaxPercent=1000 set:TaxPercent2=" + std::to_string(rates[1]) +
                           " set:RoundSelector=" + std::to_string(1 + random() % 3) +
                           " set:DecimalSelector=" + std::to_string(places) + ' ';
        // Per rate, the exact tax in 10^-2 times 10000 × (10000 + rate), and
        // whether both kinds of price were given.
        long double exact[2] = {0, 0};
        bool mixed[2] = {false, false};
        for (int rate = 0; rate < 2; ++rate) {
            if (rate == 1)
                keys += "rate ";
            const int kind = static_cast<int>(random() % 5);  // 0, 1: one kind; 2: both; else none
            for (int item = static_cast<int>(random() % 6); kind < 3 && item > 0; --item) {
                const std::int64_t amount = static_cast<std::int64_t>(random() % 10000000);  // in 10^-2
                const bool net = kind == 2 ? random() % 2 == 0 : kind == 0;
                mixed[rate] = mixed[rate] || kind == 2;
                keys += Keys(amount, 2) + (net ? "tax+ " : "tax- ");
                const long double p = rates[rate];
                exact[rate] += net ? amount * p / 10000.0L : amount * p / (10000.0L + p);
            }
        }
        KeyRun run;
        run.Keys(keys);
        const auto shown = [&run] { return std::stold(Utf8(run.state().displayText)) * 100.0L; };
        std::vector<long double> cycle;
        for (int press = 0; press < 7; ++press) {
            run.Keys("taxsum");
            cycle.push_back(shown());
        }
        if (exact[0] == 0 && exact[1] == 0 && cycle[0] == 0)
            continue;
        ASSERT_NEAR(cycle[0], cycle[1] + cycle[2], 1e-6L) << keys;
        const long double unit = std::pow(10.0L, 2 - places);
        std::size_t at = 3;
        for (int rate = 0; rate < 2; ++rate) {
            if (run.state().taxTotals[static_cast<std::size_t>(rate)].Empty())
                continue;
            ASSERT_LE(std::fabs(cycle[at + 1] - exact[rate]), (mixed[rate] ? 2 : 1) * unit + 1e-6L) << keys;
            at += 2;
        }
    }
}

}  // namespace
}  // namespace abacor::test
