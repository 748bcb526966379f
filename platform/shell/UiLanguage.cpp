#include "platform/shell/UiLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstring>
#include <memory>
#include <string_view>

namespace abacor {

namespace {
std::optional<UiLanguage> LanguageNamed(std::string_view name)
{
    if (name == "ja")
        return UiLanguage::Japanese;
    if (name == "en")
        return UiLanguage::English;
    return std::nullopt;
}
}  // namespace

UiLanguage LanguageOfDesktop(const QStringList& uiLanguages)
{
    for (const QString& language : uiLanguages) {
        if (language.startsWith(QLatin1String("ja"), Qt::CaseInsensitive))
            return UiLanguage::Japanese;
        if (language.startsWith(QLatin1String("en"), Qt::CaseInsensitive))
            return UiLanguage::English;
    }
    return UiLanguage::English;
}

std::optional<UiLanguage> TakeLanguageOption(int& argc, char* argv[], QString* error)
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
        chosen = LanguageNamed(*value);
        if (!chosen) {
            *error = QStringLiteral("--lang: \"%1\" is not a language of the program (ja, en)")
                         .arg(QString::fromUtf8(value->data(), static_cast<qsizetype>(value->size())));
            return std::nullopt;
        }
    }
    argc = kept;
    argv[argc] = nullptr;
    return chosen;
}

void InstallTranslations(UiLanguage language)
{
    auto* application = QCoreApplication::instance();
    const auto load = [application](const QString& name, const QString& folder) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(name, folder))
            return;
        translator->setParent(application);  // lives as long as the program
        QCoreApplication::installTranslator(translator.release());
    };
    if (language == UiLanguage::English) {
        load(QStringLiteral("abacor_en"), QStringLiteral(":/i18n"));
        return;
    }
    // The design's words are Japanese already; Qt's dialogs are not.
    load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

}  // namespace abacor
