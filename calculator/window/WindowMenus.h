#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

class QWidget;

namespace abacor {

class PopupMenu;
class SoftKeyBar;

// The calculator's menus: the soft-key bar with its popups, the clear menu
// of the left soft key, the display's context menu. Whatever is chosen
// arrives as a command id.
class WindowMenus : public QObject {
    Q_OBJECT
public:
    explicit WindowMenus(QWidget& window);

    SoftKeyBar* bar() const { return bar_; }
    // The clear menu while it is shown, else null.
    PopupMenu* clearMenu() const;
    // Above the soft-key bar, at the left edge.
    void ShowClearMenu();
    // At a point of the screen (global coordinates).
    void ShowDisplayMenu(const QPoint& at);
    void SetChecked(int commandId, bool checked);

signals:
    void commandChosen(int commandId);
    // A menu is about to open: a key held down is let go.
    void aboutToShow();
    // A menu closed: the display is the focus again.
    void closed();

private:
    // The key a menu shows beside a command's item ("Ctrl+P"); empty for none.
    static QString MenuKeyText(int commandId);

    QWidget& window_;
    SoftKeyBar* bar_ = nullptr;
    QPointer<PopupMenu> clearMenu_;
};

}  // namespace abacor
