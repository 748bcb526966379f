#include "calculator/window/KeyInput.h"

#include <array>

#include "calculator/core/CommandTable.h"
#include "platform/input/VirtualKeys.h"

namespace abacor {

namespace {

constexpr std::uint32_t kShift = VkShift;
constexpr std::uint32_t kDigit3 = VkDigit(3);
constexpr std::uint32_t kMultiply = VkMultiply;
constexpr std::uint32_t kOem7 = VkOem7;

// The order taps are tested in: the first rectangle containing the point wins.
constexpr std::array<KeyId, kKeyCount> kHitOrder{
    KeyId::Digit0,     KeyId::Digit1,     KeyId::Digit2,     KeyId::Digit3,     KeyId::Digit4,      KeyId::Digit5,
    KeyId::Digit6,     KeyId::Digit7,     KeyId::Digit8,     KeyId::Digit9,     KeyId::Add,         KeyId::Subtract,
    KeyId::Multiply,   KeyId::Divide,     KeyId::ClearEntry, KeyId::Equals,     KeyId::Point,       KeyId::Sign,
    KeyId::Percent,    KeyId::AllClear,   KeyId::Clear,      KeyId::SquareRoot, KeyId::TaxIncluded, KeyId::TaxExcluded,
    KeyId::GrandTotal, KeyId::RateSwitch, KeyId::DoubleZero, KeyId::TaxSum,     KeyId::Cost,        KeyId::Sell,
    KeyId::Margin,     KeyId::Average,
};
static_assert(EveryKeyOnce(kHitOrder), "every key can be tapped");

}  // namespace

std::optional<KeyId> HitTest(const WindowLayout& layout, int x, int y)
{
    for (const KeyId key : kHitOrder)
        if (layout.KeyRect(key).Contains(x, y))
            return key;
    return std::nullopt;
}

namespace {

// The key a typed character means on every layout: digits, the point (also
// ","), the four operators, "=" and "%".
std::optional<KeyId> TypedKey(QStringView text)
{
    if (text.size() != 1)
        return std::nullopt;
    const char16_t ch = text.front().unicode();
    if (ch >= u'0' && ch <= u'9')
        return DigitKey(ch - u'0');
    switch (ch) {
    case u'.':
    case u',': return KeyId::Point;
    case u'+': return KeyId::Add;
    case u'-': return KeyId::Subtract;
    case u'*': return KeyId::Multiply;
    case u'/': return KeyId::Divide;
    case u'=': return KeyId::Equals;
    case u'%': return KeyId::Percent;
    default: return std::nullopt;
    }
}

}  // namespace

std::optional<KeyId> KeyInput::OnKeyDown(std::uint32_t code, QStringView text)
{
    const std::optional<KeyId> key = PhysicalKey(code, text);
    prevKeyDown_ = lastKeyDown_;
    lastKeyDown_ = code;
    return key;
}

std::optional<KeyId> KeyInput::PhysicalKey(std::uint32_t code, QStringView text)
{
    lastTyped_ = false;
    // The keypad's point whatever it types; Shift with the keypad's × stays
    // the phone's sign, given at the release of Shift.
    if (code == VkDecimal)
        return CommandOfKeyCode(code)->key;
    if (code == kMultiply && lastKeyDown_ == kShift)
        return std::nullopt;
    // A symbol typed on a desktop keyboard means that symbol, on every layout.
    if (const auto typed = TypedKey(text)) {
        lastTyped_ = true;
        return typed;
    }

    if (code == kDigit3)
        return lastKeyDown_ != kShift ? std::optional(KeyId::Digit3) : std::nullopt;
    if (const Command* command = CommandOfKeyCode(code))
        return command->key;
    return std::nullopt;
}

std::optional<KeyId> KeyInput::OnKeyUp(std::uint32_t code)
{
    if (code != kShift)
        return std::nullopt;
    std::optional<KeyId> key;
    // Only a chord that typed no calculator symbol is the phone's.
    if (prevKeyDown_ == kShift && !lastTyped_) {
        if (lastKeyDown_ == kDigit3)
            key = KeyId::Point;
        else if (lastKeyDown_ == kMultiply || lastKeyDown_ == kOem7)
            key = KeyId::Sign;
    }
    prevKeyDown_ = lastKeyDown_;
    lastKeyDown_ = 0;
    return key;
}

}  // namespace abacor
