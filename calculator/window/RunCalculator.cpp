#include "calculator/window/RunCalculator.h"

#include <QApplication>

#include <optional>

#include "calculator/window/CalculatorWindow.h"
#include "platform/shell/ApplicationSetup.h"
#include "settings/SettingsStore.h"

namespace abacor {

int RunCalculator(int argc, char* argv[])
{
    std::optional<DisplayStartGuard> guard(std::in_place, "Abacor");
    QApplication application(argc, argv);
    guard.reset();
    SetUpApplication(QStringLiteral("Abacor"));
    // An ordinary top-level window; the program ends when it closes.
    CalculatorWindow window(LoadSettings(), ScreenMetrics{});
    window.show();
    return application.exec();
}

}  // namespace abacor
