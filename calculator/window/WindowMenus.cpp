#include "calculator/window/WindowMenus.h"

#include <QMenu>
#include <QWidget>

#include "calculator/window/CalculatorMenus.h"
#include "calculator/window/DesktopShortcuts.h"
#include "calculator/window/KeyMap.h"
#include "calculator/window/StayOnTop.h"
#include "platform/shell/PopupMenu.h"
#include "platform/shell/SoftKeyBar.h"
#include "platform/shell/Translated.h"

namespace abacor {

WindowMenus::WindowMenus(QWidget& window) : QObject(&window), window_(window)
{
    bar_ = new SoftKeyBar(kSoftKeyMenu, &window);
    connect(bar_, &SoftKeyBar::commandChosen, this, &WindowMenus::commandChosen);
    connect(bar_, &SoftKeyBar::popupAboutToShow, this, &WindowMenus::aboutToShow);
    connect(bar_, &SoftKeyBar::popupClosed, this, &WindowMenus::closed);
    if (!StayOnTopPossible())
        bar_->HideItem(IdStayOnTop);
    for (const MenuEntry& entry : kSoftKeyMenu)
        if (const QString key = MenuKeyText(entry.commandId); !key.isEmpty())
            bar_->SetKeyText(entry.commandId, key);
}

QString WindowMenus::MenuKeyText(int commandId) { return commandId == 0 ? QString() : KeyText(MenuKey(commandId)); }

PopupMenu* WindowMenus::clearMenu() const
{
    return clearMenu_ && clearMenu_->isVisible() ? clearMenu_.data() : nullptr;
}

void WindowMenus::ShowClearMenu()
{
    if (clearMenu_)
        clearMenu_->deleteLater();
    clearMenu_ = new PopupMenu(kClearMenu, 0, &window_);
    for (const MenuEntry& entry : kClearMenu)
        if (const QString key = MenuKeyText(entry.commandId); !key.isEmpty())
            clearMenu_->SetKeyText(entry.commandId, key);
    connect(clearMenu_, &PopupMenu::commandChosen, this, &WindowMenus::commandChosen);
    connect(clearMenu_, &QMenu::aboutToShow, this, &WindowMenus::aboutToShow);
    connect(clearMenu_, &QMenu::aboutToHide, bar_, [this] {
        bar_->AnnounceOpener(-1);
        emit closed();
    });
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
        const QString key = MenuKeyText(id);
        connect(menu.addAction(Translated("Menu", entry.text) + (key.isEmpty() ? QString() : u'\t' + key)),
                &QAction::triggered, this, [this, id] { emit commandChosen(id); });
    });
    // Opened on its first item, which a screen reader then says.
    if (!menu.actions().isEmpty())
        connect(&menu, &QMenu::aboutToShow, &menu, [&menu] { menu.setActiveAction(menu.actions().constFirst()); });
    menu.exec(at);
    emit closed();
}

void WindowMenus::SetChecked(int commandId, bool checked) { bar_->SetChecked(commandId, checked); }

}  // namespace abacor
