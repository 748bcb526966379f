#include "platform/shell/ApplicationSetup.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/shell/AppIcon.h"
#include "platform/shell/PaintedParts.h"
#include "platform/shell/RunningMark.h"

namespace abacor {

void SetUpApplication(const QString& name, const UiLanguage& language)
{
    InstallTranslations(language);
    // The registry key name; the settings themselves live under \Software\Korvel\Abacor.
    QApplication::setOrganizationName(QStringLiteral("Korvel"));
    QApplication::setApplicationName(name);
    QApplication::setWindowIcon(AppIcon());
    InstallPaintedPartsAccessibility();
    MarkRunning();
}

std::optional<UiLanguage> LanguageArgument(const char* program, int& argc, char* argv[], bool* failed)
{
    QString error;
    const std::optional<UiLanguage> language = TakeLanguageOption(argc, argv, LanguagesOfPrograms(), &error);
    *failed = !error.isEmpty();
    if (*failed)
        std::fprintf(stderr, "%s: %s\n", program, error.toLocal8Bit().constData());
    return language;
}

namespace {

const char* startingProgram = nullptr;
bool startingInJapanese = false;
QtMessageHandler previousHandler = nullptr;
struct HeldMessage {
    QtMsgType type;
    QString text;
};
std::vector<HeldMessage> heldMessages;

[[noreturn]] void NoDisplay()
{
    // No application object yet, so no translator: the two words are here.
    std::fprintf(stderr, "%s: %s\n", startingProgram,
                 startingInJapanese ? "画面（ディスプレイ）に接続できないため起動できません。DISPLAY または "
                                      "WAYLAND_DISPLAY を確かめてください。"
                                    : "cannot start: no display to connect to (check DISPLAY or WAYLAND_DISPLAY).");
    std::fflush(stderr);
    std::_Exit(1);
}

void HoldStartMessage(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    // A platform plugin that cannot start ends in a fatal message.
    if (type == QtFatalMsg)
        NoDisplay();
    heldMessages.push_back({type, text});
}

}  // namespace

DisplayStartGuard::DisplayStartGuard(const char* program, const UiLanguage& language)
{
    startingProgram = program;
    startingInJapanese = language == u"ja";
    const bool platformChosen = !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    if (!platformChosen && qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        NoDisplay();
    previousHandler = qInstallMessageHandler(HoldStartMessage);
}

DisplayStartGuard::~DisplayStartGuard()
{
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& message : heldMessages)
        qt_message_output(message.type, QMessageLogContext(), message.text);
    heldMessages.clear();
}

}  // namespace abacor
