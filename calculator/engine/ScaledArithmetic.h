#pragma once

#include <optional>

namespace abacor {

// The operation waiting for its second operand.
enum class Operator : int {
    None = 0,
    Add = 1,
    Subtract = 2,
    Multiply = 3,
    Divide = 4,
    // 〜: the days from one date to another.
    DaysTo = 5,
};

// The new accumulator for op; empty on division by zero (negative zero
// included). Every operation works on the operands' shortest decimal forms,
// exactly for sums, differences and products, to 34 digits for quotients,
// and is rounded once to the nearest double.
std::optional<double> ApplyOperator(Operator op, double accumulator, double entry);

}  // namespace abacor
