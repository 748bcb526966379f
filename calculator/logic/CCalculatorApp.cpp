#include "calculator/logic/CCalculatorApp.h"

#include <QApplication>

#include "calculator/logic/CCalculatorDlg.h"
#include "platform/shell/ApplicationSetup.h"
#include "settings/SettingsStore.h"

namespace abacor {

int CCalculatorApp::InitInstance(int argc, char* argv[])
{
    QApplication application(argc, argv);
    SetUpApplication(QStringLiteral("Abacor"));
    // An ordinary top-level window; the program ends when it closes.
    CCalculatorDlg window(LoadSettings(), ScreenMetrics{});
    window.show();
    return application.exec();
}

}  // namespace abacor
