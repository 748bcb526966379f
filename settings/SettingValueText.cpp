#include "settings/SettingValueText.h"

#include <charconv>

namespace abacor {

std::optional<std::uint32_t> ParseSettingValue(std::string_view text)
{
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    // from_chars would accept a leading '-' for signed types only, but be explicit.
    if (text.empty() || text.front() == '-' || text.front() == '+')
        return std::nullopt;
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

bool ApplySettingAssignment(CalculatorSettings& settings, std::string_view assignment)
{
    const auto equals = assignment.find('=');
    if (equals == std::string_view::npos)
        return false;
    const SettingDescriptor* entry = FindSetting(assignment.substr(0, equals));
    const auto value = ParseSettingValue(assignment.substr(equals + 1));
    if (entry == nullptr || !value || *value > entry->maximum)
        return false;
    settings.*entry->field = *value;
    return true;
}

}  // namespace abacor
