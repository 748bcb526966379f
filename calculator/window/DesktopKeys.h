#pragma once

#include <QStringView>

#include <cstdint>
#include <optional>

#include "calculator/keys/Keys.h"

namespace abacor {

// What a desktop keyboard adds for a key the phone's bindings leave unbound
// and that types no calculator symbol: the keypad's operators and point
// (with Num Lock off), Delete for "CE", Escape for "C".
std::optional<KeyId> DesktopKey(std::uint32_t code);

}  // namespace abacor
