#include "editor/CSettingsApp.h"

#include <QApplication>

#include "editor/CPropertySheet1.h"
#include "platform/shell/AppIcon.h"
#include "platform/shell/PaintedParts.h"

namespace abacor {

int CSettingsApp::InitInstance(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // The registry key name; the settings themselves live under \Software\Korvel\Abacor.
    QApplication::setOrganizationName(QStringLiteral("Korvel"));
    // No display name: Qt would append it to every window title, and the
    // windows are titled "Abacorの設定" alone. Message boxes take this name.
    QApplication::setApplicationName(QStringLiteral("AbacorSet"));
    QApplication::setWindowIcon(AppIcon());
    InstallPaintedPartsAccessibility();

    CPropertySheet1 sheet(ScreenMetrics{});
    sheet.exec();
    return 0;
}

}  // namespace abacor
