#include "editor/KeysPage.h"

#include "editor/PreviewLayout.h"

namespace abacor {

namespace {

constexpr FlagBox kFlagBoxes[] = {
    {IdcClearMenu, &CalculatorSettings::ClearMenuFlg},
    {IdcNumKeyRev, &CalculatorSettings::NumKeyRevFlg},
};

// On screen the third list edits the fourth value and the fourth the third.
const ListBinding kKeyLists[] = {
    {IdcAddButton1, &CalculatorSettings::AddButton1Type, kAddButtonEntries},
    {IdcAddButton2, &CalculatorSettings::AddButton2Type, kAddButtonEntries},
    {IdcAddButton3, &CalculatorSettings::AddButton3Type, kAddButtonEntries},
    {IdcAddButton4, &CalculatorSettings::AddButton4Type, kAddButtonEntries},
};

constexpr RateSlider kTaxRate{IdcTaxSlider, IdcTaxRate, &CalculatorSettings::TaxPercent};

}  // namespace

KeysPage::KeysPage(SettingsRecord& record, const ScreenMetrics& screen) : SettingsPage(kPage3Template, record, screen)
{
    BindFlagBoxes(kFlagBoxes);
    BindLists(kKeyLists);
    BindRateSlider(kTaxRate);
}

void KeysPage::Initialise()
{
    SetUpRateSlider(kTaxRate);
    SetUpLists(kKeyLists);
    Refresh();
}

void KeysPage::Refresh()
{
    ShowRateSlider(kTaxRate);
    ShowLists(kKeyLists);
    ShowFlagBoxes(kFlagBoxes);
}

}  // namespace abacor
