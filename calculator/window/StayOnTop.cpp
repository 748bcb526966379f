#include "calculator/window/StayOnTop.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace abacor {

bool StayOnTopPossible() { return !QGuiApplication::platformName().startsWith(u"wayland"); }

void KeepAbove(QWidget& window, bool above)
{
    if (QWindow* native = window.windowHandle())
        native->setFlag(Qt::WindowStaysOnTopHint, above);
    else
        window.setWindowFlag(Qt::WindowStaysOnTopHint, above);
}

}  // namespace abacor
