#include "calculator/engine/ScaledArithmetic.h"

#include <math.h>

#include "calculator/engine/ExactDecimal.h"

namespace abacor {

double ScaleFactor(int places) { return pow(10.0, static_cast<double>(places)); }

// Sums, differences and products are exact on the operands as the user
// sees them, then rounded once. Division keeps the scaled doubles, one double
// operation per step in this order: the order decides the low bits.
std::optional<double> ApplyOperator(Operator op, double accumulator, double entry, int places)
{
    switch (op) {
    case Operator::Add: return (ExactDecimal(accumulator) + ExactDecimal(entry)).ToDouble();
    case Operator::Subtract: return (ExactDecimal(accumulator) - ExactDecimal(entry)).ToDouble();
    case Operator::Multiply: return (ExactDecimal(accumulator) * ExactDecimal(entry)).ToDouble();
    case Operator::Divide: {
        if (entry == 0.0)
            return std::nullopt;
        const double s = ScaleFactor(places);
        double p = entry * s;
        p = s / p;
        return p * accumulator;
    }
    default: return entry;
    }
}

}  // namespace abacor
