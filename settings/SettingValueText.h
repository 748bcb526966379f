#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "settings/CalculatorSettings.h"

namespace abacor {

// A 32-bit unsigned value written by hand: decimal, or hexadecimal after "0x".
// Empty when the text is not such a number or does not fit in 32 bits.
std::optional<std::uint32_t> ParseSettingValue(std::string_view text);

// Applies "Name=Value" to the record; false, with the record unchanged,
// when the name is unknown or the value malformed.
bool ApplySettingAssignment(CalculatorSettings& settings, std::string_view assignment);

}  // namespace abacor
