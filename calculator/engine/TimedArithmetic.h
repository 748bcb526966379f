#pragma once

#include <optional>

#include "calculator/engine/CalendarDate.h"
#include "calculator/engine/ScaledArithmetic.h"

namespace abacor {

// What a value is: a number, a time (its number the whole seconds) or a
// date (the date beside).
enum class ValueKind : std::uint8_t { Number, Time, Date };

struct KindedValue {
    ValueKind kind = ValueKind::Number;
    double number = 0.0;
    CalendarDate date{};
};

// What an operation with a time or a date among its operands gives:
// time ± time, time ± number (hours), number ± time → time; time × number,
// number × time, time ÷ number → time (cut toward zero once, at the end);
// time ÷ time → number; date 〜 date → days by mode; date − date → days
// (one end); date ± whole number, number + date → date. dayCount says the
// number is a count of days. Empty for everything else (ERROR), a time past
// its limit or a date outside its years.
struct KindedResult {
    KindedValue value;
    bool dayCount = false;
};
std::optional<KindedResult> ApplyKinded(Operator op, const KindedValue& accumulator, const KindedValue& entry,
                                        DayCountMode mode);

}  // namespace abacor
