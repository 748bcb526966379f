#include "settings/CalculatorSettings.h"

#include <cassert>

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
    // Without regard to case, as the store matches names.
    const auto same = [](std::string_view a, std::string_view b) {
        if (a.size() != b.size())
            return false;
        for (std::size_t i = 0; i < a.size(); ++i) {
            const auto fold = [](char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch + 32) : ch; };
            if (fold(a[i]) != fold(b[i]))
                return false;
        }
        return true;
    };
    for (const SettingDescriptor& entry : kSettingsTable) {
        if (same(entry.name, name))
            return &entry;
    }
    return nullptr;
}

KeyColours KeyGroupColours(const CalculatorSettings& settings, KeyGroup group)
{
    using S = CalculatorSettings;
    struct Fields {
        std::uint32_t S::*background;
        std::uint32_t S::*gradation;
        std::uint32_t S::*text;
    };
    static constexpr Fields kGroups[] = {
        {&S::ButtonBackColor1, &S::ButtonGradColor1, &S::ButtonTextColor1},
        {&S::ButtonBackColor2, &S::ButtonGradColor2, &S::ButtonTextColor2},
        {&S::ButtonBackColor3, &S::ButtonGradColor3, &S::ButtonTextColor3},
        {&S::ButtonBackColor4, &S::ButtonGradColor4, &S::ButtonTextColor4},
    };
    const int index = static_cast<int>(group) - 1;
    assert(index >= 0 && index < 4 && "a key group is 1 to 4");
    const Fields& fields = kGroups[index];
    return {settings.*fields.background, settings.*fields.gradation, settings.*fields.text};
}

AddButtonType AddButtonKind(std::uint32_t storedValue)
{
    if (storedValue >= 1 && storedValue <= kLastAddButtonType)
        return static_cast<AddButtonType>(storedValue);
    return AddButtonType::None;
}

}  // namespace abacor
