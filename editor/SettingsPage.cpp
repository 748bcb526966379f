#include "editor/SettingsPage.h"

#include <QCheckBox>

namespace abacor {

SettingsPage::SettingsPage(const DialogTemplate& dialog, SettingsRecord& record, const ScreenMetrics& screen)
    : record_(record), screen_(screen),
      controls_(std::make_unique<DialogControls>(dialog, this, screen.dpiY, screen.width))
{
    setObjectName(QStringView(dialog.caption).toString());
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

void SettingsPage::EnsureInitialised()
{
    if (initialised_)
        return;
    initialised_ = true;
    Initialise();
}

}  // namespace abacor
