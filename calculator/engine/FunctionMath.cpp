#include "calculator/engine/FunctionMath.h"

#include <math.h>

#include "calculator/engine/ScaledArithmetic.h"

namespace abacor {

std::optional<double> PercentValue(int op, double accumulator, double entry, double s)
{
    switch (op) {
    case OperatorAdd: {
        const double x = (s * entry) / s;
        const double p = ((x * accumulator) * s) * 0.01;
        const double q = accumulator * s;
        return (p + q) / s;
    }
    case OperatorSubtract: {
        const double q = accumulator * s;
        const double x = (s * entry) / s;
        const double p = ((x * accumulator) * s) * 0.01;
        return (q - p) / s;
    }
    case OperatorMultiply: {
        const double x = (s * entry) / s;
        return (x * accumulator) * 0.01;
    }
    case OperatorDivide: {
        if (entry == 0.0)
            return std::nullopt;
        const double p = s / (entry * s);
        return (p * accumulator) * 100.0;
    }
    default:
        return 0.0;
    }
}

double RaisedPower(double entry, double s, int n)
{
    const double u = s * entry;
    const double h = pow(u, static_cast<double>(n));
    const double l = pow(s, static_cast<double>(n));
    return h / l;
}

namespace {
double TaxFactor(std::uint32_t taxPercent)
{
    return static_cast<double>(static_cast<std::uint32_t>(taxPercent + 10000u));
}
}  // namespace

double TaxIncludedValue(double entry, std::uint32_t taxPercent)
{
    return (TaxFactor(taxPercent) * entry) * 0.0001;
}

double TaxExcludedValue(double entry, std::uint32_t taxPercent)
{
    return (entry / TaxFactor(taxPercent)) * 10000.0;
}

double MemoryPlusValue(double memory, double entry, double s)
{
    const double p = s * entry;
    const double q = s * memory;
    return (p + q) / s;
}

double MemoryMinusValue(double memory, double entry, double s)
{
    const double p = s * memory;
    const double q = s * entry;
    return (p - q) / s;
}

}  // namespace abacor
