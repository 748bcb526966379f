#pragma once

#include <cstdint>

class QKeyEvent;

namespace abacor {

// Windows virtual-key codes of the keys the calculator knows.
enum VirtualKey : std::uint32_t {
    VkNone = 0,
    VkBack = 0x08,
    VkReturn = 0x0D,
    VkShift = 0x10,
    VkEscape = 0x1B,
    VkLeft = 0x25,
    VkUp = 0x26,
    VkRight = 0x27,
    VkDown = 0x28,
    VkDelete = 0x2E,
    Vk0 = 0x30,        // to 0x39
    VkA = 0x41,        // to 0x5A
    VkNumpad0 = 0x60,  // to 0x69
    VkMultiply = 0x6A,
    VkAdd = 0x6B,
    VkSubtract = 0x6D,
    VkDecimal = 0x6E,
    VkDivide = 0x6F,
    VkF1 = 0x70,
    VkF2 = 0x71,
    VkOemPeriod = 0xBE,
    VkOem2 = 0xBF,
    VkOem7 = 0xDE,
};

constexpr std::uint32_t VkDigit(int digit) { return Vk0 + static_cast<std::uint32_t>(digit); }
constexpr std::uint32_t VkLetter(char letter) { return VkA + static_cast<std::uint32_t>(letter - 'A'); }

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
