#include "editor/RunSettingsEditor.h"

#include <QApplication>

#include <optional>

#include "editor/SettingsSheet.h"

#include "platform/shell/ApplicationSetup.h"

namespace abacor {

int RunSettingsEditor(int argc, char* argv[])
{
    bool badLanguage = false;
    const std::optional<UiLanguage> chosen = LanguageArgument("AbacorSet", argc, argv, &badLanguage);
    if (badLanguage)
        return 2;
    const UiLanguage language = chosen.value_or(DesktopLanguage());
    std::optional<DisplayStartGuard> guard(std::in_place, "AbacorSet", language);
    QApplication application(argc, argv);
    guard.reset();
    SetUpApplication(QStringLiteral("AbacorSet"), language);
    QGuiApplication::setDesktopFileName(QStringLiteral("jp.korvel.Abacor.Settings"));
    SettingsSheet sheet(ScreenMetrics{});
    sheet.exec();
    return 0;
}

}  // namespace abacor
