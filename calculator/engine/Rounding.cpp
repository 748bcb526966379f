#include "calculator/engine/Rounding.h"

#include <charconv>
#include <cmath>

#include "calculator/engine/ExactDecimal.h"
#include "calculator/engine/NumberText.h"

namespace abacor {

namespace {

// Digits before the point, at least 1; 13 or more is an overflow.
int IntegerDigits(double value)
{
    const double integerPart = std::floor(std::fabs(value));
    return integerPart < 1.0 ? 1 : static_cast<int>(std::floor(std::log10(integerPart))) + 1;
}

ExactDecimal::Rounding RoundingOf(RoundMode mode)
{
    switch (mode) {
    case RoundMode::Cut: return ExactDecimal::Rounding::TowardZero;
    case RoundMode::Up: return ExactDecimal::Rounding::AwayFromZero;
    default: return ExactDecimal::Rounding::HalfAwayFromZero;
    }
}

}  // namespace

std::optional<std::u16string> FixedText(double value, int places)
{
    if (!std::isfinite(value) || std::fabs(value) >= 1e12)
        return std::nullopt;
    if (value == 0.0)
        value = 0.0;  // never "-0"
    char text[64];
    const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, places);
    std::string_view digits(text, static_cast<std::size_t>(written.ptr - text));
    // A negative value that rounds away to zeros shows no sign either.
    if (digits.front() == '-' && digits.find_first_not_of("-0.") == std::string_view::npos)
        digits.remove_prefix(1);
    return Widened(digits);
}

std::optional<RoundedValue> RoundResult(double value, RoundMode mode, int places)
{
    if (!std::isfinite(value) || std::fabs(value) >= 1e12)
        return std::nullopt;
    int kept = std::min(places, kMaxDigits - IntegerDigits(value));
    double rounded = ExactDecimal(value).RoundedTo(kept, RoundingOf(mode)).ToDouble();
    if (!(std::fabs(rounded) < 1e12))
        return std::nullopt;
    // A carry may have made one more integer digit: one decimal fewer.
    if (IntegerDigits(rounded) + kept > kMaxDigits)
        kept = kMaxDigits - IntegerDigits(rounded);
    if (rounded == 0.0)
        rounded = 0.0;
    const std::optional<std::u16string> text = FixedText(rounded, kept);
    if (!text)
        return std::nullopt;
    return RoundedValue{rounded, *text};
}

}  // namespace abacor
