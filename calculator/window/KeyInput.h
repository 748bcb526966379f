#pragma once

#include <cstdint>
#include <optional>

#include <QStringView>

#include "calculator/display/WindowLayout.h"
#include "calculator/keys/Keys.h"

namespace abacor {

class Calculator;

// The phone's hardware keys: a virtual-key code chooses an operation and the
// on-screen key that flashes for it. Letter keys form a second numeric pad;
// Shift followed by "3" gives the point, followed by 0x6A or 0xDE the sign,
// each on the release of Shift.
class KeyInput {
public:
    // OnKeyDown: runs the key's operation; returns the key to flash, if any.
    // A code the phone leaves unbound may act as a desktop key (DesktopKey)
    // by its code or by text, what it types in the current layout.
    std::optional<KeyId> OnKeyDown(std::uint32_t code, Calculator& calculator, QStringView text = {});
    // OnKeyUp: the Shift sequences; returns the key to flash, if any.
    std::optional<KeyId> OnKeyUp(std::uint32_t code, Calculator& calculator);

private:
    std::uint32_t lastKeyDown_ = 0;
    std::uint32_t prevKeyDown_ = 0;
};

// The key under a tap, testing the rectangles in the hit order; none for the
// display, the gaps and empty cells.
std::optional<KeyId> HitTest(const WindowLayout& layout, int x, int y);

}  // namespace abacor
