#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "settings/CalculatorSettings.h"

namespace abacor {

// Every key of the calculator window: the 18 fixed keys, then one per
// additional-key kind in AddButtonType order.
// clang-format off
enum class KeyId : int {
    Digit0, Digit1, Digit2, Digit3, Digit4, Digit5, Digit6, Digit7, Digit8, Digit9,
    Point, Sign, Add, Subtract, Multiply, Divide, Equals, ClearEntry,
    Percent, AllClear, Clear, SquareRoot, TaxIncluded, TaxExcluded,
};
// clang-format on
inline constexpr int kKeyCount = 24;
inline constexpr int kFixedKeyCount = 18;

constexpr int Index(KeyId key) { return static_cast<int>(key); }
constexpr KeyId DigitKey(int digit) { return static_cast<KeyId>(digit); }
// The key an additional-key kind 1..6 places.
constexpr KeyId AdditionalKey(AddButtonType kind)
{
    return static_cast<KeyId>(kFixedKeyCount - 1 + static_cast<int>(kind));
}
constexpr bool IsAdditional(KeyId key) { return Index(key) >= kFixedKeyCount; }

// What a key does to the calculator.
enum class KeyAction : int {
    EnterDigit,
    ChangeSign,
    Operator,
    ClearEntry,
    Percent,
    AllClear,
    Clear,
    SquareRoot,
    TaxIncluded,
    TaxExcluded,
};

// A key: its caption, the group whose colours it wears, what it does, and
// its name in the key language (the caption is a name too).
struct KeyDefinition {
    KeyId key;
    std::u16string_view caption;
    KeyGroup group;
    KeyAction action;
    int argument;            // EnterDigit: the character typed; Operator: its PendingOperator code
    std::string_view token;  // ASCII name
};

// The one table of keys; taps, hardware and desktop keys, paste and the
// tools' tokens all reach the calculator through it. "CE" reads "⇒" with
// ShiftKeyFlg on.
// clang-format off
inline constexpr std::array<KeyDefinition, kKeyCount> kKeys{{
    {KeyId::Digit0, u"０", KeyGroup::Digit, KeyAction::EnterDigit, '0', "0"},
    {KeyId::Digit1, u"１", KeyGroup::Digit, KeyAction::EnterDigit, '1', "1"},
    {KeyId::Digit2, u"２", KeyGroup::Digit, KeyAction::EnterDigit, '2', "2"},
    {KeyId::Digit3, u"３", KeyGroup::Digit, KeyAction::EnterDigit, '3', "3"},
    {KeyId::Digit4, u"４", KeyGroup::Digit, KeyAction::EnterDigit, '4', "4"},
    {KeyId::Digit5, u"５", KeyGroup::Digit, KeyAction::EnterDigit, '5', "5"},
    {KeyId::Digit6, u"６", KeyGroup::Digit, KeyAction::EnterDigit, '6', "6"},
    {KeyId::Digit7, u"７", KeyGroup::Digit, KeyAction::EnterDigit, '7', "7"},
    {KeyId::Digit8, u"８", KeyGroup::Digit, KeyAction::EnterDigit, '8', "8"},
    {KeyId::Digit9, u"９", KeyGroup::Digit, KeyAction::EnterDigit, '9', "9"},
    {KeyId::Point, u"．", KeyGroup::Digit, KeyAction::EnterDigit, '.', "."},
    {KeyId::Sign, u"+/-", KeyGroup::Calculation, KeyAction::ChangeSign, 0, "+/-"},
    {KeyId::Add, u"＋", KeyGroup::Calculation, KeyAction::Operator, 1, "+"},
    {KeyId::Subtract, u"－", KeyGroup::Calculation, KeyAction::Operator, 2, "-"},
    {KeyId::Multiply, u"×", KeyGroup::Calculation, KeyAction::Operator, 3, "*"},
    {KeyId::Divide, u"÷", KeyGroup::Calculation, KeyAction::Operator, 4, "/"},
    {KeyId::Equals, u"＝", KeyGroup::Calculation, KeyAction::Operator, 0, "="},
    {KeyId::ClearEntry, u"CE", KeyGroup::Clear, KeyAction::ClearEntry, 0, "CE"},
    {KeyId::Percent, u"％", KeyGroup::Calculation, KeyAction::Percent, 0, "%"},
    {KeyId::AllClear, u"CA", KeyGroup::Clear, KeyAction::AllClear, 0, "CA"},
    {KeyId::Clear, u"C", KeyGroup::Clear, KeyAction::Clear, 0, "C"},
    {KeyId::SquareRoot, u"√", KeyGroup::Calculation, KeyAction::SquareRoot, 0, "sqrt"},
    {KeyId::TaxIncluded, u"税込", KeyGroup::Tax, KeyAction::TaxIncluded, 0, "tax+"},
    {KeyId::TaxExcluded, u"税抜", KeyGroup::Tax, KeyAction::TaxExcluded, 0, "tax-"},
}};
// clang-format on

static_assert(
    [] {
        for (int i = 0; i < kKeyCount; ++i)
            if (Index(kKeys[static_cast<std::size_t>(i)].key) != i)
                return false;
        return true;
    }(),
    "kKeys is indexed by KeyId");

inline constexpr std::u16string_view kDigitDropCaption = u"⇒";

constexpr const KeyDefinition& Key(KeyId key) { return kKeys[static_cast<std::size_t>(Index(key))]; }

// The caption shown on a key.
constexpr std::u16string_view KeyCaption(KeyId key, const CalculatorSettings& settings)
{
    if (key == KeyId::ClearEntry && FlagOn(settings.ShiftKeyFlg))
        return kDigitDropCaption;
    return Key(key).caption;
}

}  // namespace abacor
