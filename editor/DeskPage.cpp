#include "editor/DeskPage.h"

#include "editor/PreviewLayout.h"

namespace abacor {

namespace {

constexpr FlagBox kFlagBoxes[] = {
    {IdcGrandTotal, &CalculatorSettings::GrandTotalFlg}, {IdcDeskTax, &CalculatorSettings::DeskTaxFlg},
    {IdcTapeKeep, &CalculatorSettings::TapeKeepFlg},     {IdcKeepState, &CalculatorSettings::KeepStateFlg},
    {IdcTaxSum, &CalculatorSettings::TaxSumFlg},
};

const ListBinding kLists[] = {
    {IdcRoundSelector, &CalculatorSettings::RoundSelector, kRoundSelectorEntries},
    {IdcDecimalSelector, &CalculatorSettings::DecimalSelector, kDecimalSelectorEntries},
    {IdcConstantMode, &CalculatorSettings::ConstantMode, kConstantModeEntries},
    {IdcItemCount, &CalculatorSettings::ItemCountFlg, kItemCountEntries},
    {IdcDayCount, &CalculatorSettings::DayCountMode, kDayCountEntries},
};

constexpr RateSlider kSecondRate{IdcTaxSlider2, IdcTaxRate2, &CalculatorSettings::TaxPercent2};

}  // namespace

DeskPage::DeskPage(SettingsRecord& record, const ScreenMetrics& screen) : SettingsPage(kPage4Template, record, screen)
{
    BindFlagBoxes(kFlagBoxes);
    BindLists(kLists);
    BindRateSlider(kSecondRate);
}

void DeskPage::Initialise()
{
    SetUpRateSlider(kSecondRate);
    SetUpLists(kLists);
    Refresh();
}

void DeskPage::Refresh()
{
    ShowRateSlider(kSecondRate);
    ShowLists(kLists);
    ShowFlagBoxes(kFlagBoxes);
}

}  // namespace abacor
