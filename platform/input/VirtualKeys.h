#pragma once

#include <cstdint>

#include "platform/input/VirtualKeyCodes.h"

class QKeyEvent;

namespace abacor {

// The virtual-key code of the physical key behind a key event, whatever the
// keyboard layout prints on it: Shift then "3" is VkShift then 0x33. Uses
// the scan code on Windows and the keycode under X11 or Wayland; only where there is no native code does Qt's key (US
// layout) stand in. VkNone for keys the calculator does not know.
std::uint32_t VirtualKeyFromEvent(const QKeyEvent& event);

// The X11 keycode (evdev code + 8) of a physical key, US positions.
std::uint32_t VirtualKeyFromX11Keycode(std::uint32_t keycode);

// The scan code Windows reports (set 1, 0x100 on the extended keys), by the
// same physical key's place as under X11.
std::uint32_t VirtualKeyFromWindowsScanCode(std::uint32_t scanCode);

// Qt's key for the US layout, shifted symbols mapped back to their keys.
std::uint32_t VirtualKeyFromQtKey(int key, bool keypad);

}  // namespace abacor
