#include "settings/SettingsStore.h"

#include "platform/store/UserStore.h"
#include "settings/SettingValueText.h"
#include "text/Utf.h"

namespace abacor {

namespace {
std::u16string ValueName(const SettingDescriptor& entry)
{
    return std::u16string(entry.name.begin(), entry.name.end());
}
}  // namespace

CalculatorSettings LoadSettings()
{
    CalculatorSettings settings = DefaultSettings();
    const auto key = UserStoreKey::OpenForRead(kSettingsKeyPath);
    if (!key)
        return settings;
    for (const SettingDescriptor& entry : kSettingsTable) {
        const auto text = key->QueryText(ValueName(entry));
        if (!text)
            continue;
        if (const auto value = ParseSettingValue(Utf8(*text)); value && *value <= entry.maximum)
            settings.*entry.field = *value;
    }
    return settings;
}

StoreResult SaveSettings(const CalculatorSettings& settings)
{
    auto key = UserStoreKey::CreateOrOpen(kSettingsKeyPath);
    if (!key)
        return {StoreFailure::Failed};
    for (const SettingDescriptor& entry : kSettingsTable)
        key->SetValue(ValueName(entry), settings.*entry.field);
    return key->Close();
}

bool DeleteSettings() { return UserStoreKey::DeleteKey(kSettingsKeyPath); }

}  // namespace abacor
