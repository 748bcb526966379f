#include "platform/shell/PopupMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>

#include "platform/shell/Translated.h"

namespace abacor {

namespace {

// A menu as screen readers meet it: named by its title without the accelerator.
void MakeSpoken(QMenu* menu) { menu->setAccessibleName(menu->title().section(u'\t', 0, 0)); }

// The digit of a keypad key, Num Lock on (the digits) or off (the keys it
// moves by); -1 for any other.
int KeypadDigit(int key)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return key - Qt::Key_0;
    static constexpr int kNumLockOff[] = {Qt::Key_Insert, Qt::Key_End,   Qt::Key_Down,  Qt::Key_PageDown,
                                          Qt::Key_Left,   Qt::Key_Clear, Qt::Key_Right, Qt::Key_Home,
                                          Qt::Key_Up,     Qt::Key_PageUp};
    for (int digit = 0; digit < 10; ++digit)
        if (kNumLockOff[digit] == key)
            return digit;
    return -1;
}

}  // namespace

PopupMenu::PopupMenu(MenuDescription menu, int popup, QWidget* parent) : QMenu(parent)
{
    if (popup >= 0)
        setTitle(Translated("Menu", menu[static_cast<std::size_t>(popup)].text));
    MakeSpoken(this);
    installEventFilter(this);
    AddItems(this, menu, popup);
}

bool PopupMenu::eventFilter(QObject* watched, QEvent* event)
{
    // The keypad's digits choose items as the top row's do.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers().testFlag(Qt::KeypadModifier)) {
            if (const int digit = KeypadDigit(key->key()); digit >= 0) {
                QKeyEvent typed(QEvent::KeyPress, Qt::Key_0 + digit, Qt::NoModifier, QString(QChar(u'0' + digit)));
                QCoreApplication::sendEvent(watched, &typed);
                return true;
            }
        }
    }
    return QMenu::eventFilter(watched, event);
}

void PopupMenu::AddItems(QMenu* into, MenuDescription menu, int popup)
{
    ForEachChild(menu, popup, [&](int index) {
        const MenuEntry& entry = menu[static_cast<std::size_t>(index)];
        if (entry.commandId == 0) {
            // The text's "(&N)" after the tab is the accelerator the menu reacts to.
            QMenu* submenu = into->addMenu(Translated("Menu", entry.text));
            MakeSpoken(submenu);
            submenu->installEventFilter(this);
            AddItems(submenu, menu, index);
            return;
        }
        QAction* action = into->addAction(Translated("Menu", entry.text));
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

void PopupMenu::SetKeyText(int commandId, const QString& keyText)
{
    for (QAction* action : findChildren<QAction*>())
        if (action->data().toInt() == commandId && !action->text().endsWith(keyText))
            action->setText(action->text() + QStringLiteral("  ") + keyText);
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
