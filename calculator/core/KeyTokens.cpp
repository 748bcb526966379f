#include "calculator/core/KeyTokens.h"

#include <charconv>

#include "calculator/core/CommandTable.h"
#include "settings/SettingValueText.h"

namespace abacor {

namespace {

constexpr std::string_view kSetPrefix = "set:";

}  // namespace

TokenOutcome ApplyKeyToken(Calculator& calculator, CalculatorSettings& settings, std::string_view token)
{
    if (token.size() > 1 && token.front() == '#') {
        int id = 0;
        const auto [end, error] = std::from_chars(token.data() + 1, token.data() + token.size(), id);
        if (error != std::errc{} || end != token.data() + token.size())
            return TokenOutcome::Unknown;
        // A window-only or unknown command changes nothing headless.
        DispatchCommand(calculator, id);
        return TokenOutcome::Applied;
    }

    // A window-only command has no token.
    if (const Command* command = CommandOfToken(token)) {
        RunCommand(calculator, *command);
        return TokenOutcome::Applied;
    }

    if (token.starts_with(kSetPrefix)) {
        return ApplySettingAssignment(settings, token.substr(kSetPrefix.size())) ? TokenOutcome::Applied
                                                                                 : TokenOutcome::Unknown;
    }
    return TokenOutcome::Unknown;
}

}  // namespace abacor
