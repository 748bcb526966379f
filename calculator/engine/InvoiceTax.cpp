#include "calculator/engine/InvoiceTax.h"

#include "calculator/engine/FunctionMath.h"

namespace abacor {

std::optional<InvoiceFigures> InvoiceFiguresOf(const RateTotals& totals, std::uint32_t rate, RoundMode mode, int places)
{
    const auto rounded = [&](double value) -> std::optional<double> {
        if (mode == RoundMode::Off)
            return value;
        const std::optional<RoundedValue> result = RoundResult(value, mode, places);
        return result ? std::optional<double>(result->value) : std::nullopt;
    };
    const std::optional<double> onNet = rounded(TaxOnNetValue(totals.net, rate));
    const std::optional<double> inGross = rounded(TaxInGrossValue(totals.gross, rate));
    if (!onNet || !inGross)
        return std::nullopt;
    InvoiceFigures figures;
    figures.tax = DecimalSum(*onNet, *inGross);
    figures.excluded = DecimalDifference(DecimalSum(totals.net, totals.gross), *inGross);
    figures.included = DecimalSum(figures.excluded, figures.tax);
    return figures;
}

}  // namespace abacor
