// Speed of the number texts and of keys through the headless calculator.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "calculator/core/Calculator.h"
#include "calculator/core/CommandTable.h"
#include "calculator/engine/Grouping.h"
#include "calculator/engine/NumberText.h"
#include "calculator/engine/Rounding.h"
#include "calculator/tape/CalculatorSession.h"
#include "calculator/tape/TapeSession.h"

namespace {

void BM_FormatResult(benchmark::State& state)
{
    const double values[] = {1.0 / 3.0, 123456.789, -0.5, 999999999999.0, 42.0, 1e-7};
    std::u16string text;
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(abacor::FormatResult(values[i++ % 6], text));
        benchmark::DoNotOptimize(text);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormatResult);

void BM_GroupAndStrip(benchmark::State& state)
{
    const std::u16string plain = u"-123456789.125";
    for (auto _ : state) {
        const std::u16string grouped = abacor::GroupDigits(plain, abacor::GroupingMode::Always, true);
        benchmark::DoNotOptimize(abacor::StripGrouping(grouped));
    }
}
BENCHMARK(BM_GroupAndStrip);

// A result as the selectors round it and show it (5/4, 2 places).
void BM_RoundResult(benchmark::State& state)
{
    const double values[] = {1.0 / 3.0, 123456.789, -0.5, 99999999999.0, 42.0, 1e-7};
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(abacor::RoundResult(values[i++ % 6], abacor::RoundMode::HalfUp, 2));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RoundResult);

// Keys with the desk functions, times and dates: argument 0 plain, 1 with 5/4 ADD2, GT, desk tax keys and
// every office setting on.
void BM_RandomKeys(benchmark::State& state)
{
    const std::vector<std::string> tokens = {"0",  "1",      "2",    "3",    "4",      "5",   "6",    "7",    "8",
                                             "9",  ".",      "+",    "-",    "*",      "/",   "=",    "+/-",  "CE",
                                             "%",  "sq",     "M+",   "MR",   "ANS",    "C",   "tax+", "tax-", "GT",
                                             "00", "taxsum", "cost", "sell", "margin", "avg", "hms",  "date", "to"};
    std::mt19937 random(7);
    std::vector<const std::string*> sequence;
    for (int i = 0; i < 1000; ++i)
        sequence.push_back(&tokens[random() % tokens.size()]);

    abacor::CalculatorSettings settings = abacor::DefaultSettings();
    settings.CommaFormatFlg = 1;
    if (state.range(0) == 1) {
        settings.RoundSelector = 3;
        settings.DecimalSelector = abacor::kAdd2;
        settings.GrandTotalFlg = 1;
        settings.DeskTaxFlg = 1;
        settings.TaxSumFlg = 1;
        settings.ConstantMode = 1;
        settings.ItemCountFlg = 2;
    }
    for (auto _ : state) {
        abacor::CalculatorSession session(settings);
        for (const std::string* token : sequence)
            benchmark::DoNotOptimize(session.Apply(*token));
        benchmark::DoNotOptimize(session.state().displayText);
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_RandomKeys)->Arg(0)->Arg(1);

// A segment of steps as an adding machine's user keys them: "12.34 +" again
// and again, then "=". Its commands through the tape.
std::vector<const abacor::Command*> AddingSegment(int steps)
{
    std::vector<const abacor::Command*> commands;
    for (int i = 0; i < steps; ++i) {
        for (const char* token : {"1", "2", ".", "3", "4", i + 1 == steps ? "=" : "+"})
            commands.push_back(abacor::CommandOfToken(std::string_view(token)));
    }
    return commands;
}

// Keys through the calculator with the tape recording them.
void BM_KeysWithTape(benchmark::State& state)
{
    const std::vector<const abacor::Command*> commands = AddingSegment(1000);
    const abacor::CalculatorSettings settings = abacor::DefaultSettings();
    for (auto _ : state) {
        abacor::Calculator calculator(settings);
        calculator.ResetCalculator(false);
        abacor::TapeSession tape(calculator);
        for (const abacor::Command* command : commands)
            tape.Run(*command);
        benchmark::DoNotOptimize(calculator.state().displayText);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(commands.size()));
}
BENCHMARK(BM_KeysWithTape);

// A correction of the first step of a 10 000-step segment: the whole
// segment runs again.
void BM_CorrectionIn10000Steps(benchmark::State& state)
{
    const abacor::CalculatorSettings settings = abacor::DefaultSettings();
    abacor::Calculator calculator(settings);
    calculator.ResetCalculator(false);
    abacor::TapeSession tape(calculator);
    for (const abacor::Command* command : AddingSegment(10000))
        tape.Run(*command);
    int turn = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(tape.Correct(1, ++turn % 2 == 0 ? "5" : "6"));
    state.counters["lines"] = static_cast<double>(tape.Lines().size());
}
BENCHMARK(BM_CorrectionIn10000Steps)->Unit(benchmark::kMillisecond);

}  // namespace
