#pragma once

#include <optional>

namespace abacor {

// The operation waiting for its second operand.
enum PendingOperator : int {
    OperatorNone = 0,
    OperatorAdd = 1,
    OperatorSubtract = 2,
    OperatorMultiply = 3,
    OperatorDivide = 4,
};

// 10 raised to places, as the C library's pow computes it.
double ScaleFactor(int places);

// The new accumulator for op; empty on division by zero (negative zero
// included). places are the decimals of the second operand as shown; only
// division scales by them, the other operations are exact decimals.
// A code outside 0..4 behaves as none.
std::optional<double> ApplyOperator(int op, double accumulator, double entry, int places);

}  // namespace abacor
