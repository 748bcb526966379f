#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calculator/core/CalculatorState.h"

namespace abacor {

// A kept register's value: a number (none for an empty register) and, where
// the display keeps its own text of it, that text.
struct KeptValue {
    std::optional<double> number;
    std::u16string text;
};

// The registers kept beyond the run, by name. The store keeps each as a name
// and a value: a new register is a field of KeptState and a row here, and no
// change of the file's tables. A name a later version keeps and this one
// does not know is passed over.
struct KeptRegister {
    std::string_view name;
    KeptValue (*get)(const KeptState&);
    void (*set)(KeptState&, const KeptValue&);
};

namespace kept {
inline std::u16string ShownOr0(const std::u16string& text) { return text.empty() ? u"0" : text; }
}  // namespace kept

// clang-format off
inline constexpr KeptRegister kKeptRegisters[] = {
    {"memory", [](const KeptState& s) { return KeptValue{s.memory, s.memoryText}; },
     [](KeptState& s, const KeptValue& v) { s.memory = v.number.value_or(0.0); s.memoryText = kept::ShownOr0(v.text); }},
    {"last_answer", [](const KeptState& s) { return KeptValue{s.lastAnswer, s.lastAnswerText}; },
     [](KeptState& s, const KeptValue& v) { s.lastAnswer = v.number.value_or(0.0); s.lastAnswerText = kept::ShownOr0(v.text); }},
    {"grand_total", [](const KeptState& s) { return KeptValue{s.grandTotal, {}}; },
     [](KeptState& s, const KeptValue& v) { s.grandTotal = v.number.value_or(0.0); }},
    {"second_rate", [](const KeptState& s) { return KeptValue{s.secondRate ? 1.0 : 0.0, {}}; },
     [](KeptState& s, const KeptValue& v) { s.secondRate = v.number.value_or(0.0) != 0.0; }},
    {"net1", [](const KeptState& s) { return KeptValue{s.taxTotals[0].net, {}}; },
     [](KeptState& s, const KeptValue& v) { s.taxTotals[0].net = v.number.value_or(0.0); }},
    {"gross1", [](const KeptState& s) { return KeptValue{s.taxTotals[0].gross, {}}; },
     [](KeptState& s, const KeptValue& v) { s.taxTotals[0].gross = v.number.value_or(0.0); }},
    {"net2", [](const KeptState& s) { return KeptValue{s.taxTotals[1].net, {}}; },
     [](KeptState& s, const KeptValue& v) { s.taxTotals[1].net = v.number.value_or(0.0); }},
    {"gross2", [](const KeptState& s) { return KeptValue{s.taxTotals[1].gross, {}}; },
     [](KeptState& s, const KeptValue& v) { s.taxTotals[1].gross = v.number.value_or(0.0); }},
    {"cost", [](const KeptState& s) { return KeptValue{s.profit[0], {}}; },
     [](KeptState& s, const KeptValue& v) { s.profit[0] = v.number; }},
    {"sell", [](const KeptState& s) { return KeptValue{s.profit[1], {}}; },
     [](KeptState& s, const KeptValue& v) { s.profit[1] = v.number; }},
    {"margin", [](const KeptState& s) { return KeptValue{s.profit[2], {}}; },
     [](KeptState& s, const KeptValue& v) { s.profit[2] = v.number; }},
};
// clang-format on

}  // namespace abacor
