#include "calculator/engine/ScaledArithmetic.h"

#include <math.h>

namespace abacor {

double ScaleFactor(int places)
{
    return pow(10.0, static_cast<double>(places));
}

// Each step is one double operation in this order: the order decides the low
// bits, and the scaling turns decimal operands into whole numbers.
std::optional<double> ApplyOperator(int op, double accumulator, double entry, int places)
{
    const double s = ScaleFactor(places);
    switch (op) {
    case OperatorAdd: {
        const double p = s * entry;
        const double q = s * accumulator;
        const double r = p + q;
        return r / s;
    }
    case OperatorSubtract: {
        const double p = s * accumulator;
        const double q = s * entry;
        const double r = p - q;
        return r / s;
    }
    case OperatorMultiply: {
        double p = s * entry;
        p = p / s;
        return p * accumulator;
    }
    case OperatorDivide: {
        if (entry == 0.0)
            return std::nullopt;
        double p = entry * s;
        p = s / p;
        return p * accumulator;
    }
    default:
        return entry;
    }
}

}  // namespace abacor
