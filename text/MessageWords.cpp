#include "text/MessageWords.h"

#include <algorithm>
#include <cstring>

namespace abacor {

std::vector<std::string_view> MessageLanguages()
{
    std::vector<std::string_view> languages;
    for (const MessageWord& word : MessageWords())
        if (std::find(languages.begin(), languages.end(), word.language) == languages.end())
            languages.push_back(word.language);
    return languages;
}

std::u16string ComposedIn(const Message& message, std::string_view language)
{
    return Composed(message, [language](const char* context, std::u16string_view text) {
        for (const MessageWord& word : MessageWords())
            if (word.language == language && word.context == context && word.source == text)
                return std::u16string(word.translation);
        return std::u16string(text);
    });
}

std::string ConsoleLanguage(const char* language, const char* all, const char* messages, const char* lang)
{
    std::vector<std::string> asked;
    const auto code = [](std::string_view locale) {
        return std::string(locale.substr(0, std::min(locale.find_first_of("_.@"), locale.size())));
    };
    // LANGUAGE is a list, and counts only where a locale is set at all.
    const char* locale = all && *all ? all : messages && *messages ? messages : lang;
    if (language && *language && locale && *locale && std::strcmp(locale, "C") != 0)
        for (std::string_view list = language; !list.empty();) {
            const std::size_t colon = std::min(list.find(':'), list.size());
            asked.push_back(code(list.substr(0, colon)));
            list.remove_prefix(std::min(colon + 1, list.size()));
        }
    if (locale && *locale)
        asked.push_back(code(locale));
    const std::vector<std::string_view> spoken = MessageLanguages();
    for (const std::string& wanted : asked)
        if (wanted == "ja" || std::find(spoken.begin(), spoken.end(), wanted) != spoken.end())
            return wanted;
    return "en";
}

}  // namespace abacor
