#include "editor/DeskPage.h"

#include <QComboBox>
#include <QLabel>
#include <QSlider>

#include <span>

#include "editor/PreviewLayout.h"

namespace abacor {

namespace {

constexpr FlagBox kFlagBoxes[] = {
    {IdcGrandTotal, &CalculatorSettings::GrandTotalFlg},
    {IdcDeskTax, &CalculatorSettings::DeskTaxFlg},
    {IdcTapeKeep, &CalculatorSettings::TapeKeepFlg},
    {IdcKeepState, &CalculatorSettings::KeepStateFlg},
};

struct ListBinding {
    int control;
    std::uint32_t CalculatorSettings::*value;
    std::span<const std::u16string_view> entries;
};

const ListBinding kLists[] = {
    {IdcRoundSelector, &CalculatorSettings::RoundSelector, kRoundSelectorEntries},
    {IdcDecimalSelector, &CalculatorSettings::DecimalSelector, kDecimalSelectorEntries},
};

constexpr RateSlider kSecondRate{IdcTaxSlider2, IdcTaxRate2, &CalculatorSettings::TaxPercent2};

}  // namespace

DeskPage::DeskPage(SettingsRecord& record, const ScreenMetrics& screen) : SettingsPage(kPage4Template, record, screen)
{
    BindFlagBoxes(kFlagBoxes);
    for (const ListBinding& list : kLists) {
        QComboBox* combo = controls_->Combo(list.control);
        for (const std::u16string_view entry : list.entries)
            combo->addItem(QStringView(entry).toString());
        connect(combo, &QComboBox::activated, this,
                [this, list](int index) { record_.SetValue(list.value, static_cast<std::uint32_t>(index)); });
    }
    BindRateSlider(kSecondRate);
}

void DeskPage::Initialise()
{
    SetUpRateSlider(kSecondRate);
    for (const ListBinding& list : kLists)
        DialogControls::SetListHeight(controls_->Combo(list.control), 40 / EditorDivisor(screen_));
    Refresh();
}

void DeskPage::Refresh()
{
    const CalculatorSettings& settings = record_.settings();
    ShowRateSlider(kSecondRate);
    for (const ListBinding& list : kLists) {
        const std::uint32_t value = settings.*list.value;
        controls_->Combo(list.control)->setCurrentIndex(value < list.entries.size() ? static_cast<int>(value) : -1);
    }
    ShowFlagBoxes(kFlagBoxes);
}

}  // namespace abacor
