#include "platform/shell/UiLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstring>
#include <memory>
#include <string_view>

namespace abacor {

namespace {
const QString kBuiltIn = QStringLiteral(":/i18n");
const QString kDesignLanguage = QStringLiteral("ja");
const QString kFallback = QStringLiteral("en");

// "en-US", "ja_JP" -> "en", "ja"
QString CodeOf(const QString& uiLanguage)
{
    return uiLanguage.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
}
}  // namespace

QStringList LanguagesOfPrograms()
{
    QStringList languages{kDesignLanguage};
    const QStringList files = QDir(kBuiltIn).entryList({QStringLiteral("abacor_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        languages.append(file.mid(std::strlen("abacor_")).chopped(std::strlen(".qm")));
    return languages;
}

UiLanguage LanguageOfDesktop(const QStringList& uiLanguages, const QStringList& spoken)
{
    for (const QString& language : uiLanguages)
        if (spoken.contains(CodeOf(language)))
            return CodeOf(language);
    return spoken.contains(kFallback) ? kFallback : kDesignLanguage;
}

UiLanguage DesktopLanguage() { return LanguageOfDesktop(QLocale::system().uiLanguages(), LanguagesOfPrograms()); }

std::optional<UiLanguage> TakeLanguageOption(int& argc, char* argv[], const QStringList& spoken, QString* error)
{
    std::optional<UiLanguage> chosen;
    int kept = 1;
    for (int index = 1; index < argc; ++index) {
        const std::string_view argument(argv[index]);
        std::optional<std::string_view> value;
        if (argument == "--lang" && index + 1 < argc)
            value = argv[++index];
        else if (argument.starts_with("--lang="))
            value = argument.substr(std::strlen("--lang="));
        else if (argument == "--lang")
            value = std::string_view();
        if (!value) {
            argv[kept++] = argv[index];
            continue;
        }
        chosen = QString::fromUtf8(value->data(), static_cast<qsizetype>(value->size()));
        if (!spoken.contains(*chosen)) {
            *error = QStringLiteral("--lang: \"%1\" is not a language of the program (%2)")
                         .arg(*chosen, spoken.join(QStringLiteral(", ")));
            return std::nullopt;
        }
    }
    argc = kept;
    argv[argc] = nullptr;
    return chosen;
}

void InstallTranslations(const UiLanguage& language)
{
    auto* application = QCoreApplication::instance();
    const auto load = [application](const QString& name, const QStringList& folders) {
        for (const QString& folder : folders) {
            auto translator = std::make_unique<QTranslator>();
            if (!translator->load(name, folder))
                continue;
            translator->setParent(application);  // lives as long as the program
            QCoreApplication::installTranslator(translator.release());
            return;
        }
    };
    if (language != kDesignLanguage)
        load(QStringLiteral("abacor_") + language, {kBuiltIn});
    // Qt's dialogs: from Qt's own folder, or built in where Qt has none (Windows).
    load(QStringLiteral("qtbase_") + language, {QLibraryInfo::path(QLibraryInfo::TranslationsPath), kBuiltIn});
}

}  // namespace abacor
