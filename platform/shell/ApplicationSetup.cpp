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

// The options QApplication takes for itself, and whether a value follows.
struct QtOption {
    std::string_view name;
    bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"-platform", true},      {"-platformpluginpath", true},
    {"-platformtheme", true}, {"-plugin", true},
    {"-qmljsdebugger", true}, {"-qwindowgeometry", true},
    {"-geometry", true},      {"-qwindowicon", true},
    {"-qwindowtitle", true},  {"-title", true},
    {"-display", true},       {"-style", true},
    {"-stylesheet", true},    {"-session", true},
    {"-name", true},          {"-reverse", false},
    {"-widgetcount", false},  {"-nograb", false},
    {"-dograb", false},       {"-sync", false},
    {"-visual", true},        {"-ncols", true},
    {"-cmap", false},         {"-fn", true},
};

}  // namespace

std::optional<int> AnsweredCommandLine(const char* program, int argc, char* argv[], std::string_view usage,
                                       std::string_view version)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            std::fwrite(usage.data(), 1, usage.size(), stdout);
            return std::fflush(stdout) == 0 ? 0 : 1;
        }
        if (argument == "--version") {
            std::fwrite(version.data(), 1, version.size(), stdout);
            std::fputc('\n', stdout);
            return std::fflush(stdout) == 0 ? 0 : 1;
        }
        if (!argument.starts_with('-') || argument == "-")
            continue;
        // Qt's own, as one dash or two ("--style=fusion" too).
        std::string_view name = argument.starts_with("--") ? argument.substr(1) : argument;
        const bool joined = name.find('=') != std::string_view::npos;
        name = name.substr(0, name.find('='));
        const QtOption* known = nullptr;
        for (const QtOption& option : kQtOptions)
            if (option.name == name)
                known = &option;
        if (known == nullptr) {
            std::fprintf(stderr, "%s: unknown option %.*s (%s --help lists the options)\n", program,
                         static_cast<int>(argument.size()), argument.data(), program);
            return 2;
        }
        if (known->takesValue && !joined)
            ++i;
    }
    return std::nullopt;
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
