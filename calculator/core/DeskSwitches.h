#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/CalculatorSettings.h"
#include "text/Translatable.h"

namespace abacor {

// The slide switches of a desk calculator, on the calculator's face: each
// changes one value of the settings record, from the next key, with a line
// of its own on the tape ("丸め 5/4") that a replay reads back.
struct DeskSwitch {
    int menuId;  // its command's (CommandId)
    std::uint32_t CalculatorSettings::*field;
    std::u16string_view name;                      // the tape's and the screen reader's word
    std::array<std::u16string_view, 6> positions;  // by value; none: a rate in hundredths of a percent
    std::uint32_t count;                           // how many positions
    std::array<std::u16string_view, 3> face;       // on the calculator's face, by value; empty: not shown
};

enum SwitchCommandId : int {
    IdSwitchRound = 32833,
    IdSwitchPlaces = 32834,
    IdSwitchGrandTotal = 32835,
    IdSwitchTaxSum = 32836,
    IdSwitchItemCount = 32837,
    IdSwitchConstant = 32838,
    IdSwitchDayCount = 32839,
    IdSetRate = 32840,
};

inline constexpr std::u16string_view kOff = ABACOR_TRANSLATABLE("Tape", u"オフ");
inline constexpr std::u16string_view kOn = ABACOR_TRANSLATABLE("Tape", u"オン");

// clang-format off
inline constexpr std::array kDeskSwitches{
    DeskSwitch{IdSwitchRound, &CalculatorSettings::RoundSelector, ABACOR_TRANSLATABLE("Tape", u"丸め"),
               {u"F", u"CUT", u"UP", u"5/4"}, 4, {}},
    DeskSwitch{IdSwitchPlaces, &CalculatorSettings::DecimalSelector, ABACOR_TRANSLATABLE("Tape", u"小数点"),
               {u"0", u"1", u"2", u"3", u"4", u"ADD2"}, 6, {}},
    DeskSwitch{IdSwitchGrandTotal, &CalculatorSettings::GrandTotalFlg, ABACOR_TRANSLATABLE("Tape", u"GT"),
               {kOff, kOn}, 2, {u"", u"GT"}},
    DeskSwitch{IdSwitchTaxSum, &CalculatorSettings::TaxSumFlg, ABACOR_TRANSLATABLE("Tape", u"税合計"),
               {kOff, kOn}, 2, {u"", ABACOR_TRANSLATABLE("Switch", u"税計")}},
    DeskSwitch{IdSwitchItemCount, &CalculatorSettings::ItemCountFlg, ABACOR_TRANSLATABLE("Tape", u"件数"),
               {kOff, kOn, ABACOR_TRANSLATABLE("Tape", u"±")}, 3,
               {u"", ABACOR_TRANSLATABLE("Switch", u"件"), ABACOR_TRANSLATABLE("Switch", u"±件")}},
    DeskSwitch{IdSwitchConstant, &CalculatorSettings::ConstantMode, ABACOR_TRANSLATABLE("Tape", u"定数"),
               {kOff, ABACOR_TRANSLATABLE("Tape", u"2度押し"), ABACOR_TRANSLATABLE("Tape", u"自動")}, 3,
               {u"", u"K", ABACOR_TRANSLATABLE("Switch", u"K自動")}},
    DeskSwitch{IdSwitchDayCount, &CalculatorSettings::DayCountMode, ABACOR_TRANSLATABLE("Tape", u"日数"),
               {ABACOR_TRANSLATABLE("Tape", u"片落"), ABACOR_TRANSLATABLE("Tape", u"両端入"),
                ABACOR_TRANSLATABLE("Tape", u"両端落")}, 3,
               {u"", ABACOR_TRANSLATABLE("Switch", u"両端入"), ABACOR_TRANSLATABLE("Switch", u"両端落")}},
    DeskSwitch{{}, &CalculatorSettings::TaxPercent, ABACOR_TRANSLATABLE("Tape", u"税率1"), {}, 0, {}},
    DeskSwitch{{}, &CalculatorSettings::TaxPercent2, ABACOR_TRANSLATABLE("Tape", u"税率2"), {}, 0, {}},
};
// clang-format on

// The highest rate a switch sets, in hundredths of a percent (the editor's).
inline constexpr std::uint32_t kMaxSwitchedRate = 2000;

const DeskSwitch* SwitchOfMenuId(int id);
const DeskSwitch* SwitchOfField(std::uint32_t CalculatorSettings::*field);
// A position's word ("5/4", "オン", "8%"); empty for none.
std::u16string PositionText(const DeskSwitch& desk, std::uint32_t value);
// The switch's next position, round the cycle.
std::uint32_t NextPosition(const DeskSwitch& desk, std::uint32_t value);
// The tape's line of a switch set: "丸め 5/4", "税率2 8%".
std::u16string SwitchLine(const DeskSwitch& desk, std::uint32_t value);

struct SwitchSetting {
    const DeskSwitch* desk;
    std::uint32_t value;
};
// What a tape line of a switch set; none for another line.
std::optional<SwitchSetting> SwitchOfLine(std::u16string_view mark);
// The switches' positions as the calculator's face shows them, at a glance:
// the selector ("F", "5/4 2"), then each switch that is on ("GT", "税計",
// "件", "K"), the day count where it is not the usual one end.
std::vector<std::u16string> SwitchFace(const CalculatorSettings& settings);

// A rate as the number shown gives it ("8", "7.5"), in hundredths of a
// percent; none beyond two places or the editor's range.
std::optional<std::uint32_t> RateOfShown(std::u16string_view plain);

}  // namespace abacor
