#pragma once

#include <cstdint>
#include <string_view>

// Plain constants, no Qt: the command table names its keyboard keys by them.
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

// The X keysym of the key at a virtual key's place on a US keyboard, as a
// key map prints it; empty for a code not named here.
constexpr std::string_view VirtualKeyName(std::uint32_t code)
{
    constexpr std::string_view kDigits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    constexpr std::string_view kLetters[] = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m",
                                             "n", "o", "p", "q", "r", "s", "t", "u", "v", "w", "x", "y", "z"};
    if (code >= Vk0 && code <= Vk0 + 9)
        return kDigits[code - Vk0];
    if (code >= VkA && code <= VkA + 25)
        return kLetters[code - VkA];
    switch (code) {
    case VkBack: return "BackSpace";
    case VkReturn: return "Return";
    case VkEscape: return "Escape";
    case VkLeft: return "Left";
    case VkUp: return "Up";
    case VkRight: return "Right";
    case VkDown: return "Down";
    case VkDelete: return "Delete";
    case VkMultiply: return "KP_Multiply";
    case VkAdd: return "KP_Add";
    case VkSubtract: return "KP_Subtract";
    case VkDecimal: return "KP_Decimal";
    case VkDivide: return "KP_Divide";
    case VkOemPeriod: return "period";
    case VkOem2: return "slash";
    case VkOem7: return "apostrophe";
    default: return {};
    }
}

}  // namespace abacor
