#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace abacor {

// The language of the programs' words: the design's Japanese, or English.
// Numbers are shown one way in both.
enum class UiLanguage { Japanese, English };

// Japanese where Japanese comes before English among the desktop's languages
// (QLocale::system().uiLanguages(): LANGUAGE, LC_ALL, LC_MESSAGES, LANG),
// English otherwise.
UiLanguage LanguageOfDesktop(const QStringList& uiLanguages);

// "--lang ja|en" (or "--lang=…") among a program's arguments: taken out of
// them, so that the rest reads as before. An unknown language is an error,
// said in *error.
std::optional<UiLanguage> TakeLanguageOption(int& argc, char* argv[], QString* error);

// Loads the programs' own and Qt's translations for the language (Qt's own
// dialogs then speak it too). Needs the application object.
void InstallTranslations(UiLanguage language);

}  // namespace abacor
