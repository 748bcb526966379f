#include "platform/shell/PopupMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>

namespace abacor {

namespace {

// A menu as screen readers meet it: named by its title without the accelerator.
void MakeSpoken(QMenu* menu) { menu->setAccessibleName(menu->title().section(u'\t', 0, 0)); }

}  // namespace

PopupMenu::PopupMenu(MenuDescription menu, int popup, QWidget* parent) : QMenu(parent)
{
    if (popup >= 0)
        setTitle(QStringView(menu[static_cast<std::size_t>(popup)].text).toString());
    MakeSpoken(this);
    AddItems(this, menu, popup);
}

void PopupMenu::AddItems(QMenu* into, MenuDescription menu, int popup)
{
    ForEachChild(menu, popup, [&](int index) {
        const MenuEntry& entry = menu[static_cast<std::size_t>(index)];
        if (entry.commandId == 0) {
            // The text's "(&N)" after the tab is the accelerator the menu reacts to.
            QMenu* submenu = into->addMenu(QStringView(entry.text).toString());
            MakeSpoken(submenu);
            AddItems(submenu, menu, index);
            return;
        }
        QAction* action = into->addAction(QStringView(entry.text).toString());
        const int id = entry.commandId;
        action->setCheckable(entry.checkable);
        action->setData(id);
        connect(action, &QAction::triggered, this, [this, id] { emit commandChosen(id); });
    });
}

void PopupMenu::SetChecked(int commandId, bool checked)
{
    for (QAction* action : findChildren<QAction*>())
        if (action->data().toInt() == commandId && action->isCheckable())
            action->setChecked(checked);
}

void PopupMenu::Hide(int commandId)
{
    for (QAction* action : findChildren<QAction*>())
        if (action->data().toInt() == commandId)
            action->setVisible(false);
}

void PopupMenu::PopupAboveLeft(const QPoint& bottomLeft)
{
    ensurePolished();
    popup(QPoint(bottomLeft.x(), bottomLeft.y() - sizeHint().height()));
    // After the window system has settled the focus: a screen reader hears
    // that as the calculator's window becoming active, and the item must be
    // the last thing it hears.
    QTimer::singleShot(kSettleMilliseconds, this, &PopupMenu::ActivateFirst);
}

void PopupMenu::ActivateFirst()
{
    // The first item active, as the Down key makes it, so that a screen
    // reader speaks the menu and the item at once; setActiveAction would
    // open a first submenu at once and take the digits from this menu.
    if (isVisible() && activeAction() == nullptr) {
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QCoreApplication::sendEvent(this, &down);
    }
}

}  // namespace abacor
