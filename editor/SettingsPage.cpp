#include "editor/SettingsPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QSlider>

#include <algorithm>

#include "editor/PreviewLayout.h"
#include "platform/shell/PaintedParts.h"
#include "platform/shell/Translated.h"
#include "text/Message.h"

namespace abacor {

SettingsPage::SettingsPage(const DialogTemplate& dialog, SettingsRecord& record, const ScreenMetrics& screen)
    : record_(record), screen_(screen),
      controls_(std::make_unique<DialogControls>(dialog, this, screen.dpiY, screen.width))
{
    setObjectName(Translated("Editor", dialog.caption));
}

void SettingsPage::BindFlagBoxes(std::span<const FlagBox> boxes)
{
    for (const FlagBox& box : boxes) {
        QCheckBox* check = controls_->Check(box.control);
        connect(check, &QCheckBox::clicked, this, [this, box](bool checked) {
            record_.SetValue(box.value, checked ? 1 : 0);
            InvalidatePage();
        });
    }
}

void SettingsPage::ShowFlagBoxes(std::span<const FlagBox> boxes)
{
    for (const FlagBox& box : boxes)
        controls_->Check(box.control)->setChecked(FlagOn(record_.settings().*box.value));
}

void SettingsPage::BindLists(std::span<const ListBinding> lists)
{
    for (const ListBinding& list : lists) {
        QComboBox* combo = controls_->Combo(list.control);
        for (const std::u16string_view entry : list.entries)
            combo->addItem(Translated("Editor", entry));
        DialogControls::FitList(combo);
        connect(combo, &QComboBox::activated, this,
                [this, list](int index) { record_.SetValue(list.value, static_cast<std::uint32_t>(index)); });
    }
}

void SettingsPage::SetUpLists(std::span<const ListBinding> lists)
{
    for (const ListBinding& list : lists)
        DialogControls::SetListHeight(controls_->Combo(list.control), 40 / EditorDivisor(screen_));
}

void SettingsPage::ShowLists(std::span<const ListBinding> lists)
{
    for (const ListBinding& list : lists) {
        const std::uint32_t value = record_.settings().*list.value;
        controls_->Combo(list.control)->setCurrentIndex(value < list.entries.size() ? static_cast<int>(value) : -1);
    }
}

QString TaxRateText(std::uint32_t rate)
{
    // %1 the whole percent, %2 the same two digits wide (the design's "08.00%"), %3 the hundredths.
    const QString pattern = QCoreApplication::translate("Editor", "%2.%3%");
    return QString::fromStdU16String(
        Substituted(pattern.toStdU16String(), {QString::number(rate / 100).toStdU16String(),
                                               QString::asprintf("%02u", rate / 100).toStdU16String(),
                                               QString::asprintf("%02u", rate % 100).toStdU16String()}));
}

namespace {
constexpr int kTaxSliderMaximum = 2000;
}

void SettingsPage::BindRateSlider(const RateSlider& rate)
{
    connect(controls_->Slider(rate.slider), &QSlider::actionTriggered, this, [this, rate] { OnRateScrolled(rate); });
}

void SettingsPage::SetUpRateSlider(const RateSlider& rate)
{
    QSlider* slider = controls_->Slider(rate.slider);
    if (auto* spoken = qobject_cast<AccessibleSlider*>(slider))
        spoken->ReadInHundredths();
    slider->setRange(0, kTaxSliderMaximum);
    // The arrows move 0.01 %, PageUp and PageDown a whole percent.
    slider->setSingleStep(1);
    slider->setPageStep(100);
}

void SettingsPage::ShowRateSlider(const RateSlider& rate)
{
    const std::uint32_t value = record_.settings().*rate.value;
    {
        QSlider* slider = controls_->Slider(rate.slider);
        const QSignalBlocker quiet(slider);
        // A rate beyond the slider leaves it at its end; the copy keeps the rate.
        slider->setValue(static_cast<int>(std::min<std::uint32_t>(value, kTaxSliderMaximum)));
    }
    controls_->SetText(rate.text, TaxRateText(value));
    InvalidatePage();
}

void SettingsPage::OnRateScrolled(const RateSlider& rate)
{
    record_.SetValue(rate.value, static_cast<std::uint32_t>(controls_->Slider(rate.slider)->sliderPosition()));
    controls_->SetText(rate.text, TaxRateText(record_.settings().*rate.value));
    InvalidatePage();
}

void SettingsPage::EnsureInitialised()
{
    if (initialised_)
        return;
    initialised_ = true;
    Initialise();
}

}  // namespace abacor
