#pragma once

// What each platform's store provides under UserStoreKey: one file per
// platform, chosen by the build.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/store/UserStore.h"

namespace abacor::store {

enum class KeyStatus { Missing, Unreadable, Read };

struct KeyValues {
    KeyStatus status = KeyStatus::Missing;
    std::map<std::u16string, std::u16string> texts;  // by lower-case name
};

std::u16string KeyLocation(std::u16string_view path);
KeyValues ReadKey(std::u16string_view path);
[[nodiscard]] StoreFailure WriteKey(std::u16string_view path,
                                    const std::vector<std::pair<std::u16string, std::uint32_t>>& values);
[[nodiscard]] bool RemoveKey(std::u16string_view path);

}  // namespace abacor::store
