#include "calculator/logic/CCalculatorApp.h"

#include <QApplication>

#include "calculator/logic/CCalculatorDlg.h"
#include "settings/SettingsStore.h"

namespace abacor {

int CCalculatorApp::InitInstance(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // The registry key name; the settings themselves live under \Software\Korvel\Abacor.
    QApplication::setOrganizationName(QStringLiteral("Korvel"));
    QApplication::setApplicationName(QStringLiteral("Abacor"));
    QApplication::setApplicationDisplayName(QStringLiteral("Abacor"));

    CCalculatorDlg dialog(LoadSettings(), ScreenMetrics{});
    dialog.exec();
    return 0;
}

}  // namespace abacor
