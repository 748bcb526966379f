#include "settings/CalculatorSettings.h"

namespace abacor {

CalculatorSettings DefaultSettings()
{
    CalculatorSettings settings{};
    for (const SettingDescriptor& entry : kSettingsTable)
        settings.*entry.field = entry.defaultValue;
    return settings;
}

const SettingDescriptor* FindSetting(std::string_view name)
{
    for (const SettingDescriptor& entry : kSettingsTable) {
        if (entry.name == name)
            return &entry;
    }
    return nullptr;
}

AddButtonType AddButtonKind(std::uint32_t storedValue)
{
    if (storedValue >= 1 && storedValue <= 6)
        return static_cast<AddButtonType>(storedValue);
    return AddButtonType::None;
}

}  // namespace abacor
