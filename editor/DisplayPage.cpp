#include "editor/DisplayPage.h"

#include "editor/SettingsSheet.h"

namespace abacor {

namespace {
constexpr FlagBox kFlagBoxes[] = {
    {IdcRoundButton, &CalculatorSettings::RoundButtonFlg},
    {IdcCommaFormat, &CalculatorSettings::CommaFormatFlg},
    {IdcShiftKey, &CalculatorSettings::ShiftKeyFlg},
    {IdcClearType, &CalculatorSettings::ClearTypeFlg},
};
}  // namespace

DisplayPage::DisplayPage(SettingsSheet* sheet) : SamplePage(kPage2Template, sheet) { BindFlagBoxes(kFlagBoxes); }

void DisplayPage::OnInitDialog()
{
    ApplyDisplayFont();
    Refresh();
    LayoutPreview();
}

void DisplayPage::Refresh()
{
    ShowFlagBoxes(kFlagBoxes);
    InvalidatePage();
}

}  // namespace abacor
