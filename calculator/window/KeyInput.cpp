#include "calculator/window/KeyInput.h"

#include <array>

#include "calculator/core/Calculator.h"
#include "calculator/core/CommandTable.h"
#include "calculator/window/DesktopKeys.h"
#include "platform/input/VirtualKeys.h"

namespace abacor {

namespace {

constexpr std::uint32_t kShift = VkShift;
constexpr std::uint32_t kDigit3 = VkDigit(3);
constexpr std::uint32_t kMultiply = VkMultiply;
constexpr std::uint32_t kOem7 = VkOem7;

struct KeyBinding {
    std::uint32_t code;
    KeyId key;
};

// Hardware keys and the on-screen key each stands for. The 3 key is handled apart:
// it is the digit 3 only when Shift did not come right before it.
// clang-format off
constexpr std::array kKeyBindings{
    KeyBinding{VkDigit(0), KeyId::Digit0}, KeyBinding{VkOem2, KeyId::Digit0},
    KeyBinding{VkDigit(1), KeyId::Digit1}, KeyBinding{VkLetter('Y'), KeyId::Digit1},
    KeyBinding{VkDigit(2), KeyId::Digit2}, KeyBinding{VkLetter('U'), KeyId::Digit2},
    KeyBinding{VkLetter('I'), KeyId::Digit3},
    KeyBinding{VkDigit(4), KeyId::Digit4}, KeyBinding{VkLetter('H'), KeyId::Digit4},
    KeyBinding{VkDigit(5), KeyId::Digit5}, KeyBinding{VkLetter('J'), KeyId::Digit5},
    KeyBinding{VkDigit(6), KeyId::Digit6}, KeyBinding{VkLetter('K'), KeyId::Digit6},
    KeyBinding{VkDigit(7), KeyId::Digit7}, KeyBinding{VkLetter('B'), KeyId::Digit7},
    KeyBinding{VkDigit(8), KeyId::Digit8}, KeyBinding{VkLetter('N'), KeyId::Digit8},
    KeyBinding{VkDigit(9), KeyId::Digit9}, KeyBinding{VkLetter('M'), KeyId::Digit9},
    KeyBinding{VkOemPeriod, KeyId::Point},
    KeyBinding{VkLetter('L'), KeyId::Sign},
    KeyBinding{VkUp, KeyId::Add},
    KeyBinding{VkDown, KeyId::Subtract},
    KeyBinding{VkLeft, KeyId::Multiply},
    KeyBinding{VkRight, KeyId::Divide},
    KeyBinding{VkBack, KeyId::ClearEntry},
};
// clang-format on

// The order taps are tested in: the first rectangle containing the point wins.
constexpr KeyId kHitOrder[] = {
    KeyId::Digit0,     KeyId::Digit1,     KeyId::Digit2,     KeyId::Digit3,     KeyId::Digit4,      KeyId::Digit5,
    KeyId::Digit6,     KeyId::Digit7,     KeyId::Digit8,     KeyId::Digit9,     KeyId::Add,         KeyId::Subtract,
    KeyId::Multiply,   KeyId::Divide,     KeyId::ClearEntry, KeyId::Equals,     KeyId::Point,       KeyId::Sign,
    KeyId::Percent,    KeyId::AllClear,   KeyId::Clear,      KeyId::SquareRoot, KeyId::TaxIncluded, KeyId::TaxExcluded,
    KeyId::GrandTotal, KeyId::RateSwitch, KeyId::DoubleZero,
};

// The one keyboard key a reader names for each on-screen key: the phone's
// bindings where they are plain keys, else the typed symbol.
struct KeyboardName {
    KeyId key;
    const char16_t* name;
};
constexpr KeyboardName kKeyboardNames[] = {
    {KeyId::Digit0, u"0"},     {KeyId::Digit1, u"1"},      {KeyId::Digit2, u"2"},
    {KeyId::Digit3, u"3"},     {KeyId::Digit4, u"4"},      {KeyId::Digit5, u"5"},
    {KeyId::Digit6, u"6"},     {KeyId::Digit7, u"7"},      {KeyId::Digit8, u"8"},
    {KeyId::Digit9, u"9"},     {KeyId::Point, u"."},       {KeyId::Sign, u"L"},
    {KeyId::Add, u"Up"},       {KeyId::Subtract, u"Down"}, {KeyId::Multiply, u"Left"},
    {KeyId::Divide, u"Right"}, {KeyId::Equals, u"Return"}, {KeyId::ClearEntry, u"BackSpace"},
    {KeyId::Clear, u"Escape"}, {KeyId::Percent, u"%"},
};

}  // namespace

QString KeyboardKeyName(KeyId key)
{
    for (const KeyboardName& entry : kKeyboardNames)
        if (entry.key == key)
            return QString::fromUtf16(entry.name);
    return {};
}

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

void KeyInput::Press(KeyId key, Calculator& calculator)
{
    if (press_)
        press_(key);
    else
        PressKey(key, calculator);
}

std::optional<KeyId> KeyInput::OnKeyDown(std::uint32_t code, Calculator& calculator, QStringView text)
{
    std::optional<KeyId> key = PhysicalKey(code, text);
    if (key)
        Press(*key, calculator);
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
        return KeyId::Point;
    if (code == kMultiply && lastKeyDown_ == kShift)
        return std::nullopt;
    // A symbol typed on a desktop keyboard means that symbol, on every layout.
    if (const auto typed = TypedKey(text)) {
        lastTyped_ = true;
        return typed;
    }

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
        key = DesktopKey(code);
    return key;
}

std::optional<KeyId> KeyInput::OnKeyUp(std::uint32_t code, Calculator& calculator)
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
        if (key)
            Press(*key, calculator);
    }
    prevKeyDown_ = lastKeyDown_;
    lastKeyDown_ = 0;
    return key;
}

}  // namespace abacor
