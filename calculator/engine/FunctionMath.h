#pragma once

#include <cstdint>
#include <optional>

#include "calculator/engine/ScaledArithmetic.h"

namespace abacor {

// The numeric cores of the function commands. Sums and products are exact
// on the decimals shown and rounded once; the divisions are doubles, s being
// the ScaleFactor of the decimals of the number shown.

// Percent by the pending operator; empty when dividing by an entry of zero.
std::optional<double> PercentValue(Operator op, double accumulator, double entry, double s);

// entry to the power n (2 or 3).
double RaisedPower(double entry, int n);

// taxPercent in hundredths of a percent; the sum with 10000 wraps as 32-bit.
double TaxIncludedValue(double entry, std::uint32_t taxPercent);
double TaxExcludedValue(double entry, std::uint32_t taxPercent);

double MemoryPlusValue(double memory, double entry);
double MemoryMinusValue(double memory, double entry);

}  // namespace abacor
