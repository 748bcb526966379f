#include <gtest/gtest.h>

#include "calculator/tape/TapeFile.h"
#include "text/MessageWords.h"

namespace abacor {
namespace {

TEST(Message, ComposedInEitherLanguageArgumentsAndAll)
{
    const Message refused = ParseTapeFile("x,y\r\n", DefaultSettings()).Refusal();
    struct Row {
        Message message;
        const char* language;
        std::u16string composed;
    };
    const Row rows[] = {
        {refused, "en", u"Line 1: Not an Abacor tape"},
        // A language without the table's words, and an argument's own "%1", stay as written.
        {refused, "xx", u"1行目: Abacorのテープではありません"},
        {Message("TapeFile", u"数値ではありません: %1").With(u"%1%2"), "en", u"Not a number: %1%2"},
        {Message::Verbatim(u"%1 100%").With(7), "en", u"7 100%"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ComposedIn(row.message, row.language), row.composed) << row.language;
}

TEST(Message, TheConsoleSpeaksTheFirstSpokenLanguageOfTheDesktop)
{
    struct Row {
        const char *language, *all, *messages, *lang;
        std::string spoken;
    };
    const Row rows[] = {
        {nullptr, nullptr, nullptr, "ja_JP.UTF-8", "ja"},
        {nullptr, nullptr, nullptr, "de_DE.UTF-8", "en"},
        {"fr:ja:en", nullptr, nullptr, "fr_FR.UTF-8", "ja"},
        {"en_GB:ja", nullptr, nullptr, "ja_JP.UTF-8", "en"},
        {nullptr, "en_US.UTF-8", "ja_JP.UTF-8", "ja_JP.UTF-8", "en"},
        {nullptr, nullptr, "ja_JP.UTF-8", "en_US.UTF-8", "ja"},
        // LANGUAGE counts only where a locale is set, and not under C.
        {"ja", nullptr, nullptr, nullptr, "en"},
        {"ja", nullptr, nullptr, "C", "en"},
        {nullptr, nullptr, nullptr, nullptr, "en"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ConsoleLanguage(row.language, row.all, row.messages, row.lang), row.spoken)
            << (row.language ? row.language : "-") << " " << (row.lang ? row.lang : "-");
}

}  // namespace
}  // namespace abacor
