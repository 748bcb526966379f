#include "editor/KeysPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSlider>

#include "editor/PreviewLayout.h"

namespace abacor {

namespace {

struct Binding {
    int control;
    std::uint32_t CalculatorSettings::*value;
};

constexpr FlagBox kFlagBoxes[] = {
    {IdcClearMenu, &CalculatorSettings::ClearMenuFlg},
    {IdcNumKeyRev, &CalculatorSettings::NumKeyRevFlg},
};

// On screen the third list edits the fourth value and the fourth the third.
constexpr Binding kKeyLists[] = {
    {IdcAddButton1, &CalculatorSettings::AddButton1Type},
    {IdcAddButton2, &CalculatorSettings::AddButton2Type},
    {IdcAddButton3, &CalculatorSettings::AddButton3Type},
    {IdcAddButton4, &CalculatorSettings::AddButton4Type},
};

constexpr RateSlider kTaxRate{IdcTaxSlider, IdcTaxRate, &CalculatorSettings::TaxPercent};

}  // namespace

KeysPage::KeysPage(SettingsRecord& record, const ScreenMetrics& screen) : SettingsPage(kPage3Template, record, screen)
{
    BindFlagBoxes(kFlagBoxes);
    for (const Binding& list : kKeyLists) {
        QComboBox* combo = controls_->Combo(list.control);
        for (const std::u16string_view entry : kAddButtonEntries)
            combo->addItem(QStringView(entry).toString());
        const int id = list.control;
        // A choice by the user, not a refresh from the record.
        connect(combo, &QComboBox::activated, this, [this, id] { OnListChanged(id); });
    }
    BindRateSlider(kTaxRate);
}

void KeysPage::Initialise()
{
    SetUpRateSlider(kTaxRate);
    for (const Binding& list : kKeyLists)
        DialogControls::SetListHeight(controls_->Combo(list.control), 40 / EditorDivisor(screen_));
    Refresh();
}

void KeysPage::Refresh()
{
    const CalculatorSettings& settings = record_.settings();
    ShowRateSlider(kTaxRate);
    for (const Binding& list : kKeyLists) {
        const std::uint32_t value = settings.*list.value;
        // A kind outside the list shows no selection.
        controls_->Combo(list.control)
            ->setCurrentIndex(value < kAddButtonEntries.size() ? static_cast<int>(value) : -1);
    }
    ShowFlagBoxes(kFlagBoxes);
}

void KeysPage::OnListChanged(int controlId)
{
    for (const Binding& list : kKeyLists) {
        if (list.control == controlId)
            record_.SetValue(list.value, static_cast<std::uint32_t>(controls_->Combo(controlId)->currentIndex()));
    }
}

void KeysPage::OnHScroll() { OnRateScrolled(kTaxRate); }

}  // namespace abacor
