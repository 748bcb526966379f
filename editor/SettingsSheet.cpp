#include "editor/SettingsSheet.h"

#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>

#include "editor/ColoursPage.h"
#include "editor/DeskPage.h"
#include "editor/DisplayPage.h"
#include "editor/EditorMenus.h"
#include "editor/KeysPage.h"
#include "editor/PreviewLayout.h"
#include "platform/shell/MessageBox.h"
#include "platform/shell/PaintedParts.h"
#include "platform/shell/SoftKeyBar.h"
#include "platform/shell/Translated.h"
#include "settings/SettingsStore.h"

namespace abacor {

SettingsSheet::SettingsSheet(const ScreenMetrics& screen, QWidget* parent)
    : SettingsSheet(screen, LoadSettings(), parent)
{
}

SettingsSheet::SettingsSheet(const ScreenMetrics& screen, const CalculatorSettings& initial, QWidget* parent)
    : QDialog(parent), record_(initial), screen_(screen)
{
    setWindowTitle(Translated("Editor", kSheetCaption));
    resize(screen.width, screen.height);
    connect(&record_, &SettingsRecord::changed, this, &SettingsSheet::changed);
    tabs_ = new AccessibleTabWidget(this);
    tabs_->setTabPosition(QTabWidget::South);
    // No frame around the pages: they fill the window's width, as on the phone.
    tabs_->setDocumentMode(true);
    page1_ = new ColoursPage(record_, screen_);
    page2_ = new DisplayPage(record_, screen_);
    page3_ = new KeysPage(record_, screen_);
    page4_ = new DeskPage(record_, screen_);
    for (SettingsPage* page : Pages()) {
        tabs_->addTab(page, page->objectName());
        page->setAccessibleName(page->objectName());  // a reader says the page's title
    }
    connect(tabs_, &QTabWidget::currentChanged, this, &SettingsSheet::SetActivePage);
    // From any control, not only where the tab widget sees the key first.
    for (const auto& [keys, step] : {std::pair{QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
                                     std::pair{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
                                     std::pair{QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
                                     std::pair{QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1}})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [this, step] { TurnPage(step); });

    bar_ = new SoftKeyBar(kEditorMenu, this);
    bar_->SetBarHeight(SoftKeyBar::kHeight / EditorDivisor(screen));
    connect(bar_, &SoftKeyBar::commandChosen, this, &SettingsSheet::OnCommand);
    said_ = new AccessibleNotice(this);
    said_->setFixedSize(0, 0);
    PlaceChildren();
    Initialise();
}

SettingsSheet::~SettingsSheet() = default;

void SettingsSheet::Initialise()
{
    SetActivePage(0);
    record_.SetModified(false);
}

std::array<SettingsPage*, 4> SettingsSheet::Pages() const { return {page1_, page2_, page3_, page4_}; }

void SettingsSheet::PlaceChildren() { tabs_->setGeometry(0, 0, width(), height() - bar_->height()); }

void SettingsSheet::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    screen_.width = width();
    screen_.height = height();
    if (!bar_)
        return;
    PlaceChildren();
    // A turn of the screen lays the samples out again, with the same sizes.
    for (SamplePage* page : {static_cast<SamplePage*>(page1_), static_cast<SamplePage*>(page2_)})
        if (page->IsInitialised())
            page->LayoutPreview();
}

void SettingsSheet::SetActivePage(int index)
{
    if (tabs_->currentIndex() != index)
        tabs_->setCurrentIndex(index);  // comes back here through currentChanged
    if (auto* page = qobject_cast<SettingsPage*>(tabs_->widget(index)))
        page->EnsureInitialised();
    // The tab widget's stack of pages carries the page's title, so that a
    // reader entering a page says "ページ３", not an unnamed "layered pane".
    if (auto* stack = tabs_->findChild<QWidget*>(QStringLiteral("qt_tabwidget_stackedwidget")))
        stack->setAccessibleName(tabs_->tabText(tabs_->currentIndex()));
}

void SettingsSheet::TurnPage(int step)
{
    const int count = tabs_->count();
    SetActivePage((tabs_->currentIndex() + step + count) % count);
    // On the page's tab, which a reader says; Tab goes on into the page.
    tabs_->tabBar()->setFocus(Qt::TabFocusReason);
}

void SettingsSheet::OnCommand(int id)
{
    switch (id) {
    case IdSave: SaveSettings(); break;
    case IdDelete: DeleteSettings(); break;
    case IdRevert: RevertSettings(); break;
    case IdEditorExit: OnExit(); break;
    default: break;
    }
}

void SettingsSheet::SaveSettings()
{
    const bool modified = record_.modified();
    record_.SetModified(false);
    const StoreResult saved = abacor::SaveSettings(record_.settings());
    if (saved) {
        ShowMessageBox(this, Translated("Message", kSaved), StyleOk);
        return;
    }
    // Never report a save that did not happen; the changes stay unsaved.
    record_.SetModified(modified);
    const char16_t* why = saved.failure == StoreFailure::ReadOnly   ? kSaveReadOnly
                          : saved.failure == StoreFailure::NotOwner ? kSaveNotOwner
                                                                    : kSaveFailed;
    ShowMessageBox(this, Translated("Message", why), StyleOk);
}

void SettingsSheet::DeleteSettings()
{
    // A question that deletes opens on いいえ.
    if (ShowMessageBox(this, Translated("Message", kAskDelete), StyleYesNo | StyleSecondDefault) != AnswerYes)
        return;
    if (!abacor::DeleteSettings()) {
        ShowMessageBox(this, Translated("Message", kDeleteFailed), StyleOk);
        return;
    }
    ShowMessageBox(this, Translated("Message", kDeleted), StyleOk);
    ReloadSettings();
}

void SettingsSheet::RevertSettings()
{
    bool undone = false;
    for (SettingsPage* page : Pages())
        if (!undone && page->IsInitialised() && page->UndoLastStep()) {
            update();
            undone = true;
        }
    if (!undone)
        ReloadSettings();
    said_->Say(tr("元に戻しました。"));
}

void SettingsSheet::ReloadSettings()
{
    record_.Replace(LoadSettings());
    for (SettingsPage* page : Pages())
        if (page->IsInitialised())
            page->Refresh();
    update();
}

void SettingsSheet::OnExit()
{
    // As the sheet's OK command, posted.
    QMetaObject::invokeMethod(
        this, [this] { accept(); }, Qt::QueuedConnection);
}

void SettingsSheet::done(int result)
{
    // Every page that exists must agree; only page 1 may ask.
    for (SettingsPage* page : Pages())
        if (page->IsInitialised() && !page->OnApply())
            return;
    QDialog::done(result);
}

}  // namespace abacor
