#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace abacor {

// A language of the programs' words by its ISO 639 code: "ja", the design's
// own, or one that a file of translations/ gives ("en"). Numbers are shown
// one way in all.
using UiLanguage = QString;

// "ja" and the language of every translation built into the programs.
QStringList LanguagesOfPrograms();

// The first of the desktop's languages (QLocale::system().uiLanguages():
// LANGUAGE, LC_ALL, LC_MESSAGES, LANG) that the programs speak; English where
// none is.
UiLanguage LanguageOfDesktop(const QStringList& uiLanguages, const QStringList& spoken);

// LanguageOfDesktop of this desktop and of the built-in translations.
UiLanguage DesktopLanguage();

// "--lang CODE" (or "--lang=CODE") among a program's arguments: taken out of
// them, so that the rest reads as before. A language the programs do not
// speak is an error, said in *error.
std::optional<UiLanguage> TakeLanguageOption(int& argc, char* argv[], const QStringList& spoken, QString* error);

// Loads the programs' own and Qt's translations for the language (Qt's own
// dialogs then speak it too). Needs the application object.
void InstallTranslations(const UiLanguage& language);

}  // namespace abacor
