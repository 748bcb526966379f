#include "platform/shell/PopupMenu.h"

#include <QAction>

namespace abacor {

namespace {
QString Text(std::u16string_view text) { return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())); }
}  // namespace

PopupMenu::PopupMenu(MenuDescription menu, int popup, QWidget* parent) : QMenu(parent)
{
    if (popup >= 0)
        setTitle(Text(menu[static_cast<std::size_t>(popup)].text));
    AddItems(this, menu, popup);
}

void PopupMenu::AddItems(QMenu* into, MenuDescription menu, int popup)
{
    ForEachChild(menu, popup, [&](int index) {
        const MenuEntry& entry = menu[static_cast<std::size_t>(index)];
        if (entry.commandId == 0) {
            // The text's "(&N)" after the tab is the accelerator the menu reacts to.
            QMenu* submenu = into->addMenu(Text(entry.text));
            AddItems(submenu, menu, index);
            return;
        }
        QAction* action = into->addAction(Text(entry.text));
        const int id = entry.commandId;
        connect(action, &QAction::triggered, this, [this, id] { emit commandChosen(id); });
    });
}

void PopupMenu::PopupAboveLeft(const QPoint& bottomLeft)
{
    ensurePolished();
    popup(QPoint(bottomLeft.x(), bottomLeft.y() - sizeHint().height()));
}

}  // namespace abacor
