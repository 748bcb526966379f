#pragma once

#include <cstdint>
#include <optional>

#include "calculator/engine/ScaledArithmetic.h"

namespace abacor {

// The numeric cores of the function commands, on the decimals shown: sums
// and products exact, quotients to 34 digits, each rounded once to a double.

// Percent by the pending operator; empty when dividing by an entry of zero.
std::optional<double> PercentValue(Operator op, double accumulator, double entry);

// entry to the power n (2 or 3).
double RaisedPower(double entry, int n);

// taxPercent in hundredths of a percent; the sum with 10000 wraps as 32-bit.
double TaxIncludedValue(double entry, std::uint32_t taxPercent);
double TaxExcludedValue(double entry, std::uint32_t taxPercent);

double MemoryPlusValue(double memory, double entry);
double MemoryMinusValue(double memory, double entry);

// The desk tax keys' tax at rate hundredths of a percent: on a price without
// tax, entry x rate / 10000; in a price with tax, entry x rate / (10000 + rate).
double TaxOnNetValue(double entry, std::uint32_t rate);
double TaxInGrossValue(double entry, std::uint32_t rate);

// a + b and a - b, exact on the decimals shown.
double DecimalSum(double a, double b);
double DecimalDifference(double a, double b);
// A whole number typed under ADD2, read in hundredths.
double Hundredths(double entry);

}  // namespace abacor
