#include "calculator/window/KeyInput.h"

#include <array>

#include "calculator/core/Calculator.h"
#include "calculator/core/CommandTable.h"
#include "calculator/window/DesktopKeys.h"

namespace abacor {

namespace {

constexpr std::uint32_t kShift = 0x10;
constexpr std::uint32_t kDigit3 = 0x33;
constexpr std::uint32_t kMultiply = 0x6A;
constexpr std::uint32_t kOem7 = 0xDE;

struct KeyBinding {
    std::uint32_t code;
    KeyId key;
};

// Hardware keys and the on-screen key each stands for. 0x33 is handled apart:
// it is the digit 3 only when Shift did not come right before it.
// clang-format off
constexpr std::array kKeyBindings{
    KeyBinding{0x30, KeyId::Digit0}, KeyBinding{0xBF, KeyId::Digit0},
    KeyBinding{0x31, KeyId::Digit1}, KeyBinding{0x59, KeyId::Digit1},
    KeyBinding{0x32, KeyId::Digit2}, KeyBinding{0x55, KeyId::Digit2},
    KeyBinding{0x49, KeyId::Digit3},
    KeyBinding{0x34, KeyId::Digit4}, KeyBinding{0x48, KeyId::Digit4},
    KeyBinding{0x35, KeyId::Digit5}, KeyBinding{0x4A, KeyId::Digit5},
    KeyBinding{0x36, KeyId::Digit6}, KeyBinding{0x4B, KeyId::Digit6},
    KeyBinding{0x37, KeyId::Digit7}, KeyBinding{0x42, KeyId::Digit7},
    KeyBinding{0x38, KeyId::Digit8}, KeyBinding{0x4E, KeyId::Digit8},
    KeyBinding{0x39, KeyId::Digit9}, KeyBinding{0x4D, KeyId::Digit9},
    KeyBinding{0xBE, KeyId::Point},
    KeyBinding{0x4C, KeyId::Sign},
    KeyBinding{0x26, KeyId::Add},
    KeyBinding{0x28, KeyId::Subtract},
    KeyBinding{0x25, KeyId::Multiply},
    KeyBinding{0x27, KeyId::Divide},
    KeyBinding{0x08, KeyId::ClearEntry},
};
// clang-format on

// The order taps are tested in: the first rectangle containing the point wins.
constexpr KeyId kHitOrder[] = {
    KeyId::Digit0,   KeyId::Digit1,   KeyId::Digit2,     KeyId::Digit3,     KeyId::Digit4,      KeyId::Digit5,
    KeyId::Digit6,   KeyId::Digit7,   KeyId::Digit8,     KeyId::Digit9,     KeyId::Add,         KeyId::Subtract,
    KeyId::Multiply, KeyId::Divide,   KeyId::ClearEntry, KeyId::Equals,     KeyId::Point,       KeyId::Sign,
    KeyId::Percent,  KeyId::AllClear, KeyId::Clear,      KeyId::SquareRoot, KeyId::TaxIncluded, KeyId::TaxExcluded,
};

}  // namespace

std::optional<KeyId> HitTest(const WindowLayout& layout, int x, int y)
{
    for (const KeyId key : kHitOrder)
        if (layout.KeyRect(key).Contains(x, y))
            return key;
    return std::nullopt;
}

std::optional<KeyId> KeyInput::OnKeyDown(std::uint32_t code, Calculator& calculator, QStringView text)
{
    std::optional<KeyId> key;
    bool bound = code == kDigit3 || code == kShift || code == kOem7;
    if (code == kDigit3) {
        if (lastKeyDown_ != kShift)
            key = KeyId::Digit3;
    } else {
        for (const KeyBinding& binding : kKeyBindings) {
            if (binding.code == code) {
                key = binding.key;
                bound = true;
            }
        }
    }
    if (!bound)
        key = DesktopKey(code, text, lastKeyDown_);
    if (key)
        PressKey(*key, calculator);
    prevKeyDown_ = lastKeyDown_;
    lastKeyDown_ = code;
    return key;
}

std::optional<KeyId> KeyInput::OnKeyUp(std::uint32_t code, Calculator& calculator)
{
    if (code != kShift)
        return std::nullopt;
    std::optional<KeyId> key;
    if (prevKeyDown_ == kShift) {
        if (lastKeyDown_ == kDigit3)
            key = KeyId::Point;
        else if (lastKeyDown_ == kMultiply || lastKeyDown_ == kOem7)
            key = KeyId::Sign;
        if (key)
            PressKey(*key, calculator);
    }
    prevKeyDown_ = lastKeyDown_;
    lastKeyDown_ = 0;
    return key;
}

}  // namespace abacor
