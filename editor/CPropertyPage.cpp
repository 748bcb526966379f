#include "editor/CPropertyPage.h"

#include "editor/CPropertySheet1.h"

namespace abacor {

namespace {
constexpr int kFrame = 6;  // the tab widget's frame around a page
}

CPropertyPage::CPropertyPage(const DialogTemplate& dialog, CPropertySheet1* sheet)
    : sheet_(sheet),
      controls_(std::make_unique<DialogControls>(dialog, this, sheet->screen().dpiY, sheet->screen().width - kFrame))
{
    setObjectName(QString::fromUtf16(dialog.caption.data(), qsizetype(dialog.caption.size())));
}

void CPropertyPage::EnsureInitialised()
{
    if (initialised_)
        return;
    initialised_ = true;
    OnInitDialog();
}

}  // namespace abacor
