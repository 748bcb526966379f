#include "calculator/engine/ScaledArithmetic.h"

#include "calculator/engine/ExactDecimal.h"

namespace abacor {

std::optional<double> ApplyOperator(Operator op, double accumulator, double entry)
{
    switch (op) {
    case Operator::Add: return (ExactDecimal(accumulator) + ExactDecimal(entry)).ToDouble();
    case Operator::Subtract: return (ExactDecimal(accumulator) - ExactDecimal(entry)).ToDouble();
    case Operator::Multiply: return (ExactDecimal(accumulator) * ExactDecimal(entry)).ToDouble();
    case Operator::Divide: {
        if (entry == 0.0)
            return std::nullopt;
        return (ExactDecimal(accumulator) / ExactDecimal(entry)).ToDouble();
    }
    case Operator::DaysTo: return std::nullopt;
    default: return entry;
    }
}

}  // namespace abacor
