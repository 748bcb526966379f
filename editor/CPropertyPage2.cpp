#include "editor/CPropertyPage2.h"

#include "editor/CPropertySheet1.h"

namespace abacor {

namespace {
constexpr FlagBox kFlagBoxes[] = {
    {IdcRoundButton, &CalculatorSettings::RoundButtonFlg},
    {IdcCommaFormat, &CalculatorSettings::CommaFormatFlg},
    {IdcShiftKey, &CalculatorSettings::ShiftKeyFlg},
    {IdcClearType, &CalculatorSettings::ClearTypeFlg},
};
}  // namespace

CPropertyPage2::CPropertyPage2(CPropertySheet1* sheet) : CPropertyPagePreview(kPage2Template, sheet)
{
    BindFlagBoxes(kFlagBoxes);
}

void CPropertyPage2::OnInitDialog()
{
    ApplyDisplayFont();
    Refresh();
    LayoutPreview();
}

void CPropertyPage2::Refresh()
{
    ShowFlagBoxes(kFlagBoxes);
    InvalidatePage();
}

}  // namespace abacor
