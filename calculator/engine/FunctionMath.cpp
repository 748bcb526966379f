#include "calculator/engine/FunctionMath.h"

#include <cmath>

#include "calculator/engine/ExactDecimal.h"
#include "calculator/engine/ScaledArithmetic.h"

namespace abacor {

namespace {
// x × a × 0.01, exact on the decimals shown.
ExactDecimal PercentOf(double x, double a) { return (ExactDecimal(x) * ExactDecimal(a)) * ExactDecimal(0.01); }
}  // namespace

std::optional<double> PercentValue(Operator op, double accumulator, double entry)
{
    switch (op) {
    case Operator::Add: return (ExactDecimal(accumulator) + PercentOf(entry, accumulator)).ToDouble();
    case Operator::Subtract: return (ExactDecimal(accumulator) - PercentOf(entry, accumulator)).ToDouble();
    case Operator::Multiply: return PercentOf(entry, accumulator).ToDouble();
    case Operator::Divide: {
        if (entry == 0.0)
            return std::nullopt;
        return ((ExactDecimal(accumulator) * ExactDecimal(100.0)) / ExactDecimal(entry)).ToDouble();
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

double TaxExcludedValue(double entry, std::uint32_t taxPercent)
{
    const double factor = TaxFactor(taxPercent);
    // A rate that wraps to a factor of 0 divides by zero: beyond any display.
    if (factor == 0.0)
        return entry < 0.0 ? -HUGE_VAL : HUGE_VAL;
    return ((ExactDecimal(entry) * ExactDecimal(10000.0)) / ExactDecimal(factor)).ToDouble();
}

double MemoryPlusValue(double memory, double entry) { return DecimalSum(memory, entry); }

double MemoryMinusValue(double memory, double entry) { return DecimalDifference(memory, entry); }

double TaxOnNetValue(double entry, std::uint32_t rate)
{
    return ((ExactDecimal(entry) * ExactDecimal(static_cast<double>(rate))) * ExactDecimal(0.0001)).ToDouble();
}

double TaxInGrossValue(double entry, std::uint32_t rate)
{
    const double rateValue = static_cast<double>(rate);
    return ((ExactDecimal(entry) * ExactDecimal(rateValue)) / ExactDecimal(10000.0 + rateValue)).ToDouble();
}

double DecimalSum(double a, double b) { return (ExactDecimal(a) + ExactDecimal(b)).ToDouble(); }

double DecimalDifference(double a, double b) { return (ExactDecimal(a) - ExactDecimal(b)).ToDouble(); }

double Hundredths(double entry) { return (ExactDecimal(entry) * ExactDecimal(0.01)).ToDouble(); }

double CostFrom(double sell, double margin)
{
    return (ExactDecimal(sell) * (ExactDecimal(100.0) - ExactDecimal(margin)) * ExactDecimal(0.01)).ToDouble();
}

std::optional<double> SellFrom(double cost, double margin)
{
    if (margin >= 100.0)
        return std::nullopt;
    return ((ExactDecimal(cost) * ExactDecimal(100.0)) / (ExactDecimal(100.0) - ExactDecimal(margin))).ToDouble();
}

std::optional<double> MarginFrom(double cost, double sell)
{
    if (sell == 0.0)
        return std::nullopt;
    return (((ExactDecimal(sell) - ExactDecimal(cost)) * ExactDecimal(100.0)) / ExactDecimal(sell)).ToDouble();
}

double Average(double value, int count)
{
    return (ExactDecimal(value) / ExactDecimal(static_cast<double>(count))).ToDouble();
}

}  // namespace abacor
