#pragma once

#include <QStringView>

#include <cstdint>
#include <optional>

#include "calculator/keys/Keys.h"

namespace abacor {

// What a desktop keyboard adds for a key the phone's bindings leave unbound:
// the keypad's operators and point, Delete for "CE", Escape for "C", and any
// key whose text in the current layout is "+", "-", "*", "/", "=" or "%".
// The keypad's × (0x6A) right after Shift stays the phone's sign sequence.
// lastKeyDown is the code pressed before this one.
std::optional<KeyId> DesktopKey(std::uint32_t code, QStringView text, std::uint32_t lastKeyDown);

}  // namespace abacor
