#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace abacor {

// The display text of the error state.
inline constexpr std::u16string_view kErrorText = u"ERROR";

// The digits a number may have, typed or shown.
inline constexpr int kMaxDigits = 12;

// The value of a number text as the C library's string-to-double conversion
// reads it (the longest leading number, 0.0 when there is none), but exact
// and independent of the C locale. "-0" gives negative zero. The text must
// hold no grouping: the conversion stops at a ",".
double TextToValue(std::u16string_view text);

// Characters after the first "."; 0 without one. Grouping does not matter.
int DecimalPlaces(std::u16string_view text);

// The longest text a paste looks at.
inline constexpr std::size_t kMaxPastedLength = 1024;

// The number a pasted text means, as the plain text typing it would show:
// trimmed; spaces (thin ones too) are grouping; full-width digits, point and
// signs, and the minus sign, read as ASCII; an amount in parentheses is
// negative; a sign and a currency ("¥", "$", "USD"…) in front, a currency,
// "円" or "%" after; apostrophes group; of "." and "," the later is the
// decimal separator and the other grouping, a lone "," is the decimal
// separator unless exactly three digits follow it, and "." more than once
// with three digits after each is grouping. Then an optional "-", 1 to 12
// digits and at most one ".". Empty for anything else: several lines, more
// than kMaxPastedLength.
std::optional<std::u16string> PastedNumber(std::u16string_view text);

// Writes the display form of value (at most 12 significant digits, trailing
// zeros dropped, never an exponent) into text. Returns true on overflow:
// magnitude of 10^12 or more, a rounding carry to 13 integer digits, or NaN.
// On overflow text holds nothing useful.
bool FormatResult(double value, std::u16string& text);

}  // namespace abacor

namespace abacor {

// The text of ASCII characters as a 16-bit string.
std::u16string Widened(std::string_view ascii);

}  // namespace abacor
