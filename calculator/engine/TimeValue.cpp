#include "calculator/engine/TimeValue.h"

#include <cmath>
#include <cstdlib>

#include "calculator/engine/NumberText.h"
#include "calculator/engine/ScaledArithmetic.h"

namespace abacor {

std::u16string TimeText(std::int64_t seconds)
{
    const std::int64_t size = std::llabs(seconds);
    const auto two = [](std::int64_t n) { return std::string{char('0' + n / 10), char('0' + n % 10)}; };
    return Widened((seconds < 0 ? "-" : "") + std::to_string(size / 3600) + ':' + two(size / 60 % 60) + ':' +
                   two(size % 60));
}

std::optional<std::int64_t> SecondsOfHours(std::u16string_view plain)
{
    const bool negative = plain.starts_with(u'-');
    if (negative)
        plain.remove_prefix(1);
    const std::size_t point = plain.find(u'.');
    const std::u16string_view whole = plain.substr(0, point);
    const std::u16string_view fraction = point == std::u16string_view::npos ? u"" : plain.substr(point + 1);
    if (whole.size() > 12 || fraction.size() > 12 || (whole.empty() && fraction.empty()))
        return std::nullopt;
    std::int64_t hours = 0;
    std::int64_t part = 0;
    std::int64_t scale = 1;
    for (const char16_t c : whole) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        hours = hours * 10 + (c - u'0');
    }
    for (const char16_t c : fraction) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        part = part * 10 + (c - u'0');
        scale *= 10;
    }
    if (hours > kMaxTimeSeconds / 3600)
        return std::nullopt;
    // part < 10^12, so part * 3600 stays well inside 64 bits.
    const std::int64_t seconds = hours * 3600 + part * 3600 / scale;
    if (seconds > kMaxTimeSeconds)
        return std::nullopt;
    return negative ? -seconds : seconds;
}

std::optional<std::int64_t> WholeSeconds(double seconds)
{
    if (!std::isfinite(seconds) || std::fabs(seconds) >= static_cast<double>(kMaxTimeSeconds + 1))
        return std::nullopt;
    return static_cast<std::int64_t>(std::trunc(seconds));
}

double HoursOf(std::int64_t seconds)
{
    return ApplyOperator(Operator::Divide, static_cast<double>(seconds), 3600.0).value_or(0.0);
}

}  // namespace abacor
