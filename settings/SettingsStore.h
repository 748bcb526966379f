#pragma once

#include "platform/store/UserStore.h"
#include "settings/CalculatorSettings.h"

namespace abacor {

// The record's key in the per-user store.
inline constexpr char16_t kSettingsKeyPath[] = u"\\Software\\Korvel\\Abacor";

// Every value from the store, each falling back to its default when missing
// or unreadable; all defaults, and nothing created, when there is no key.
CalculatorSettings LoadSettings();

// Writes every value in table order as one atomic update. False when the
// store could not be written; the record stored before is then intact.
StoreResult SaveSettings(const CalculatorSettings& settings);

// Deletes the key. False when it is still there.
[[nodiscard]] bool DeleteSettings();

}  // namespace abacor
