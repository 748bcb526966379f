#pragma once

#include <climits>
#include <cstdlib>

namespace abacor {

// number * numerator / denominator with the product in 64 bits and the
// quotient rounded to nearest, halves away from zero; -1 when the
// denominator is 0 or the result does not fit, as the platform's MulDiv.
constexpr int MulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    const long long product = static_cast<long long>(number) * numerator;
    const bool negative = (product < 0) != (denominator < 0);
    const long long magnitude = product < 0 ? -product : product;
    const long long divisor = denominator < 0 ? -static_cast<long long>(denominator) : denominator;
    const long long quotient = (magnitude + divisor / 2) / divisor;
    const long long result = negative ? -quotient : quotient;
    if (result > INT_MAX || result < INT_MIN)
        return -1;
    return static_cast<int>(result);
}

}  // namespace abacor
