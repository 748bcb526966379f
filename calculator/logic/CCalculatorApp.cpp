#include "calculator/logic/CCalculatorApp.h"

#include <QApplication>

#include "calculator/logic/CCalculatorDlg.h"
#include "platform/shell/AppIcon.h"
#include "platform/shell/PaintedParts.h"
#include "settings/SettingsStore.h"

namespace abacor {

int CCalculatorApp::InitInstance(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // The registry key name; the settings themselves live under \Software\Korvel\Abacor.
    QApplication::setOrganizationName(QStringLiteral("Korvel"));
    QApplication::setApplicationName(QStringLiteral("Abacor"));
    QApplication::setApplicationDisplayName(QStringLiteral("Abacor"));
    QApplication::setWindowIcon(AppIcon());
    InstallPaintedPartsAccessibility();

    // An ordinary top-level window; the program ends when it closes.
    CCalculatorDlg window(LoadSettings(), ScreenMetrics{});
    window.show();
    return application.exec();
}

}  // namespace abacor
