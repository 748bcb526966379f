#pragma once

#include "settings/CalculatorSettings.h"

namespace abacor::test {

// The phone's record: every desk switch off, the display ungrouped, as the
// design's worked examples assume (and two places for the selector, as the
// first desk functions had). The programs' defaults are the office's.
inline CalculatorSettings PhoneSettings()
{
    CalculatorSettings settings = DefaultSettings();
    settings.CommaFormatFlg = 0;
    settings.GrandTotalFlg = 0;
    settings.DeskTaxFlg = 0;
    settings.TaxSumFlg = 0;
    settings.ConstantMode = 0;
    settings.ItemCountFlg = 0;
    settings.DecimalSelector = 2;
    return settings;
}

}  // namespace abacor::test
