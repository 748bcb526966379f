#pragma once

#include <cstdint>

namespace abacor {

// A decimal128 number made from the shortest decimal form of a double, so
// that sums and products of what the user sees are exact (to 34 digits) and
// the binary error of each operand never reaches the result. Rounded to a
// double once, at the end. The decimal library stays inside the .cpp.
class ExactDecimal {
public:
    explicit ExactDecimal(double value);

    // Nearest double, ties to even; signs of zero as IEEE 754 gives them.
    double ToDouble() const;

    friend ExactDecimal operator+(const ExactDecimal& a, const ExactDecimal& b);
    friend ExactDecimal operator-(const ExactDecimal& a, const ExactDecimal& b);
    friend ExactDecimal operator*(const ExactDecimal& a, const ExactDecimal& b);
    // To 34 digits, ties to even; b must not be zero.
    friend ExactDecimal operator/(const ExactDecimal& a, const ExactDecimal& b);

    // How a rounding treats the digits it drops.
    enum class Rounding { TowardZero, AwayFromZero, HalfAwayFromZero };
    // The number with at most places decimals (0 or more).
    ExactDecimal RoundedTo(int places, Rounding rounding) const;

private:
    ExactDecimal() = default;
    std::uint64_t words_[2] = {0, 0};  // the library's 128-bit encoding
};

}  // namespace abacor
