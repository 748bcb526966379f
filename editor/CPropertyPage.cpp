#include "editor/CPropertyPage.h"

#include <QCheckBox>

#include "editor/CPropertySheet1.h"

namespace abacor {

CPropertyPage::CPropertyPage(const DialogTemplate& dialog, CPropertySheet1* sheet)
    : sheet_(sheet),
      controls_(std::make_unique<DialogControls>(dialog, this, sheet->screen().dpiY, sheet->screen().width))
{
    setObjectName(QString::fromUtf16(dialog.caption.data(), qsizetype(dialog.caption.size())));
}

void CPropertyPage::BindFlagBoxes(std::span<const FlagBox> boxes)
{
    for (const FlagBox& box : boxes) {
        QCheckBox* check = controls_->Check(box.control);
        connect(check, &QCheckBox::clicked, this, [this, box](bool checked) {
            sheet_->SetValue(box.value, checked ? 1 : 0);
            InvalidatePage();
        });
    }
}

void CPropertyPage::ShowFlagBoxes(std::span<const FlagBox> boxes)
{
    for (const FlagBox& box : boxes)
        controls_->Check(box.control)->setChecked(FlagOn(sheet_->m_settings.*box.value));
}

void CPropertyPage::EnsureInitialised()
{
    if (initialised_)
        return;
    initialised_ = true;
    OnInitDialog();
}

}  // namespace abacor
