#include "editor/SettingsPage.h"

#include <QCheckBox>

#include "editor/SettingsSheet.h"

namespace abacor {

SettingsPage::SettingsPage(const DialogTemplate& dialog, SettingsSheet* sheet)
    : sheet_(sheet),
      controls_(std::make_unique<DialogControls>(dialog, this, sheet->screen().dpiY, sheet->screen().width))
{
    setObjectName(QString::fromUtf16(dialog.caption.data(), qsizetype(dialog.caption.size())));
}

void SettingsPage::BindFlagBoxes(std::span<const FlagBox> boxes)
{
    for (const FlagBox& box : boxes) {
        QCheckBox* check = controls_->Check(box.control);
        connect(check, &QCheckBox::clicked, this, [this, box](bool checked) {
            sheet_->SetValue(box.value, checked ? 1 : 0);
            InvalidatePage();
        });
    }
}

void SettingsPage::ShowFlagBoxes(std::span<const FlagBox> boxes)
{
    for (const FlagBox& box : boxes)
        controls_->Check(box.control)->setChecked(FlagOn(sheet_->m_settings.*box.value));
}

void SettingsPage::EnsureInitialised()
{
    if (initialised_)
        return;
    initialised_ = true;
    OnInitDialog();
}

}  // namespace abacor
