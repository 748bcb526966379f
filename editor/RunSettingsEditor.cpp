#include "editor/RunSettingsEditor.h"

#include <QApplication>

#include <optional>

#include "editor/SettingsSheet.h"

#include "platform/shell/ApplicationSetup.h"

namespace abacor {

namespace {
constexpr std::string_view kUsage = "usage: AbacorSet [--lang ja|en] [--help] [--version] [Qt options]\n"
                                    "\n"
                                    "Edits the settings Abacor reads: colours, display, keys and the desk\n"
                                    "functions, on four pages. \"保存\" (Save) writes them; a running Abacor\n"
                                    "follows at once. --lang chooses the language of the words (else the\n"
                                    "desktop's). See AbacorSet(1).\n";
}  // namespace

int RunSettingsEditor(int argc, char* argv[])
{
    bool badLanguage = false;
    const std::optional<UiLanguage> chosen = LanguageArgument("AbacorSet", argc, argv, &badLanguage);
    if (badLanguage)
        return 2;
    if (const std::optional<int> status =
            AnsweredCommandLine("AbacorSet", argc, argv, kUsage, "AbacorSet  Version " ABACOR_VERSION))
        return *status;
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
