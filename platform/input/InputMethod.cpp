#include "platform/input/InputMethod.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QWidget>

namespace abacor {

void SwitchToAlphanumericInput(QWidget& window)
{
    // Qt's portable form of closing the input method and choosing
    // alphanumeric conversion: the window takes no composed input at all.
    window.setAttribute(Qt::WA_InputMethodEnabled, false);
    if (QInputMethod* method = QGuiApplication::inputMethod())
        method->reset();
}

}  // namespace abacor
