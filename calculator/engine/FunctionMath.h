#pragma once

#include <cstdint>
#include <optional>

namespace abacor {

// The numeric cores of the function commands. s is the ScaleFactor of the
// decimals of the number shown; every step is one double operation in the
// written order.

// Percent by the pending operator; empty when dividing by an entry of zero.
std::optional<double> PercentValue(int op, double accumulator, double entry, double s);

// entry to the power n (2 or 3), scaled.
double RaisedPower(double entry, double s, int n);

// taxPercent in hundredths of a percent; the sum with 10000 wraps as 32-bit.
double TaxIncludedValue(double entry, std::uint32_t taxPercent);
double TaxExcludedValue(double entry, std::uint32_t taxPercent);

double MemoryPlusValue(double memory, double entry, double s);
double MemoryMinusValue(double memory, double entry, double s);

}  // namespace abacor
