#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace abacor {

// A date of the Gregorian calendar, 1901–2099; year 0 for a date typed
// without one (a day of a year of 365 days).
struct CalendarDate {
    int year = 0;
    int month = 1;
    int day = 1;

    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

inline constexpr int kFirstYear = 1901;
inline constexpr int kLastYear = 2099;

// How a day count counts its ends, as DayCountMode stores it.
enum class DayCountMode : std::uint32_t {
    OneEnd = 0,      // 片落: end − start
    BothEnds = 1,    // 両端入: one more
    NeitherEnd = 2,  // 両端落: one less
};

// Whether the date exists (no 2/29 without a year).
bool IsValidDate(const CalendarDate& date);

// Days since 1970-01-01 of a date with a year.
std::int64_t DayNumber(const CalendarDate& date);
CalendarDate DateOfDayNumber(std::int64_t days);

// "2024.05.15", "05.15".
std::u16string DateText(const CalendarDate& date);

// The days from start to end counted by mode. Without years both are in one
// year, the end in the next when it is not after the start; a date without
// a year beside one with a year takes its year (the same rule for the end).
// A negative count grows (both ends) or shrinks (neither) in size, never
// passing zero.
std::int64_t DayCount(const CalendarDate& start, const CalendarDate& end, DayCountMode mode);

// The date days after (before, when negative) a date with a year; empty for
// a date without one or a result outside 1901–2099.
std::optional<CalendarDate> AddDays(const CalendarDate& date, std::int64_t days);

}  // namespace abacor
