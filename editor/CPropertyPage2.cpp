#include "editor/CPropertyPage2.h"

#include <QCheckBox>

#include "editor/CPropertyPage1.h"
#include "editor/CPropertySheet1.h"

namespace abacor {

namespace {
struct FlagBox {
    int control;
    std::uint32_t CalculatorSettings::*value;
};
constexpr FlagBox kFlagBoxes[] = {
    {IdcRoundButton, &CalculatorSettings::RoundButtonFlg},
    {IdcCommaFormat, &CalculatorSettings::CommaFormatFlg},
    {IdcShiftKey, &CalculatorSettings::ShiftKeyFlg},
    {IdcClearType, &CalculatorSettings::ClearTypeFlg},
};
}  // namespace

CPropertyPage2::CPropertyPage2(CPropertySheet1* sheet) : CPropertyPagePreview(kPage2Template, sheet)
{
    for (const FlagBox& box : kFlagBoxes) {
        const int id = box.control;
        connect(controls_->Check(id), &QCheckBox::clicked, this, [this, id] { OnFlag(id); });
    }
}

void CPropertyPage2::OnInitDialog()
{
    sheet_->m_bPage2Init = 1;
    ApplyDisplayFont();
    RefreshPage2();
    LayoutPreview();
}

void CPropertyPage2::RefreshPage2()
{
    for (const FlagBox& box : kFlagBoxes)
        controls_->Check(box.control)->setChecked(FlagOn(sheet_->m_settings.*box.value));
    InvalidatePage();
}

void CPropertyPage2::OnFlag(int controlId)
{
    for (const FlagBox& box : kFlagBoxes) {
        if (box.control != controlId)
            continue;
        sheet_->m_bModified = 1;
        sheet_->m_settings.*box.value = controls_->Check(controlId)->isChecked() ? 1 : 0;
    }
    if (controlId == IdcClearType) {
        // Both samples take fonts of the new quality.
        for (CPropertyPagePreview* page : {static_cast<CPropertyPagePreview*>(sheet_->page1()),
                                           static_cast<CPropertyPagePreview*>(this)}) {
            page->CreatePreviewFonts();
            page->ApplyDisplayFont();
            page->update();
        }
    }
    InvalidatePage();
}

}  // namespace abacor
