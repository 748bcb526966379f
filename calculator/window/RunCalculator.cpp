#include "calculator/window/RunCalculator.h"

#include <QApplication>
#include <QScreen>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "calculator/window/CalculatorMenus.h"
#include "calculator/window/CalculatorWindow.h"
#include "calculator/window/KeyMap.h"
#include "calculator/window/WindowPlacement.h"
#include "platform/drawing/FontWarmup.h"
#include "platform/shell/ApplicationSetup.h"
#include "platform/shell/MessageBox.h"
#include "platform/shell/Translated.h"
#include "settings/SettingsStore.h"
#include "text/Utf.h"

namespace abacor {

namespace {
constexpr std::string_view kUsage = "usage: Abacor [--lang ja|en] [--keys] [--help] [--version] [Qt options]\n"
                                    "\n"
                                    "The desk calculator. --keys prints the keyboard map, a command and its\n"
                                    "keys a line; --lang chooses the language of the words (else the\n"
                                    "desktop's). The switches on the calculator's face: Alt+R rounding,\n"
                                    "Alt+D decimal places, Alt+G GT, Alt+X per-rate tax totals, Alt+I item\n"
                                    "count, Alt+K constant, Alt+Y day count, Alt+T the number shown as the\n"
                                    "rate in force. See Abacor(1).\n";
constexpr int kMinimumWidth = 240;
constexpr int kMinimumHeight = 320;
}  // namespace

int RunCalculator(int argc, char* argv[])
{
    // The keyboard map, for people and scripts; no display needed.
    if (std::any_of(argv + 1, argv + argc, [](const char* a) { return std::string_view(a) == "--keys"; })) {
        const std::string map = KeyMapText();
        const bool written = std::fwrite(map.data(), 1, map.size(), stdout) == map.size() && std::fflush(stdout) == 0;
        return written ? 0 : 1;
    }
    bool badLanguage = false;
    const std::optional<UiLanguage> chosen = LanguageArgument("Abacor", argc, argv, &badLanguage);
    if (badLanguage)
        return 2;
    static const std::string version = Utf8(kVersionText);
    if (const std::optional<int> status = AnsweredCommandLine("Abacor", argc, argv, kUsage, version))
        return *status;
    const UiLanguage language = chosen.value_or(DesktopLanguage());
    FontWarmup fonts;
    std::optional<DisplayStartGuard> guard(std::in_place, "Abacor", language);
    QApplication application(argc, argv);
    guard.reset();
    SetUpApplication(QStringLiteral("Abacor"), language);
    // The installed desktop entry's id: shells match windows to it.
    QGuiApplication::setDesktopFileName(QStringLiteral("jp.korvel.Abacor"));
    fonts.Finish();
    // An ordinary top-level window; the program ends when it closes.
    CalculatorWindow window(LoadSettings(), ScreenMetrics{});
    window.FollowStore();
    // The smallest phone's screen: every key and caption still usable.
    window.setMinimumSize(kMinimumWidth, kMinimumHeight);
    const std::optional<WindowPlacement> placement = LoadPlacement();
    // The flag before the place: a window made again for a new flag would
    // take its place as a window manager's frame, one title bar lower.
    window.SetStayOnTop(placement && placement->onTop);
    if (placement)
        window.SetTapeGeometry(placement->tapeGeometry);
    if (placement && window.restoreGeometry(placement->geometry)) {
        // The file may say anything: a window larger than any screen would
        // take all memory and every key.
        if (const QScreen* screen = window.screen())
            window.setGeometry(OnScreen(window.geometry(), screen->availableGeometry()));
    } else {
        // The first start: the design's size where it fits, placed by the
        // window manager.
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            window.resize(FittingSize(window.size(), screen->availableGeometry()));
    }
    // The first frame waits for no disk: the tape and the kept state come
    // right after it, from a thread of their own.
    window.AwaitTapeStore();
    window.AfterFirstFrame([&window] { window.OpenTapeStoreInBackground(TapeFile()); });
    window.show();
    const int status = application.exec();
    // A tape the user asked to erase that is still in the file is told,
    // whatever else happens at the end.
    if (window.session().ClearPending() && !window.session().Flush() && window.session().ClearPending())
        ShowMessageBox(nullptr,
                       QObject::tr("テープのファイルを消去できませんでした。") + u'\n' +
                           Translated(window.session().KeepProblem()),
                       StyleOk);
    // Where it was, for the next start; a state folder that cannot be
    // written costs only that, and the old file stays as it was.
    if (!SavePlacement({window.saveGeometry(), window.StaysOnTop(), window.TapeGeometry()}))
        std::fprintf(
            stderr, "Abacor: %s\n",
            QCoreApplication::translate("Console", "窓の位置を保存できませんでした。").toLocal8Bit().constData());
    return status;
}

}  // namespace abacor
