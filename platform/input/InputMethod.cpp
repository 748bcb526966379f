#include "platform/input/InputMethod.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QWidget>

#ifdef Q_OS_WIN
#include <QAbstractNativeEventFilter>
#include <QPointer>

#include <windows.h>
// After windows.h, which it needs.
#include <ime.h>

#include <algorithm>
#include <vector>
#endif

namespace abacor {

#ifdef Q_OS_WIN
namespace {

// The keys of a Japanese keyboard that only switch the input method:
// 半角/全角, 変換, 無変換, ひらがな, 英数 and the others of the DBE range.
bool SwitchesInputMethod(WPARAM key)
{
    return key == VK_KANA || key == VK_KANJI || key == VK_CONVERT || key == VK_NONCONVERT ||
           (key >= VK_DBE_ALPHANUMERIC && key <= VK_DBE_NOCODEINPUT);
}

// Windows turns such a key into an input-method switch even in a window
// that takes no composed input, and the key after it is then swallowed as
// the switch's own: in these windows the switch never reaches Windows.
class InputMethodKeysDropped final : public QAbstractNativeEventFilter {
public:
    void Add(QWidget& window) { windows_.emplace_back(&window); }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "windows_generic_MSG")
            return false;
        const MSG& msg = *static_cast<const MSG*>(message);
        if ((msg.message != WM_KEYDOWN && msg.message != WM_KEYUP && msg.message != WM_SYSKEYDOWN &&
             msg.message != WM_SYSKEYUP) ||
            !SwitchesInputMethod(msg.wParam))
            return false;
        return std::any_of(windows_.begin(), windows_.end(), [&msg](const QPointer<QWidget>& window) {
            return window && reinterpret_cast<HWND>(window->effectiveWinId()) == msg.hwnd;
        });
    }

private:
    std::vector<QPointer<QWidget>> windows_;
};

}  // namespace
#endif

void SwitchToAlphanumericInput(QWidget& window)
{
    // Qt's portable form of closing the input method and choosing
    // alphanumeric conversion: the window takes no composed input at all.
    window.setAttribute(Qt::WA_InputMethodEnabled, false);
    if (QInputMethod* method = QGuiApplication::inputMethod())
        method->reset();
#ifdef Q_OS_WIN
    static InputMethodKeysDropped dropped;
    static const bool installed = [] {
        QCoreApplication::instance()->installNativeEventFilter(&dropped);
        return true;
    }();
    static_cast<void>(installed);
    dropped.Add(window);
#endif
}

}  // namespace abacor
