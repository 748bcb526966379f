#include "calculator/window/KeyInput.h"

#include <array>

#include <QLocale>

#include "calculator/core/CommandTable.h"
#include "calculator/window/KeyBindings.h"
#include "platform/input/VirtualKeys.h"

namespace abacor {

namespace {

constexpr std::uint32_t kShift = VkShift;
constexpr std::uint32_t kDigit3 = VkDigit(3);
constexpr std::uint32_t kMultiply = VkMultiply;
constexpr std::uint32_t kOem7 = VkOem7;

// The order taps are tested in: the first rectangle containing the point
// wins; the keys' own order.
constexpr std::array<KeyId, kKeyCount> kHitOrder = KeysAfter(std::array<KeyId, 0>{});
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

// The key a typed character means on every layout: digits, the point (and
// "," where the locale writes decimals with it), the four operators, "="
// "%" and "#" (非加算); ignored says a "," that only groups.
const Command* TypedKey(QStringView text, bool& ignored)
{
    ignored = false;
    if (text.size() != 1)
        return nullptr;
    const char16_t ch = text.front().unicode();
    if (ch == u',') {
        if (QLocale().decimalPoint() == QStringLiteral(","))
            return &CommandOfKey(KeyId::Point);
        ignored = true;
        return nullptr;
    }
    return CommandOfTypedSymbol(ch);
}

}  // namespace

const Command* KeyInput::OnKeyDown(std::uint32_t code, QStringView text)
{
    const Command* command = PhysicalKey(code, text);
    prevKeyDown_ = lastKeyDown_;
    lastKeyDown_ = code;
    return command;
}

const Command* KeyInput::PhysicalKey(std::uint32_t code, QStringView text)
{
    lastTyped_ = false;
    // The keypad's point whatever it types; Shift with the keypad's × stays
    // the phone's sign, given at the release of Shift.
    if (code == VkDecimal)
        return CommandOfKeyCode(code);
    if (code == kMultiply && lastKeyDown_ == kShift)
        return nullptr;
    // A symbol typed on a desktop keyboard means that symbol, on every layout.
    bool ignored = false;
    if (const Command* typed = TypedKey(text, ignored); typed != nullptr || ignored) {
        lastTyped_ = true;
        return typed;
    }

    if (code == kDigit3)
        return lastKeyDown_ != kShift ? &CommandOfKey(KeyId::Digit3) : nullptr;
    return CommandOfKeyCode(code);
}

const Command* KeyInput::OnKeyUp(std::uint32_t code)
{
    if (code != kShift)
        return nullptr;
    const Command* command = nullptr;
    // Only a chord that typed no calculator symbol is the phone's.
    if (prevKeyDown_ == kShift && !lastTyped_) {
        if (lastKeyDown_ == kDigit3)
            command = &CommandOfKey(KeyId::Point);
        else if (lastKeyDown_ == kMultiply || lastKeyDown_ == kOem7)
            command = &CommandOfKey(KeyId::Sign);
    }
    prevKeyDown_ = lastKeyDown_;
    lastKeyDown_ = 0;
    return command;
}

}  // namespace abacor
