#include "editor/DisplayPage.h"

namespace abacor {

namespace {
constexpr FlagBox kFlagBoxes[] = {
    {IdcRoundButton, &CalculatorSettings::RoundButtonFlg},
    {IdcCommaFormat, &CalculatorSettings::CommaFormatFlg},
    {IdcShiftKey, &CalculatorSettings::ShiftKeyFlg},
    {IdcClearType, &CalculatorSettings::ClearTypeFlg},
};
}  // namespace

DisplayPage::DisplayPage(SettingsRecord& record, const ScreenMetrics& screen)
    : SamplePage(kPage2Template, record, screen)
{
    BindFlagBoxes(kFlagBoxes);
}

void DisplayPage::Initialise()
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
