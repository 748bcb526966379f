#pragma once

#include <cstdint>

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

}  // namespace abacor
