#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "text/Translatable.h"

namespace abacor {

// The one record both programs share; field names are the stored value names.
struct CalculatorSettings {
    std::uint32_t DialogBackColor;
    std::uint32_t StaticBackColor;
    std::uint32_t StaticTextColor;
    std::uint32_t StaticLineColor;
    std::uint32_t ButtonBackColor1;
    std::uint32_t ButtonBackColor2;
    std::uint32_t ButtonBackColor3;
    std::uint32_t ButtonBackColor4;
    std::uint32_t ButtonGradColor1;
    std::uint32_t ButtonGradColor2;
    std::uint32_t ButtonGradColor3;
    std::uint32_t ButtonGradColor4;
    std::uint32_t ButtonTextColor1;
    std::uint32_t ButtonTextColor2;
    std::uint32_t ButtonTextColor3;
    std::uint32_t ButtonTextColor4;
    std::uint32_t ButtonLineColor;
    std::uint32_t LabelTextColor;
    std::uint32_t RoundButtonFlg;
    std::uint32_t CommaFormatFlg;
    std::uint32_t ShiftKeyFlg;
    std::uint32_t ClearMenuFlg;
    std::uint32_t NumKeyRevFlg;
    std::uint32_t ClearTypeFlg;
    std::uint32_t GradationFlg;
    std::uint32_t AddButton1Type;
    std::uint32_t AddButton2Type;
    std::uint32_t AddButton3Type;
    std::uint32_t AddButton4Type;
    std::uint32_t TaxPercent;
    // The desk functions, on as an office expects them (GT, the desk tax
    // keys); the rounding selector at F keeps every figure as typed, and one
    // press of its switch (CUT, 0 places) gives whole yen.
    std::uint32_t RoundSelector;
    std::uint32_t DecimalSelector;
    std::uint32_t GrandTotalFlg;
    std::uint32_t DeskTaxFlg;
    std::uint32_t TaxPercent2;
    // The tape: kept across runs, and the calculator's state with it.
    std::uint32_t TapeKeepFlg;
    std::uint32_t KeepStateFlg;
    // The office keys, on: per-rate totals, a constant by an operator
    // pressed twice, the item count.
    std::uint32_t TaxSumFlg;
    std::uint32_t ConstantMode;
    std::uint32_t ItemCountFlg;
    // How 〜 counts days: 0 one end, 1 both ends, 2 neither.
    std::uint32_t DayCountMode;

