#include "calculator/engine/TimedArithmetic.h"

#include <cmath>

#include "calculator/engine/TimeValue.h"

namespace abacor {

namespace {

std::optional<KindedResult> Time(std::optional<double> seconds)
{
    if (!seconds)
        return std::nullopt;
    const std::optional<std::int64_t> whole = WholeSeconds(*seconds);
    if (!whole)
        return std::nullopt;
    return KindedResult{{ValueKind::Time, static_cast<double>(*whole), {}}, false};
}

std::optional<KindedResult> Days(std::int64_t days)
{
    return KindedResult{{ValueKind::Number, double(days), {}}, true};
}

std::optional<KindedResult> DateLater(const CalendarDate& date, double days)
{
    // Beyond a million days no date of 1901–2099 is reached either way.
    if (days != std::trunc(days) || std::fabs(days) > 1e6)
        return std::nullopt;
    const std::optional<CalendarDate> later = AddDays(date, static_cast<std::int64_t>(days));
    if (!later)
        return std::nullopt;
    return KindedResult{{ValueKind::Date, 0.0, *later}, false};
}

std::optional<KindedResult> WithDates(Operator op, const KindedValue& a, const KindedValue& b, DayCountMode mode)
{
    const bool bothDates = a.kind == ValueKind::Date && b.kind == ValueKind::Date;
    switch (op) {
    case Operator::DaysTo: return bothDates ? Days(DayCount(a.date, b.date, mode)) : std::nullopt;
    case Operator::Subtract:
        if (bothDates)
            return Days(DayCount(b.date, a.date, DayCountMode::OneEnd));
        if (a.kind == ValueKind::Date && b.kind == ValueKind::Number)
            return DateLater(a.date, -b.number);
        return std::nullopt;
    case Operator::Add:
        if (a.kind == ValueKind::Date && b.kind == ValueKind::Number)
            return DateLater(a.date, b.number);
        if (a.kind == ValueKind::Number && b.kind == ValueKind::Date)
            return DateLater(b.date, a.number);
        return std::nullopt;
    default: return std::nullopt;
    }
}

// Seconds of a time, or of a number of hours (exact, not yet cut).
std::optional<double> Seconds(const KindedValue& v)
{
    return v.kind == ValueKind::Time ? std::optional<double>(v.number)
                                     : ApplyOperator(Operator::Multiply, v.number, 3600.0);
}

}  // namespace

std::optional<KindedResult> ApplyKinded(Operator op, const KindedValue& a, const KindedValue& b, DayCountMode mode)
{
    if (a.kind == ValueKind::Date || b.kind == ValueKind::Date || op == Operator::DaysTo)
        return WithDates(op, a, b, mode);
    const bool aTime = a.kind == ValueKind::Time;
    const bool bTime = b.kind == ValueKind::Time;
    switch (op) {
    case Operator::Add:
    case Operator::Subtract: {
        const std::optional<double> x = Seconds(a);
        const std::optional<double> y = Seconds(b);
        return x && y ? Time(ApplyOperator(op, *x, *y)) : std::nullopt;
    }
    case Operator::Multiply: return aTime && bTime ? std::nullopt : Time(ApplyOperator(op, a.number, b.number));
    case Operator::Divide:
        if (!aTime)
            return std::nullopt;
        if (bTime) {
            const std::optional<double> ratio = ApplyOperator(op, a.number, b.number);
            return ratio ? std::optional<KindedResult>({{ValueKind::Number, *ratio, {}}, false}) : std::nullopt;
        }
        return Time(ApplyOperator(op, a.number, b.number));
    default: return std::nullopt;
    }
}

}  // namespace abacor
