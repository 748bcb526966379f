#include "editor/DeskPage.h"

#include <QComboBox>
#include <QLabel>
#include <QSlider>

#include <span>

#include "editor/KeysPage.h"
#include "editor/PreviewLayout.h"

namespace abacor {

namespace {

constexpr FlagBox kFlagBoxes[] = {
    {IdcGrandTotal, &CalculatorSettings::GrandTotalFlg},
    {IdcDeskTax, &CalculatorSettings::DeskTaxFlg},
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

constexpr int kTaxSliderMaximum = 2000;

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
    connect(controls_->Slider(IdcTaxSlider2), &QSlider::actionTriggered, this, [this] { OnSlider(); });
}

void DeskPage::Initialise()
{
    QSlider* slider = controls_->Slider(IdcTaxSlider2);
    slider->setRange(0, kTaxSliderMaximum);
    slider->setPageStep(1);
    for (const ListBinding& list : kLists)
        DialogControls::SetListHeight(controls_->Combo(list.control), 40 / EditorDivisor(screen_));
    Refresh();
}

void DeskPage::Refresh()
{
    const CalculatorSettings& settings = record_.settings();
    {
        QSlider* slider = controls_->Slider(IdcTaxSlider2);
        const QSignalBlocker quiet(slider);
        slider->setValue(static_cast<int>(std::min<std::uint32_t>(settings.TaxPercent2, kTaxSliderMaximum)));
    }
    controls_->Label(IdcTaxRate2)->setText(TaxRateText(settings.TaxPercent2));
    for (const ListBinding& list : kLists) {
        const std::uint32_t value = settings.*list.value;
        controls_->Combo(list.control)->setCurrentIndex(value < list.entries.size() ? static_cast<int>(value) : -1);
    }
    ShowFlagBoxes(kFlagBoxes);
}

void DeskPage::OnSlider()
{
    // The slider's new place, before its value follows.
    record_.SetValue(&CalculatorSettings::TaxPercent2,
                     static_cast<std::uint32_t>(controls_->Slider(IdcTaxSlider2)->sliderPosition()));
    controls_->Label(IdcTaxRate2)->setText(TaxRateText(record_.settings().TaxPercent2));
    InvalidatePage();
}

}  // namespace abacor
