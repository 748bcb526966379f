#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace abacor {

// A time is a whole number of seconds, at most 9999999:59:59 either way.
inline constexpr std::int64_t kMaxTimeSeconds = 9'999'999LL * 3600 + 59 * 60 + 59;

// "h:mm:ss", "-0:05:00"; zero is never negative.
std::u16string TimeText(std::int64_t seconds);

// A number of hours, as its plain decimal text shows it ("8.25", "-1.5"),
// as seconds cut toward zero; exact, whatever the text's digits. Empty
// beyond the limit or for a text that is no number.
std::optional<std::int64_t> SecondsOfHours(std::u16string_view plain);

// A value of seconds cut toward zero; empty beyond the limit or for NaN.
std::optional<std::int64_t> WholeSeconds(double seconds);

// The time in hours, as near as a double gives it.
double HoursOf(std::int64_t seconds);

}  // namespace abacor
