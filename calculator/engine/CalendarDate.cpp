#include "calculator/engine/CalendarDate.h"

#include "calculator/engine/NumberText.h"

namespace abacor {

namespace {

bool IsLeap(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInMonth(int year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && year != 0 && IsLeap(year) ? 29 : kDays[month - 1];
}

std::string Two(int n) { return {char('0' + n / 10), char('0' + n % 10)}; }

// A year of 365 days stands for the dates without one.
constexpr int kPlainYear = 2001;

}  // namespace

bool IsValidDate(const CalendarDate& date)
{
    if (date.year != 0 && (date.year < kFirstYear || date.year > kLastYear))
        return false;
    return date.month >= 1 && date.month <= 12 && date.day >= 1 && date.day <= DaysInMonth(date.year, date.month);
}

// The civil-from-days and days-from-civil conversions of the proleptic
// Gregorian calendar, by 400-year eras.
std::int64_t DayNumber(const CalendarDate& date)
{
    const std::int64_t y = date.year - (date.month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (date.month + (date.month > 2 ? -3 : 9)) + 2) / 5 + date.day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CalendarDate DateOfDayNumber(std::int64_t days)
{
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t doe = days - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0)), month, day};
}

std::u16string DateText(const CalendarDate& date)
{
    const std::string monthDay = Two(date.month) + '.' + Two(date.day);
    return Widened(date.year == 0 ? monthDay : std::to_string(date.year) + '.' + monthDay);
}

std::int64_t DayCount(const CalendarDate& start, const CalendarDate& end, DayCountMode mode)
{
    CalendarDate from = start;
    CalendarDate to = end;
    if (from.year == 0 && to.year == 0) {
        from.year = kPlainYear;
        to.year = kPlainYear;
    } else if (from.year == 0) {
        from.year = to.year;
        // The start is then the one that moves back a year.
        if (DayNumber(to) <= DayNumber(from))
            --from.year;
    } else if (to.year == 0) {
        to.year = from.year;
        if (DayNumber(to) <= DayNumber(from))
            ++to.year;
    }
    // Without years the end not after the start is in the next year. (A
    // 2/29 of a year given to a yearless date does not arise: yearless
    // dates have no 2/29.)
    if (start.year == 0 && end.year == 0 && DayNumber(to) <= DayNumber(from))
        ++to.year;
    std::int64_t days = DayNumber(to) - DayNumber(from);
    const int sign = days < 0 ? -1 : 1;
    if (mode == DayCountMode::BothEnds)
        days += sign;
    else if (mode == DayCountMode::NeitherEnd && days != 0)
        days -= sign;
    return days;
}

std::optional<CalendarDate> AddDays(const CalendarDate& date, std::int64_t days)
{
    // Any number of days that can lead from one supported year to another.
    constexpr std::int64_t kSpan = (kLastYear - kFirstYear + 1) * 366;
    if (date.year == 0 || days > kSpan || days < -kSpan)
        return std::nullopt;
    const CalendarDate result = DateOfDayNumber(DayNumber(date) + days);
    if (result.year < kFirstYear || result.year > kLastYear)
        return std::nullopt;
    return result;
}

}  // namespace abacor
