#pragma once

#include <string_view>

#include "calculator/core/Calculator.h"
#include "settings/CalculatorSettings.h"

namespace abacor {

enum class TokenOutcome {
    Applied,
    Unknown,  // not a token of the key language, or a malformed one
};

// Applies one token of the developer tools' key language (UTF-8):
// digits and ".", the operators in ASCII or as shown on the keys, "=", "+/-",
// "CE"/"⇒", "C", "CA", the function commands, "#N" (command id N through the
// command table; window-only commands change nothing) and "set:Name=Value"
// (one settings value, nothing else changed). The calculator must read
// settings, so that a set: takes effect on the next key.
TokenOutcome ApplyKeyToken(Calculator& calculator, CalculatorSettings& settings, std::string_view token);

}  // namespace abacor
