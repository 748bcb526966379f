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

// Cost, sell and margin (in percent of the selling price), each from the
// other two; empty where there is none (a margin of 100 or more for the
// selling price, a selling price of 0 for the margin).
double CostFrom(double sell, double margin);
std::optional<double> SellFrom(double cost, double margin);
std::optional<double> MarginFrom(double cost, double sell);

// value / count, to 34 digits; count is not 0.
double Average(double value, int count);

}  // namespace abacor
