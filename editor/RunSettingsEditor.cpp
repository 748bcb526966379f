#include "editor/RunSettingsEditor.h"

#include <QApplication>

#include "editor/SettingsSheet.h"

#include "platform/shell/ApplicationSetup.h"

namespace abacor {

int RunSettingsEditor(int argc, char* argv[])
{
    QApplication application(argc, argv);
    SetUpApplication(QStringLiteral("AbacorSet"));
    SettingsSheet sheet(ScreenMetrics{});
    sheet.exec();
    return 0;
}

}  // namespace abacor
