#pragma once

#include <array>
#include <cstdint>
#include <iterator>
#include <string_view>
#include <utility>

#include "settings/CalculatorSettings.h"

namespace abacor {

// Every key of the calculator window: the 18 fixed keys, then one per
// additional-key kind in AddButtonType order. What each key does, its
// caption and its tokens are rows of the calculator's command table.
// clang-format off
enum class KeyId : int {
    Digit0, Digit1, Digit2, Digit3, Digit4, Digit5, Digit6, Digit7, Digit8, Digit9,
    Point, Sign, Add, Subtract, Multiply, Divide, Equals, ClearEntry,
    Percent, AllClear, Clear, SquareRoot, TaxIncluded, TaxExcluded,
    GrandTotal, RateSwitch, DoubleZero, TaxSum, Cost, Sell, Margin, Average,
    Hms, Date, DaysTo,
};
// clang-format on
inline constexpr int kKeyCount = 35;
inline constexpr int kFixedKeyCount = 18;

constexpr int Index(KeyId key) { return static_cast<int>(key); }
constexpr KeyId DigitKey(int digit) { return static_cast<KeyId>(digit); }
// The key an additional-key kind 1..17 places.
constexpr KeyId AdditionalKey(AddButtonType kind)
{
    return static_cast<KeyId>(kFixedKeyCount - 1 + static_cast<int>(kind));
}
constexpr bool IsAdditional(KeyId key) { return Index(key) >= kFixedKeyCount; }
// The stored kinds and the additional keys are in one order, kind by kind.
constexpr bool AdditionalKeysInKindOrder()
{
    constexpr std::pair<AddButtonType, KeyId> kPairs[] = {
        {AddButtonType::Percent, KeyId::Percent},
        {AddButtonType::AllClear, KeyId::AllClear},
        {AddButtonType::Clear, KeyId::Clear},
        {AddButtonType::SquareRoot, KeyId::SquareRoot},
        {AddButtonType::TaxIncluded, KeyId::TaxIncluded},
        {AddButtonType::TaxExcluded, KeyId::TaxExcluded},
        {AddButtonType::GrandTotal, KeyId::GrandTotal},
        {AddButtonType::RateSwitch, KeyId::RateSwitch},
        {AddButtonType::DoubleZero, KeyId::DoubleZero},
        {AddButtonType::TaxSum, KeyId::TaxSum},
        {AddButtonType::Cost, KeyId::Cost},
        {AddButtonType::Sell, KeyId::Sell},
        {AddButtonType::Margin, KeyId::Margin},
        {AddButtonType::Average, KeyId::Average},
        {AddButtonType::Hms, KeyId::Hms},
        {AddButtonType::Date, KeyId::Date},
        {AddButtonType::DaysTo, KeyId::DaysTo},
    };
    for (const auto& [kind, key] : kPairs)
        if (AdditionalKey(kind) != key)
            return false;
    return std::size(kPairs) == kLastAddButtonType && kFixedKeyCount + kLastAddButtonType == kKeyCount;
}
static_assert(AdditionalKeysInKindOrder(), "a stored kind for every additional key, in the keys' order");

// Every key: the given ones first, in their order, then the others in KeyId
// order (a new key is painted and tapped with no list to extend).
template <std::size_t N>
constexpr std::array<KeyId, kKeyCount> KeysAfter(const std::array<KeyId, N>& first)
{
    std::array<KeyId, kKeyCount> order{};
    std::size_t at = 0;
    for (const KeyId key : first)
        order[at++] = key;
    for (int i = 0; i < kKeyCount; ++i) {
        bool given = false;
        for (const KeyId key : first)
            given = given || Index(key) == i;
        if (!given)
            order[at++] = static_cast<KeyId>(i);
    }
    return order;
}

// Whether an order of the keys (painting, hit-testing) names each key once.
constexpr bool EveryKeyOnce(const std::array<KeyId, kKeyCount>& order)
{
    std::array<bool, kKeyCount> seen{};
    for (const KeyId key : order) {
        if (Index(key) < 0 || Index(key) >= kKeyCount || seen[static_cast<std::size_t>(Index(key))])
            return false;
        seen[static_cast<std::size_t>(Index(key))] = true;
    }
    return true;
}

// What the display draws on a key: its caption in its group's colours. The
// window hands these over; the display never sees what a key does.
struct KeyFace {
    std::u16string_view caption;
    KeyGroup group = KeyGroup::Digit;
};
using KeyFaces = std::array<KeyFace, kKeyCount>;

}  // namespace abacor
