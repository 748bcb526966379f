#pragma once

#include <cstdint>
#include <optional>

#include "calculator/engine/Rounding.h"

namespace abacor {

// What an invoice totals at one tax rate: the amounts given as prices
// without tax, and those given as prices with tax.
struct RateTotals {
    double net = 0.0;
    double gross = 0.0;

    bool Empty() const { return net == 0.0 && gross == 0.0; }
    friend bool operator==(const RateTotals&, const RateTotals&) = default;
};

// An invoice's figures at one rate: the tax rounded once per kind of price,
// as the invoice rules ask, and the amounts without and with it.
struct InvoiceFigures {
    double excluded = 0.0;
    double tax = 0.0;
    double included = 0.0;
};

// The figures at rate hundredths of a percent; mode Off leaves the tax
// unrounded. Empty when a rounding overflows the display.
std::optional<InvoiceFigures> InvoiceFiguresOf(const RateTotals& totals, std::uint32_t rate, RoundMode mode,
                                               int places);

}  // namespace abacor
