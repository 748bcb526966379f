#include "calculator/engine/FunctionMath.h"

#include "calculator/engine/ExactDecimal.h"
#include "calculator/engine/ScaledArithmetic.h"

namespace abacor {

namespace {
// x × a × 0.01, exact on the decimals shown.
ExactDecimal PercentOf(double x, double a) { return (ExactDecimal(x) * ExactDecimal(a)) * ExactDecimal(0.01); }
}  // namespace

std::optional<double> PercentValue(Operator op, double accumulator, double entry, double s)
{
    switch (op) {
    case Operator::Add: return (ExactDecimal(accumulator) + PercentOf(entry, accumulator)).ToDouble();
    case Operator::Subtract: return (ExactDecimal(accumulator) - PercentOf(entry, accumulator)).ToDouble();
    case Operator::Multiply: return PercentOf(entry, accumulator).ToDouble();
    case Operator::Divide: {
        if (entry == 0.0)
            return std::nullopt;
        const double p = s / (entry * s);
        return (p * accumulator) * 100.0;
    }
    default: return 0.0;
    }
}

double RaisedPower(double entry, int n)
{
    const ExactDecimal x(entry);
    ExactDecimal power = x * x;
    for (int i = 2; i < n; ++i)
        power = power * x;
    return power.ToDouble();
}

namespace {
double TaxFactor(std::uint32_t taxPercent)
{
    return static_cast<double>(static_cast<std::uint32_t>(taxPercent + 10000u));
}
}  // namespace

double TaxIncludedValue(double entry, std::uint32_t taxPercent)
{
    return ((ExactDecimal(entry) * ExactDecimal(TaxFactor(taxPercent))) * ExactDecimal(0.0001)).ToDouble();
}

double TaxExcludedValue(double entry, std::uint32_t taxPercent) { return (entry / TaxFactor(taxPercent)) * 10000.0; }

double MemoryPlusValue(double memory, double entry) { return (ExactDecimal(memory) + ExactDecimal(entry)).ToDouble(); }

double MemoryMinusValue(double memory, double entry) { return (ExactDecimal(memory) - ExactDecimal(entry)).ToDouble(); }

}  // namespace abacor
