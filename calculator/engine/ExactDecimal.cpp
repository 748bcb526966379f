#include "calculator/engine/ExactDecimal.h"

#include <charconv>
#include <cstring>
#include <limits>
#include <string>

// The call-by-value build, with the rounding mode and the flags passed to
// each call rather than held in globals.
#define DECIMAL_CALL_BY_REFERENCE 0
#define DECIMAL_GLOBAL_ROUNDING 0
#define DECIMAL_GLOBAL_EXCEPTION_FLAGS 0
#include <bid_conf.h>
#include <bid_functions.h>

namespace abacor {
namespace {

static_assert(sizeof(BID_UINT128) == 2 * sizeof(std::uint64_t));

BID_UINT128 Load(const std::uint64_t (&words)[2])
{
    BID_UINT128 value;
    std::memcpy(&value, words, sizeof value);
    return value;
}

void Store(const BID_UINT128& value, std::uint64_t (&words)[2]) { std::memcpy(words, &value, sizeof value); }

}  // namespace

ExactDecimal::ExactDecimal(double value)
{
    // Shortest round trip, in scientific form so the text stays short for
    // any magnitude; "inf" and "nan" read back as themselves.
    char text[40];
    const auto result = std::to_chars(text, text + sizeof text - 1, value, std::chars_format::scientific);
    *result.ptr = '\0';
    _IDEC_flags flags = 0;
    Store(bid128_from_string(text, BID_ROUNDING_TO_NEAREST, &flags), words_);
}

// Through the decimal text, which from_chars rounds to the nearest double,
// ties to even: the library's own binary conversion would bring megabytes of
// tables into the programs for the same result.
double ExactDecimal::ToDouble() const
{
    char text[64];
    _IDEC_flags flags = 0;
    bid128_to_string(text, Load(words_), &flags);
    const char* first = text[0] == '+' ? text + 1 : text;
    const char* last = first + std::strlen(first);
    double value = 0.0;
    const auto result = std::from_chars(first, last, value);
    if (result.ec == std::errc::result_out_of_range) {
        // Beyond a double: infinite when the exponent is large, else zero.
        const bool negative = *first == '-';
        const char* exponent = std::strchr(first, 'E');
        const bool huge = exponent != nullptr && exponent[1] == '+';
        value = huge ? std::numeric_limits<double>::infinity() : 0.0;
        return negative ? -value : value;
    }
    return value;
}

ExactDecimal operator+(const ExactDecimal& a, const ExactDecimal& b)
{
    _IDEC_flags flags = 0;
    ExactDecimal sum;
    Store(bid128_add(Load(a.words_), Load(b.words_), BID_ROUNDING_TO_NEAREST, &flags), sum.words_);
    return sum;
}

ExactDecimal operator-(const ExactDecimal& a, const ExactDecimal& b)
{
    _IDEC_flags flags = 0;
    ExactDecimal difference;
    Store(bid128_sub(Load(a.words_), Load(b.words_), BID_ROUNDING_TO_NEAREST, &flags), difference.words_);
    return difference;
}

ExactDecimal operator*(const ExactDecimal& a, const ExactDecimal& b)
{
    _IDEC_flags flags = 0;
    ExactDecimal product;
    Store(bid128_mul(Load(a.words_), Load(b.words_), BID_ROUNDING_TO_NEAREST, &flags), product.words_);
    return product;
}

ExactDecimal operator/(const ExactDecimal& a, const ExactDecimal& b)
{
    _IDEC_flags flags = 0;
    ExactDecimal quotient;
    Store(bid128_div(Load(a.words_), Load(b.words_), BID_ROUNDING_TO_NEAREST, &flags), quotient.words_);
    return quotient;
}

ExactDecimal ExactDecimal::RoundedTo(int places, Rounding rounding) const
{
    char unit[16];
    const auto written = std::to_chars(unit, unit + sizeof unit - 1, -places);
    *written.ptr = '\0';
    std::string exponent = std::string("1E") + unit;
    _IDEC_flags flags = 0;
    const BID_UINT128 value = Load(words_);
    const bool negative = bid128_isSigned(value) != 0;
    const int mode = rounding == Rounding::TowardZero         ? BID_ROUNDING_TO_ZERO
                     : rounding == Rounding::HalfAwayFromZero ? BID_ROUNDING_TIES_AWAY
                     : negative                               ? BID_ROUNDING_DOWN
                                                              : BID_ROUNDING_UP;
    ExactDecimal rounded;
    const BID_UINT128 quantum = bid128_from_string(exponent.data(), BID_ROUNDING_TO_NEAREST, &flags);
    Store(bid128_quantize(value, quantum, mode, &flags), rounded.words_);
    return rounded;
}

}  // namespace abacor
