#include "editor/CSettingsApp.h"

#include <QApplication>

#include "editor/CPropertySheet1.h"
#include "platform/shell/ApplicationSetup.h"

namespace abacor {

int CSettingsApp::InitInstance(int argc, char* argv[])
{
    QApplication application(argc, argv);
    SetUpApplication(QStringLiteral("AbacorSet"));
    CPropertySheet1 sheet(ScreenMetrics{});
    sheet.exec();
    return 0;
}

}  // namespace abacor
