#pragma once

#include <QHash>
#include <QPointer>
#include <QWidget>

#include "platform/shell/MenuDescription.h"
#include "platform/shell/PaintedParts.h"

namespace abacor {

class PopupMenu;

// The phone's two-soft-key menu bar at the bottom of a window, built from a
// menu description: a left and a right soft key, each a command or a popup.
// F1 presses the left key and F2 the right one anywhere in the window. The
// bar keeps itself docked at the bottom of its window, the window's width.
class SoftKeyBar : public QWidget, public PaintedPartsSource {
    Q_OBJECT
public:
    // The bar's height on a 480-pixel, 192-dpi screen; smaller screens divide it.
    static constexpr int kHeight = 52;

    SoftKeyBar(MenuDescription menu, QWidget* window);

    // The bar of a window, or null.
    static SoftKeyBar* Find(QWidget* window);

    void PressLeft();
    void PressRight();
    // The popup a soft key opened last, while it is open; null otherwise.
    PopupMenu* OpenPopup() const;
    // The soft key (0, 1) that opens a menu takes the focus until the menu
    // closes, so that a screen reader says whose menu it is; -1: none.
    void AnnounceOpener(int key);
    QString KeyText(int key) const;

    void SetBarHeight(int height);
    // The state its menus show for a checkable item.
    void SetChecked(int commandId, bool checked);
    // The keyboard key its menus show beside an item.
    void SetKeyText(int commandId, const QString& keyText) { keyTexts_.insert(commandId, keyText); }
    // Leaves an item out of its menus, where the platform cannot do it.
    void HideItem(int commandId) { hidden_.append(commandId); }
    // Docks at the bottom of the window now; a resize of the window docks it
    // by itself, but a hidden window hears of its new size only when shown.
    void Dock();
    // The rectangle of a soft key (0 left, 1 right) within the bar.
    QRect KeyRect(int key) const;
    // The two soft keys, as buttons named by their labels.
    std::vector<PaintedPart> AccessibleParts() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void commandChosen(int commandId);
    // A popup of the bar is about to open.
    void popupAboutToShow();
    // A popup of the bar closed, with or without a command.
    void popupClosed();

private:
    void Press(int key);

    MenuDescription menu_;
    int entries_[2] = {-1, -1};
    QString texts_[2];
    QPointer<PopupMenu> popup_;
    int opener_ = -1;
    QList<int> checked_;
    QList<int> hidden_;
    QHash<int, QString> keyTexts_;
};

}  // namespace abacor