    friend bool operator==(const CalculatorSettings&, const CalculatorSettings&) = default;
};

struct SettingDescriptor {
    std::string_view name;
    std::uint32_t CalculatorSettings::*field;
    std::uint32_t defaultValue;
    // A stored value above this loads as the default.
    std::uint32_t maximum = 0xFFFFFFFFu;
};

inline constexpr int kSettingCount = 41;

// Table order is load and save order.
inline constexpr std::array<SettingDescriptor, kSettingCount> kSettingsTable{{
    {"DialogBackColor", &CalculatorSettings::DialogBackColor, 0xC8C8C8},
    {"StaticBackColor", &CalculatorSettings::StaticBackColor, 0xFFFFFF},
    {"StaticTextColor", &CalculatorSettings::StaticTextColor, 0x000000},
    {"StaticLineColor", &CalculatorSettings::StaticLineColor, 0x000000},
    {"ButtonBackColor1", &CalculatorSettings::ButtonBackColor1, 0xE1E1E1},
    {"ButtonBackColor2", &CalculatorSettings::ButtonBackColor2, 0xE1E1E1},
    {"ButtonBackColor3", &CalculatorSettings::ButtonBackColor3, 0xE1E1E1},
    {"ButtonBackColor4", &CalculatorSettings::ButtonBackColor4, 0xE1E1E1},
    {"ButtonGradColor1", &CalculatorSettings::ButtonGradColor1, 0xFFFFFF},
    {"ButtonGradColor2", &CalculatorSettings::ButtonGradColor2, 0xFFFFFF},
    {"ButtonGradColor3", &CalculatorSettings::ButtonGradColor3, 0xFFFFFF},
    {"ButtonGradColor4", &CalculatorSettings::ButtonGradColor4, 0xFFFFFF},
    {"ButtonTextColor1", &CalculatorSettings::ButtonTextColor1, 0x000000},
    {"ButtonTextColor2", &CalculatorSettings::ButtonTextColor2, 0x000000},
    {"ButtonTextColor3", &CalculatorSettings::ButtonTextColor3, 0x000000},
    {"ButtonTextColor4", &CalculatorSettings::ButtonTextColor4, 0x000000},
    {"ButtonLineColor", &CalculatorSettings::ButtonLineColor, 0x000000},
    {"LabelTextColor", &CalculatorSettings::LabelTextColor, 0x000000},
    {"RoundButtonFlg", &CalculatorSettings::RoundButtonFlg, 0},
    {"CommaFormatFlg", &CalculatorSettings::CommaFormatFlg, 1},
    {"ShiftKeyFlg", &CalculatorSettings::ShiftKeyFlg, 0},
    {"ClearMenuFlg", &CalculatorSettings::ClearMenuFlg, 0},
    {"NumKeyRevFlg", &CalculatorSettings::NumKeyRevFlg, 0},
    {"ClearTypeFlg", &CalculatorSettings::ClearTypeFlg, 0},
    {"GradationFlg", &CalculatorSettings::GradationFlg, 0},
    {"AddButton1Type", &CalculatorSettings::AddButton1Type, 0},
    {"AddButton2Type", &CalculatorSettings::AddButton2Type, 0},
    {"AddButton3Type", &CalculatorSettings::AddButton3Type, 0},
    {"AddButton4Type", &CalculatorSettings::AddButton4Type, 0},
    {"TaxPercent", &CalculatorSettings::TaxPercent, 1000},
    {"RoundSelector", &CalculatorSettings::RoundSelector, 0, 3},
    {"DecimalSelector", &CalculatorSettings::DecimalSelector, 0, 5},
    {"GrandTotalFlg", &CalculatorSettings::GrandTotalFlg, 1, 1},
    {"DeskTaxFlg", &CalculatorSettings::DeskTaxFlg, 1, 1},
    {"TaxPercent2", &CalculatorSettings::TaxPercent2, 800, 2000},
    {"TapeKeepFlg", &CalculatorSettings::TapeKeepFlg, 1, 1},
    {"KeepStateFlg", &CalculatorSettings::KeepStateFlg, 1, 1},
    {"TaxSumFlg", &CalculatorSettings::TaxSumFlg, 1, 1},
    {"ConstantMode", &CalculatorSettings::ConstantMode, 1, 2},
    {"ItemCountFlg", &CalculatorSettings::ItemCountFlg, 1, 2},
    {"DayCountMode", &CalculatorSettings::DayCountMode, 0, 2},
}};

// The key groups the editor colours separately.
enum class KeyGroup : int { Digit = 1, Calculation = 2, Clear = 3, Tax = 4 };

// The colours a key of a group is drawn in, by the calculator and by the
// editor's sample alike.
struct KeyColours {
    std::uint32_t background;
    std::uint32_t gradation;
    std::uint32_t text;
};
KeyColours KeyGroupColours(const CalculatorSettings& settings, KeyGroup group);

// Index of the editor's drop-down list; stored values outside 1..17 place no key.
enum class AddButtonType : std::uint32_t {
    None = 0,
    Percent = 1,
    AllClear = 2,
    Clear = 3,
    SquareRoot = 4,
    TaxIncluded = 5,
    TaxExcluded = 6,
    GrandTotal = 7,
    RateSwitch = 8,
    DoubleZero = 9,
    TaxSum = 10,
    Cost = 11,
    Sell = 12,
    Margin = 13,
    Average = 14,
    Hms = 15,
    Date = 16,
    DaysTo = 17,
};
inline constexpr std::uint32_t kLastAddButtonType = 17;

// Readers treat any nonzero flag value as on.
constexpr bool FlagOn(std::uint32_t value) { return value != 0; }

// The caption of "CE" with ShiftKeyFlg on: the digit drop.
inline constexpr std::u16string_view kDigitDropCaption = u"⇒";

CalculatorSettings DefaultSettings();

// The table entry of a value name, or null.
const SettingDescriptor* FindSetting(std::string_view name);

// The additional-key kind a stored value places, None when out of range.
AddButtonType AddButtonKind(std::uint32_t storedValue);

struct ColourListEntry {
    std::u16string_view text;
    std::uint32_t CalculatorSettings::*field;
};

inline constexpr int kColourListCount = 18;

// The editor's colour list, in list order; it interleaves per key group
// while the record keeps backgrounds, gradations and captions apart.
inline constexpr std::array<ColourListEntry, kColourListCount> kColourList{{
    {ABACOR_TRANSLATABLE("Editor", u"アプリケーションの背景色"), &CalculatorSettings::DialogBackColor},
    {ABACOR_TRANSLATABLE("Editor", u"計算エリアの背景色"), &CalculatorSettings::StaticBackColor},
    {ABACOR_TRANSLATABLE("Editor", u"計算エリアの文字色"), &CalculatorSettings::StaticTextColor},
    {ABACOR_TRANSLATABLE("Editor", u"計算エリアの枠線色"), &CalculatorSettings::StaticLineColor},
    {ABACOR_TRANSLATABLE("Editor", u"数字キーの背景色"), &CalculatorSettings::ButtonBackColor1},
    {ABACOR_TRANSLATABLE("Editor", u"数字キーの文字色"), &CalculatorSettings::ButtonTextColor1},
    {ABACOR_TRANSLATABLE("Editor", u"数字キーのグラデ色"), &CalculatorSettings::ButtonGradColor1},
    {ABACOR_TRANSLATABLE("Editor", u"計算キーの背景色"), &CalculatorSettings::ButtonBackColor2},
    {ABACOR_TRANSLATABLE("Editor", u"計算キーの文字色"), &CalculatorSettings::ButtonTextColor2},
    {ABACOR_TRANSLATABLE("Editor", u"計算キーのグラデ色"), &CalculatorSettings::ButtonGradColor2},
    {ABACOR_TRANSLATABLE("Editor", u"クリアキーの背景色"), &CalculatorSettings::ButtonBackColor3},
    {ABACOR_TRANSLATABLE("Editor", u"クリアキーの文字色"), &CalculatorSettings::ButtonTextColor3},
    {ABACOR_TRANSLATABLE("Editor", u"クリアキーのグラデ色"), &CalculatorSettings::ButtonGradColor3},
    {ABACOR_TRANSLATABLE("Editor", u"税計算キーの背景色"), &CalculatorSettings::ButtonBackColor4},
    {ABACOR_TRANSLATABLE("Editor", u"税計算キーの文字色"), &CalculatorSettings::ButtonTextColor4},
    {ABACOR_TRANSLATABLE("Editor", u"税計算キーのグラデ色"), &CalculatorSettings::ButtonGradColor4},
    {ABACOR_TRANSLATABLE("Editor", u"各種キーの枠線色"), &CalculatorSettings::ButtonLineColor},
    {ABACOR_TRANSLATABLE("Editor", u"ラベルの文字色"), &CalculatorSettings::LabelTextColor},
}};

// The place of a colour in the editor's list.
constexpr int ColourEntryOf(std::uint32_t CalculatorSettings::*field)
{
    for (int i = 0; i < kColourListCount; ++i)
        if (kColourList[static_cast<std::size_t>(i)].field == field)
            return i;
    return -1;
}

}  // namespace abacor
