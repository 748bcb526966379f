#include "editor/CPropertySheet1.h"

#include <QTabWidget>

#include "editor/CPropertyPage1.h"
#include "editor/CPropertyPage2.h"
#include "editor/CPropertyPage3.h"
#include "editor/EditorMenus.h"
#include "editor/PreviewLayout.h"
#include "platform/shell/MessageBox.h"
#include "platform/shell/SoftKeyBar.h"
#include "settings/SettingsStore.h"

namespace abacor {

CPropertySheet1::CPropertySheet1(const ScreenMetrics& screen, QWidget* parent)
    : CPropertySheet1(screen, LoadSettings(), parent)
{
}

CPropertySheet1::CPropertySheet1(const ScreenMetrics& screen, const CalculatorSettings& initial, QWidget* parent)
    : QDialog(parent), m_settings(initial), screen_(screen)
{
    setWindowTitle(QString::fromUtf16(kSheetCaption));
    resize(screen.width, screen.height);
    tabs_ = new QTabWidget(this);
    tabs_->setTabPosition(QTabWidget::South);
    // No frame around the pages: they fill the window's width, as on the phone.
    tabs_->setDocumentMode(true);
    page1_ = new CPropertyPage1(this);
    page2_ = new CPropertyPage2(this);
    page3_ = new CPropertyPage3(this);
    for (CPropertyPage* page : Pages())
        tabs_->addTab(page, page->objectName());
    connect(tabs_, &QTabWidget::currentChanged, this, &CPropertySheet1::SetActivePage);

    bar_ = new SoftKeyBar(kEditorMenu, this);
    bar_->SetBarHeight(SoftKeyBar::kHeight / EditorDivisor(screen));
    connect(bar_, &SoftKeyBar::commandChosen, this, &CPropertySheet1::OnCommand);
    PlaceChildren();
    OnInitDialog();
}

CPropertySheet1::~CPropertySheet1() = default;

void CPropertySheet1::OnInitDialog()
{
    SetActivePage(0);
    m_bModified = false;
}

std::array<CPropertyPage*, 3> CPropertySheet1::Pages() const { return {page1_, page2_, page3_}; }

void CPropertySheet1::SetValue(std::uint32_t CalculatorSettings::*field, std::uint32_t value)
{
    m_settings.*field = value;
    m_bModified = true;
    if (field != &CalculatorSettings::ClearTypeFlg)
        return;
    for (CPropertyPagePreview* page :
         {static_cast<CPropertyPagePreview*>(page1_), static_cast<CPropertyPagePreview*>(page2_)}) {
        if (!page->IsInitialised())
            continue;
        page->CreatePreviewFonts();
        page->ApplyDisplayFont();
        page->update();
    }
}

void CPropertySheet1::PlaceChildren()
{
    bar_->setGeometry(0, height() - bar_->height(), width(), bar_->height());
    tabs_->setGeometry(0, 0, width(), height() - bar_->height());
}

void CPropertySheet1::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    screen_.width = width();
    screen_.height = height();
    if (!bar_)
        return;
    PlaceChildren();
    // A turn of the screen lays the samples out again, with the same sizes.
    for (CPropertyPagePreview* page :
         {static_cast<CPropertyPagePreview*>(page1_), static_cast<CPropertyPagePreview*>(page2_)})
        if (page->IsInitialised())
            page->LayoutPreview();
}

void CPropertySheet1::SetActivePage(int index)
{
    if (tabs_->currentIndex() != index)
        tabs_->setCurrentIndex(index);  // comes back here through currentChanged
    if (auto* page = qobject_cast<CPropertyPage*>(tabs_->widget(index)))
        page->EnsureInitialised();
}

void CPropertySheet1::OnCommand(int id)
{
    switch (id) {
    case IdSave: SaveSettings(); break;
    case IdDelete: DeleteSettings(); break;
    case IdRevert: RevertSettings(); break;
    case IdEditorExit: OnExit(); break;
    default: break;
    }
}

void CPropertySheet1::SaveSettings()
{
    const bool modified = m_bModified;
    m_bModified = false;
    if (abacor::SaveSettings(m_settings)) {
        ShowMessageBox(this, QString::fromUtf16(kSaved), StyleOk);
        return;
    }
    // Never report a save that did not happen; the changes stay unsaved.
    m_bModified = modified;
    ShowMessageBox(this, QString::fromUtf16(kSaveFailed), StyleOk);
}

void CPropertySheet1::DeleteSettings()
{
    if (ShowMessageBox(this, QString::fromUtf16(kAskDelete), StyleYesNo) != AnswerYes)
        return;
    if (!abacor::DeleteSettings()) {
        ShowMessageBox(this, QString::fromUtf16(kDeleteFailed), StyleOk);
        return;
    }
    ShowMessageBox(this, QString::fromUtf16(kDeleted), StyleOk);
    RevertSettings();
}

void CPropertySheet1::RevertSettings()
{
    m_settings = LoadSettings();
    for (CPropertyPage* page : Pages())
        if (page->IsInitialised())
            page->Refresh();
    m_bModified = false;
    update();
}

void CPropertySheet1::OnExit()
{
    // As the sheet's OK command, posted.
    QMetaObject::invokeMethod(
        this, [this] { accept(); }, Qt::QueuedConnection);
}

void CPropertySheet1::done(int result)
{
    // Every page that exists must agree; only page 1 may ask.
    for (CPropertyPage* page : Pages())
        if (page->IsInitialised() && !page->OnApply())
            return;
    QDialog::done(result);
}

}  // namespace abacor
