#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "settings/CalculatorSettings.h"

namespace abacor {

// Every key of the calculator window: the 18 fixed keys, then one per
// additional-key kind in AddButtonType order.
enum class KeyId : int {
    Digit0, Digit1, Digit2, Digit3, Digit4, Digit5, Digit6, Digit7, Digit8, Digit9,
    Point, Sign, Add, Subtract, Multiply, Divide, Equals, ClearEntry,
    Percent, AllClear, Clear, SquareRoot, TaxIncluded, TaxExcluded,
};
inline constexpr int kKeyCount = 24;
inline constexpr int kFixedKeyCount = 18;

constexpr int Index(KeyId key) { return static_cast<int>(key); }
constexpr KeyId DigitKey(int digit) { return static_cast<KeyId>(digit); }
// The key an additional-key kind 1..6 places.
constexpr KeyId AdditionalKey(AddButtonType kind) { return static_cast<KeyId>(kFixedKeyCount - 1 + static_cast<int>(kind)); }
constexpr bool IsAdditional(KeyId key) { return Index(key) >= kFixedKeyCount; }

// One face each in the key-face strip; 5 is the tall "＝" of the landscape grid.
enum class KeyStyle : int { Digit = 1, Calculation = 2, Clear = 3, Tax = 4, TallEquals = 5 };

struct KeyFace {
    KeyId key;
    std::u16string_view caption;
    KeyStyle style;
    std::uint32_t CalculatorSettings::*captionColor;
};

// Captions, face styles and caption colours; "CE" reads "⇒" with ShiftKeyFlg on
// and "＝" takes the tall face in landscape.
inline constexpr std::array<KeyFace, kKeyCount> kKeyFaces{{
    {KeyId::Digit0, u"０", KeyStyle::Digit, &CalculatorSettings::ButtonTextColor1},
    {KeyId::Digit1, u"１", KeyStyle::Digit, &CalculatorSettings::ButtonTextColor1},
    {KeyId::Digit2, u"２", KeyStyle::Digit, &CalculatorSettings::ButtonTextColor1},
    {KeyId::Digit3, u"３", KeyStyle::Digit, &CalculatorSettings::ButtonTextColor1},
    {KeyId::Digit4, u"４", KeyStyle::Digit, &CalculatorSettings::ButtonTextColor1},
    {KeyId::Digit5, u"５", KeyStyle::Digit, &CalculatorSettings::ButtonTextColor1},
    {KeyId::Digit6, u"６", KeyStyle::Digit, &CalculatorSettings::ButtonTextColor1},
    {KeyId::Digit7, u"７", KeyStyle::Digit, &CalculatorSettings::ButtonTextColor1},
    {KeyId::Digit8, u"８", KeyStyle::Digit, &CalculatorSettings::ButtonTextColor1},
    {KeyId::Digit9, u"９", KeyStyle::Digit, &CalculatorSettings::ButtonTextColor1},
    {KeyId::Point, u"．", KeyStyle::Digit, &CalculatorSettings::ButtonTextColor1},
    {KeyId::Sign, u"+/-", KeyStyle::Calculation, &CalculatorSettings::ButtonTextColor2},
    {KeyId::Add, u"＋", KeyStyle::Calculation, &CalculatorSettings::ButtonTextColor2},
    {KeyId::Subtract, u"－", KeyStyle::Calculation, &CalculatorSettings::ButtonTextColor2},
    {KeyId::Multiply, u"×", KeyStyle::Calculation, &CalculatorSettings::ButtonTextColor2},
    {KeyId::Divide, u"÷", KeyStyle::Calculation, &CalculatorSettings::ButtonTextColor2},
    {KeyId::Equals, u"＝", KeyStyle::Calculation, &CalculatorSettings::ButtonTextColor2},
    {KeyId::ClearEntry, u"CE", KeyStyle::Clear, &CalculatorSettings::ButtonTextColor3},
    {KeyId::Percent, u"％", KeyStyle::Calculation, &CalculatorSettings::ButtonTextColor2},
    {KeyId::AllClear, u"CA", KeyStyle::Clear, &CalculatorSettings::ButtonTextColor3},
    {KeyId::Clear, u"C", KeyStyle::Clear, &CalculatorSettings::ButtonTextColor3},
    {KeyId::SquareRoot, u"√", KeyStyle::Calculation, &CalculatorSettings::ButtonTextColor2},
    {KeyId::TaxIncluded, u"税込", KeyStyle::Tax, &CalculatorSettings::ButtonTextColor4},
    {KeyId::TaxExcluded, u"税抜", KeyStyle::Tax, &CalculatorSettings::ButtonTextColor4},
}};

inline constexpr std::u16string_view kDigitDropCaption = u"⇒";

// The caption shown on a key.
constexpr std::u16string_view KeyCaption(KeyId key, const CalculatorSettings& settings)
{
    if (key == KeyId::ClearEntry && FlagOn(settings.ShiftKeyFlg))
        return kDigitDropCaption;
    return kKeyFaces[static_cast<std::size_t>(Index(key))].caption;
}

}  // namespace abacor
