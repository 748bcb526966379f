#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace abacor {

// The desk calculator's rounding selector, as RoundSelector stores it.
enum class RoundMode : std::uint32_t {
    Off = 0,     // F: results as the display shows any number
    Cut = 1,     // toward zero
    Up = 2,      // away from zero
    HalfUp = 3,  // 5/4: half away from zero
};

// DecimalSelector: 0 to 4 places, or ADD2 (2 places, and typed whole numbers
// added or subtracted count in hundredths).
inline constexpr std::uint32_t kAdd2 = 5;
constexpr int SelectorPlaces(std::uint32_t decimalSelector)
{
    return decimalSelector >= 4 ? (decimalSelector == 4 ? 4 : 2) : static_cast<int>(decimalSelector);
}

// A rounded result: its value and its text with exactly its places of
// decimals ("2.50"; no point with none), no grouping, never "-0".
struct RoundedValue {
    double value = 0.0;
    std::u16string text;
};

// value's shortest decimal form rounded to places decimals by mode (fewer
// when the integer part leaves less of the 12 digits), converted once to the
// nearest double. Empty on overflow (13 integer digits, NaN, infinity).
// mode must not be Off.
std::optional<RoundedValue> RoundResult(double value, RoundMode mode, int places);

// The value, which must hold at most places decimals, written with exactly
// that many; empty when it cannot be shown in 12 digits.
std::optional<std::u16string> FixedText(double value, int places);

}  // namespace abacor
