#pragma once

#include <cstdint>

class QKeyEvent;

namespace abacor {

// Windows virtual-key codes of the keys the calculator knows.
enum VirtualKey : std::uint32_t {
    VK_NONE = 0,
    VK_BACK = 0x08,
    VK_RETURN = 0x0D,
    VK_SHIFT = 0x10,
    VK_ESCAPE = 0x1B,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_DELETE = 0x2E,
    VK_0 = 0x30,  // to 0x39
    VK_A = 0x41,  // to 0x5A
    VK_MULTIPLY = 0x6A,
    VK_ADD = 0x6B,
    VK_SUBTRACT = 0x6D,
    VK_DECIMAL = 0x6E,
    VK_DIVIDE = 0x6F,
    VK_F1 = 0x70,
    VK_F2 = 0x71,
    VK_OEM_PERIOD = 0xBE,
    VK_OEM_2 = 0xBF,
    VK_OEM_7 = 0xDE,
};

// The virtual-key code of the physical key behind a key event, whatever the
// keyboard layout prints on it: Shift then "3" is VK_SHIFT then 0x33. Uses
// the native virtual key on Windows and the keycode alone under X11 or
// Wayland; only where there is no native code does Qt's key (US layout)
// stand in. VK_NONE for keys the calculator does not know.
std::uint32_t VirtualKeyFromEvent(const QKeyEvent& event);

// The X11 keycode (evdev code + 8) of a physical key, US positions.
std::uint32_t VirtualKeyFromX11Keycode(std::uint32_t keycode);

// Qt's key for the US layout, shifted symbols mapped back to their keys.
std::uint32_t VirtualKeyFromQtKey(int key, bool keypad);

}  // namespace abacor
