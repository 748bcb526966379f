#pragma once

#include <QString>

#include <optional>
#include <string_view>

#include "platform/shell/UiLanguage.h"

namespace abacor {

// What both programs do first, after making their application object: the
// registry key name "Korvel", the program's name (message boxes show it as
// their caption; no display name, which Qt would append to every window
// title), the icon, the accessibility of painted parts, the mark of a
// running program (for the installer), and the language:
// the one given (--lang), else the desktop's (DesktopLanguage).
void SetUpApplication(const QString& name, const UiLanguage& language);

// Takes "--lang ja|en" out of the arguments; an unknown language is said on
// standard error, and the program ends with status 2 (*failed set).
std::optional<UiLanguage> LanguageArgument(const char* program, int& argc, char* argv[], bool* failed);

// "--help" or "-h" prints usage, "--version" the version, each on standard
// output with status 0; an option neither the program nor Qt knows is an
// error (status 2, on standard error). Empty when the program is to start.
// (Before the application object: no display is needed to ask.)
std::optional<int> AnsweredCommandLine(const char* program, int argc, char* argv[], std::string_view usage,
                                       std::string_view version);

// Lives while a program makes its application object: when there is no
// display to show it on (none named, or one that refuses the connection) the
// program says so in one line and ends with status 1, instead of an abort.
// Qt's own start-up messages are held back and shown only if the start
// succeeds.
class DisplayStartGuard {
public:
    // The line in the program's language.
    DisplayStartGuard(const char* program, const UiLanguage& language);
    ~DisplayStartGuard();
    DisplayStartGuard(const DisplayStartGuard&) = delete;
    DisplayStartGuard& operator=(const DisplayStartGuard&) = delete;
};

}  // namespace abacor
