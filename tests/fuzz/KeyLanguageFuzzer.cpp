// libFuzzer target: any settings, then any sequence of keys and commands;
// after every one the calculator's texts must stay well-formed.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "calculator/core/Calculator.h"
#include "calculator/tape/CalculatorSession.h"
#include "settings/SettingValueText.h"
#include "tests/core/CalculatorInvariants.h"

namespace {

constexpr std::array<std::string_view, 97> kTokens{
    "0",      "1",         "2",        "3",        "4",       "5",       "6",      "7",      "8",        "9",
    ".",      "+",         "-",        "*",        "/",       "＋",      "－",     "×",      "÷",        "=",
    "+/-",    "CE",        "⇒",        "C",        "CA",      "%",       "％",     "sq",     "cube",     "sqrt",
    "√",      "tax+",      "税込",     "tax-",     "税抜",    "M+",      "M-",     "MR",     "MC",       "ANS",
    "#1",     "#32772",    "#32774",   "#32776",   "#32778",  "#32781",  "#32787", "#32788", "#32790",   "#32792",
    "#32795", "#32796",    "#32799",   "#32800",   "#32801",  "#32802",  "#32806", "#32807", "#0",       "#-1",
    "#99999", "GT",        "rate",     "00",       "#32810",  "#32811",  "#32812", "check",  "#32813",   "taxsum",
    "税合計", "cost",      "sell",     "margin",   "利益率",  "avg",     "平均",   "#32817", "#32820",   "nonadd",
    "#32822", "hms",       "date",     "to",       "時分秒",  "〜",      "#32830", "#32832", "sw:round", "sw:places",
    "sw:gt",  "sw:taxsum", "sw:count", "sw:const", "sw:days", "setrate", "newtape"};

// Values worth trying for every setting, beside an arbitrary one.
constexpr std::array<std::uint32_t, 9> kInteresting{0, 1, 2, 5, 6, 7, 500, 2000, 0xFFFFFFFFu};

bool MayLeaveErrorState(std::string_view token, const abacor::CalculatorSettings& settings)
{
    return token == "C" || token == "CA" || token == "MC" || token == "newtape" || token == "#32792" ||
           token == "#32799" || token == "#32800" || token == "#32774" ||
           ((token == "CE" || token == "⇒") && !abacor::FlagOn(settings.ShiftKeyFlg));
}

[[noreturn]] void Fail(const std::string& what, const std::string& keys)
{
    std::fprintf(stderr, "invariant broken: %s\nkeys: %s\n", what.c_str(), keys.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    // The settings are chosen once, before the first key, as the program reads them once.
    abacor::CalculatorSettings settings = abacor::DefaultSettings();
    for (const abacor::SettingDescriptor& entry : abacor::kSettingsTable) {
        settings.*entry.field = input.ConsumeBool() ? kInteresting[input.ConsumeIntegralInRange<std::size_t>(0, 8)]
                                                    : input.ConsumeIntegral<std::uint32_t>();
    }
    abacor::CalculatorSession session(settings);
    const abacor::Calculator& calculator = session.calculator();

    std::string keys;
    while (input.remaining_bytes() > 0) {
        const abacor::CalculatorState before = calculator.state();
        if (input.ConsumeIntegralInRange(0, 15) == 0) {
            // A setting changed on the way, its value text written as anyone might.
            const auto& entry =
                abacor::kSettingsTable[input.ConsumeIntegralInRange<std::size_t>(0, abacor::kSettingsTable.size() - 1)];
            const std::string value = input.ConsumeRandomLengthString(24);
            const std::string token = "set:" + std::string(entry.name) + "=" + value;
            keys.append(token).append(" ");
            const abacor::CalculatorSettings previous = session.settings();
            auto parsed = abacor::ParseSettingValue(value);
            if (parsed && *parsed > entry.maximum)
                parsed.reset();  // out of the value's range: refused like a malformed one
            const bool applied = session.Apply(token).outcome == abacor::TokenOutcome::Applied;
            if (applied != parsed.has_value())
                Fail("set: accepted what the value reader refuses, or the other way round", keys);
            abacor::CalculatorSettings expected = previous;
            if (parsed)
                expected.*entry.field = *parsed;
            if (!(session.settings() == expected))
                Fail("set: changed more or less than its value", keys);
            continue;
        }
        const std::string_view token = kTokens[input.ConsumeIntegralInRange<std::size_t>(0, kTokens.size() - 1)];
        keys.append(token).append(" ");
        if (session.Apply(token).outcome != abacor::TokenOutcome::Applied)
            Fail("token not applied", keys);
        const std::string state = abacor::test::CheckState(calculator.state(), session.settings());
        if (!state.empty())
            Fail(state, keys);
        const std::string error = abacor::test::CheckErrorStateKept(before, calculator.state(),
                                                                    MayLeaveErrorState(token, session.settings()));
        if (!error.empty())
            Fail(error, keys);
    }
    return 0;
}
