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
};

// 10 raised to places, as the C library's pow computes it.
double ScaleFactor(int places);

// The new accumulator for op; empty on division by zero (negative zero
// included). places are the decimals of the second operand as shown; only
// division scales by them, the other operations are exact decimals.
std::optional<double> ApplyOperator(Operator op, double accumulator, double entry, int places);

}  // namespace abacor
