#pragma once

#include <array>
#include <span>
#include <string_view>

#include "text/Translatable.h"

namespace abacor {

enum class ControlKind {
    Static,              // left-aligned text
    StaticRight,         // right-aligned text
    StaticRightCentred,  // right-aligned, vertically centred (the sample display)
    DropDownList,
    PushButton,
    CheckBox,  // automatic check box
    Slider,    // horizontal, no tick marks
    GroupBox,
};

// One control of a dialog template, placed in dialog units (x, y, w, h).
struct ControlTemplate {
    int id;  // 0 for controls nobody addresses
    ControlKind kind;
    std::u16string_view text;
    int x, y, w, h;
};

struct DialogTemplate {
    int id;
    std::u16string_view caption;
    int width, height;  // dialog units; font "MS UI Gothic" 9 points
    std::span<const ControlTemplate> controls;
};

// Control ids the pages address.
// clang-format off
enum ControlId : int {
    IdcColourList = 1003,
    IdcRedLabel = 1007, IdcGreenLabel = 1008, IdcBlueLabel = 1009,
    IdcRedValue = 1010, IdcGreenValue = 1011, IdcBlueValue = 1012,
    IdcRoundButton = 1013, IdcCommaFormat = 1014, IdcSampleDisplay = 1015, IdcShiftKey = 1016,
    IdcClearMenu = 1017, IdcNumKeyRev = 1018,
    IdcAddButton1 = 1019, IdcAddButton2 = 1020, IdcAddButton3 = 1021, IdcTaxSlider = 1022, IdcTaxRate = 1023,
    IdcAddButton4 = 1024,
    IdcClearType = 1031, IdcGradation = 1032,
    IdcRedSlider = 1033, IdcGreenSlider = 1034, IdcBlueSlider = 1035,
    IdcChooseColour = 1036,
    IdcRoundSelector = 1040, IdcDecimalSelector = 1041, IdcGrandTotal = 1042, IdcDeskTax = 1043,
    IdcTaxSlider2 = 1044, IdcTaxRate2 = 1045, IdcPreset = 1046, IdcTapeKeep = 1047, IdcKeepState = 1048,
    IdcTaxSum = 1049, IdcConstantMode = 1050, IdcItemCount = 1051, IdcDayCount = 1052,
};
// clang-format on

inline constexpr std::array<ControlTemplate, 6> kPage1Controls{{
    {IdcSampleDisplay, ControlKind::StaticRightCentred, u"19800", 5, 7, 128, 21},
    {IdcColourList, ControlKind::DropDownList, u"", 4, 53, 101, 92},
    {IdcChooseColour, ControlKind::PushButton, ABACOR_TRANSLATABLE("Editor", u"色設定"), 107, 52, 27, 21},
    {IdcGradation, ControlKind::CheckBox, ABACOR_TRANSLATABLE("Editor", u"各種キーをグラデーション表示する"), 4, 90,
     125, 10},
    {0, ControlKind::Static, ABACOR_TRANSLATABLE("Editor", u"プリセット："), 4, 108, 40, 12},
    {IdcPreset, ControlKind::DropDownList, u"", 46, 106, 88, 60},
}};

inline constexpr std::array<ControlTemplate, 5> kPage2Controls{{
    {IdcSampleDisplay, ControlKind::StaticRightCentred, u"19800", 5, 7, 128, 21},
    {IdcRoundButton, ControlKind::CheckBox, ABACOR_TRANSLATABLE("Editor", u"ボタンの角を丸くする"), 4, 59, 73, 10},
    {IdcCommaFormat, ControlKind::CheckBox, ABACOR_TRANSLATABLE("Editor", u"桁を区切る"), 81, 59, 50, 10},
    {IdcShiftKey, ControlKind::CheckBox, ABACOR_TRANSLATABLE("Editor", u"CEキーを桁下げキーに変更する"), 4, 74, 128,
     10},
    {IdcClearType, ControlKind::CheckBox, ABACOR_TRANSLATABLE("Editor", u"フォントを滑らかにする"), 4, 90, 73, 10},
}};

inline constexpr std::array<ControlTemplate, 14> kPage3Controls{{
    {IdcClearMenu, ControlKind::CheckBox,
     ABACOR_TRANSLATABLE("Editor", u"クリアキー（左メニュー）をクリアメニューにする"), 4, 6, 128, 10},
    {IdcNumKeyRev, ControlKind::CheckBox, ABACOR_TRANSLATABLE("Editor", u"数字キーを逆順（卓上電卓式）に配置する"), 4,
     21, 128, 10},
    {0, ControlKind::GroupBox, ABACOR_TRANSLATABLE("Editor", u"追加キー（タップのみ対応）の設定"), 3, 36, 133, 46},
    {0, ControlKind::Static, ABACOR_TRANSLATABLE("Editor", u"縦(左上)："), 6, 50, 34, 13},
    {0, ControlKind::Static, ABACOR_TRANSLATABLE("Editor", u"縦(右下)："), 38, 50, 34, 13},
    {0, ControlKind::Static, ABACOR_TRANSLATABLE("Editor", u"縦(右上)："), 70, 50, 33, 13},
    {0, ControlKind::Static, ABACOR_TRANSLATABLE("Editor", u"横："), 103, 50, 26, 13},
    {IdcAddButton1, ControlKind::DropDownList, u"", 7, 62, 27, 111},
    {IdcAddButton2, ControlKind::DropDownList, u"", 39, 62, 27, 111},
    {IdcAddButton4, ControlKind::DropDownList, u"", 71, 62, 27, 111},
    {IdcAddButton3, ControlKind::DropDownList, u"", 103, 62, 27, 111},
    {0, ControlKind::Static, ABACOR_TRANSLATABLE("Editor", u"税率設定："), 3, 88, 32, 12},
    {IdcTaxSlider, ControlKind::Slider, u"", 36, 86, 78, 13},
    {IdcTaxRate, ControlKind::Static, u"99.99%", 115, 88, 21, 14},
}};

inline constexpr std::array<ControlTemplate, 18> kPage4Controls{{
    {0, ControlKind::Static, ABACOR_TRANSLATABLE("Editor", u"ラウンドセレクター："), 4, 6, 62, 12},
    {IdcRoundSelector, ControlKind::DropDownList, u"", 68, 4, 66, 60},
    {0, ControlKind::Static, ABACOR_TRANSLATABLE("Editor", u"小数点セレクター："), 4, 22, 62, 12},
    {IdcDecimalSelector, ControlKind::DropDownList, u"", 68, 20, 66, 80},
    {IdcGrandTotal, ControlKind::CheckBox, ABACOR_TRANSLATABLE("Editor", u"GT（グランドトータル）を使う"), 4, 38, 128,
     10},
    {IdcDeskTax, ControlKind::CheckBox, ABACOR_TRANSLATABLE("Editor", u"税キーを卓上電卓式にする（続けて押すと税額）"),
     4, 51, 132, 10},
    {0, ControlKind::Static, ABACOR_TRANSLATABLE("Editor", u"税率２："), 3, 67, 32, 12},
    {IdcTaxSlider2, ControlKind::Slider, u"", 36, 65, 78, 13},
    {IdcTaxRate2, ControlKind::Static, u"99.99%", 115, 67, 21, 14},
    {IdcTapeKeep, ControlKind::CheckBox, ABACOR_TRANSLATABLE("Editor", u"テープを終了後も残す"), 4, 83, 128, 10},
    {IdcKeepState, ControlKind::CheckBox, ABACOR_TRANSLATABLE("Editor", u"メモリー・GT・税率を次回に引き継ぐ"), 4, 96,
     132, 10},
    {IdcTaxSum, ControlKind::CheckBox, ABACOR_TRANSLATABLE("Editor", u"税率別に集計する（税合計キー）"), 4, 109, 132,
     10},
    {0, ControlKind::Static, ABACOR_TRANSLATABLE("Editor", u"定数計算："), 4, 124, 62, 12},
    {IdcConstantMode, ControlKind::DropDownList, u"", 68, 122, 66, 50},
    {0, ControlKind::Static, ABACOR_TRANSLATABLE("Editor", u"件数カウント："), 4, 140, 62, 12},
    {IdcItemCount, ControlKind::DropDownList, u"", 68, 138, 66, 50},
    {0, ControlKind::Static, ABACOR_TRANSLATABLE("Editor", u"日数計算："), 4, 156, 62, 12},
    {IdcDayCount, ControlKind::DropDownList, u"", 68, 154, 66, 50},
}};

inline constexpr std::array<ControlTemplate, 9> kColourDialogControls{{
    {IdcRedSlider, ControlKind::Slider, u"", 35, 5, 85, 15},
    {IdcGreenSlider, ControlKind::Slider, u"", 35, 21, 85, 15},
    {IdcBlueSlider, ControlKind::Slider, u"", 35, 37, 85, 15},
    {IdcRedLabel, ControlKind::Static, ABACOR_TRANSLATABLE("Editor", u"赤"), 27, 7, 21, 12},
    {IdcGreenLabel, ControlKind::Static, ABACOR_TRANSLATABLE("Editor", u"緑"), 27, 23, 20, 12},
    {IdcBlueLabel, ControlKind::Static, ABACOR_TRANSLATABLE("Editor", u"青"), 27, 39, 21, 12},
    {IdcRedValue, ControlKind::StaticRight, u"255", 119, 7, 14, 12},
    {IdcGreenValue, ControlKind::StaticRight, u"255", 119, 23, 14, 12},
    {IdcBlueValue, ControlKind::StaticRight, u"255", 119, 39, 14, 12},
}};

inline constexpr DialogTemplate kPage1Template{131, ABACOR_TRANSLATABLE("Editor", u"ページ１"), 139, 191,
                                               kPage1Controls};
inline constexpr DialogTemplate kPage2Template{132, ABACOR_TRANSLATABLE("Editor", u"ページ２"), 139, 191,
                                               kPage2Controls};
inline constexpr DialogTemplate kPage3Template{133, ABACOR_TRANSLATABLE("Editor", u"ページ３"), 139, 191,
                                               kPage3Controls};
inline constexpr DialogTemplate kPage4Template{136, ABACOR_TRANSLATABLE("Editor", u"ページ４"), 139, 191,
                                               kPage4Controls};
inline constexpr DialogTemplate kColourDialogTemplate{134, ABACOR_TRANSLATABLE("Editor", u"Abacorの設定"), 138, 191,
                                                      kColourDialogControls};

// The entries of the four additional-key lists, in AddButtonType order.
inline constexpr std::array<std::u16string_view, 18> kAddButtonEntries{
    ABACOR_TRANSLATABLE("Editor", u"無効"),   ABACOR_TRANSLATABLE("Editor", u"％"),
    ABACOR_TRANSLATABLE("Editor", u"ＣＡ"),   ABACOR_TRANSLATABLE("Editor", u"Ｃ"),
    ABACOR_TRANSLATABLE("Editor", u"√"),      ABACOR_TRANSLATABLE("Editor", u"税込"),
    ABACOR_TRANSLATABLE("Editor", u"税抜"),   u"GT",
    ABACOR_TRANSLATABLE("Editor", u"税率"),   ABACOR_TRANSLATABLE("Editor", u"００"),
    ABACOR_TRANSLATABLE("Editor", u"税合計"), ABACOR_TRANSLATABLE("Editor", u"原価"),
    ABACOR_TRANSLATABLE("Editor", u"売価"),   ABACOR_TRANSLATABLE("Editor", u"利益率"),
    ABACOR_TRANSLATABLE("Editor", u"平均"),   ABACOR_TRANSLATABLE("Editor", u"時分秒"),
    ABACOR_TRANSLATABLE("Editor", u"日付"),   ABACOR_TRANSLATABLE("Editor", u"〜")};

// The desk page's lists, in the order of the stored values.
inline constexpr std::array<std::u16string_view, 4> kRoundSelectorEntries{
    u"F", ABACOR_TRANSLATABLE("Editor", u"CUT（切り捨て）"), ABACOR_TRANSLATABLE("Editor", u"UP（切り上げ）"),
    ABACOR_TRANSLATABLE("Editor", u"5/4（四捨五入）")};
inline constexpr std::array<std::u16string_view, 6> kDecimalSelectorEntries{u"0", u"1", u"2", u"3", u"4", u"ADD2"};
inline constexpr std::array<std::u16string_view, 3> kConstantModeEntries{
    ABACOR_TRANSLATABLE("Editor", u"しない"), ABACOR_TRANSLATABLE("Editor", u"××で設定（K）"),
    ABACOR_TRANSLATABLE("Editor", u"自動")};
inline constexpr std::array<std::u16string_view, 3> kDayCountEntries{ABACOR_TRANSLATABLE("Editor", u"片落"),
                                                                     ABACOR_TRANSLATABLE("Editor", u"両端入"),
                                                                     ABACOR_TRANSLATABLE("Editor", u"両端落")};
inline constexpr std::array<std::u16string_view, 3> kItemCountEntries{
    ABACOR_TRANSLATABLE("Editor", u"しない"), ABACOR_TRANSLATABLE("Editor", u"＋で数える"),
    ABACOR_TRANSLATABLE("Editor", u"＋で加算・－で減算")};

}  // namespace abacor
