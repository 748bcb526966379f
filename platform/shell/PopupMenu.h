#pragma once

#include <QMenu>
#include <QPoint>

#include "platform/shell/MenuDescription.h"

namespace abacor {

// A popup menu built from a menu description. A digit, on the top row or the
// keypad (Num Lock on or off), chooses the item whose accelerator is that
// digit. Chosen commands arrive through commandChosen.
class PopupMenu : public QMenu {
    Q_OBJECT
public:
    // The popup at index popup of the description and everything under it.
    PopupMenu(MenuDescription menu, int popup, QWidget* parent);

    // Shows the menu with its bottom-left corner at bottomLeft (global
    // coordinates): bottom-aligned, left-aligned.
    void PopupAboveLeft(const QPoint& bottomLeft);
    // Shows a checkable item as on or off.
    void SetChecked(int commandId, bool checked);
    // Leaves an item out.
    void Hide(int commandId);
    // Shows the keyboard key that gives an item at its right.
    void SetKeyText(int commandId, const QString& keyText);

signals:
    void commandChosen(int commandId);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ActivateFirst();

    static constexpr int kSettleMilliseconds = 150;

    void AddItems(QMenu* into, MenuDescription menu, int popup);
};

}  // namespace abacor
