#include "calculator/window/WindowMenus.h"

#include <QMenu>
#include <QWidget>

#include "calculator/window/CalculatorMenus.h"
#include "calculator/window/StayOnTop.h"
#include "platform/shell/PopupMenu.h"
#include "platform/shell/SoftKeyBar.h"

namespace abacor {

WindowMenus::WindowMenus(QWidget& window) : QObject(&window), window_(window)
{
    bar_ = new SoftKeyBar(kSoftKeyMenu, &window);
    connect(bar_, &SoftKeyBar::commandChosen, this, &WindowMenus::commandChosen);
    connect(bar_, &SoftKeyBar::popupAboutToShow, this, &WindowMenus::aboutToShow);
    if (!StayOnTopPossible())
        bar_->HideItem(IdStayOnTop);
}

PopupMenu* WindowMenus::clearMenu() const
{
    return clearMenu_ && clearMenu_->isVisible() ? clearMenu_.data() : nullptr;
}

void WindowMenus::ShowClearMenu()
{
    if (clearMenu_)
        clearMenu_->deleteLater();
    clearMenu_ = new PopupMenu(kClearMenu, 0, &window_);
    connect(clearMenu_, &PopupMenu::commandChosen, this, &WindowMenus::commandChosen);
    connect(clearMenu_, &QMenu::aboutToShow, this, &WindowMenus::aboutToShow);
    connect(clearMenu_, &QMenu::aboutToHide, bar_, [this] { bar_->AnnounceOpener(-1); });
    bar_->AnnounceOpener(0);
    // Bottom-aligned on the top of the soft-key bar, at the left edge.
    clearMenu_->PopupAboveLeft(window_.mapToGlobal(QPoint(0, bar_->geometry().top())));
}

void WindowMenus::ShowDisplayMenu(const QPoint& at)
{
    QMenu menu(&window_);
    ForEachChild(kDisplayMenu, 0, [&](int index) {
        const MenuEntry& entry = kDisplayMenu[static_cast<std::size_t>(index)];
        const int id = entry.commandId;
        connect(menu.addAction(QStringView(entry.text).toString()), &QAction::triggered, this,
                [this, id] { emit commandChosen(id); });
    });
    menu.exec(at);
}

void WindowMenus::SetChecked(int commandId, bool checked) { bar_->SetChecked(commandId, checked); }

}  // namespace abacor
