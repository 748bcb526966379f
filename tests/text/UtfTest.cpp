#include <gtest/gtest.h>

#include "text/Utf.h"

namespace abacor {
namespace {

TEST(Utf, RoundTripsAndReplacesWhatIsMalformed)
{
    struct Row {
        std::string utf8;
        std::u16string utf16;
    };
    const Row rows[] = {
        {"", u""},
        {"1,234.5", u"1,234.5"},
        {"税込 ＋ ¥", u"税込 ＋ ¥"},
        {"\xF0\x9F\x98\x80", u"\U0001F600"},  // beyond the first plane: a surrogate pair
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Utf16(row.utf8), row.utf16) << row.utf8;
        EXPECT_EQ(Utf8(row.utf16), row.utf8) << row.utf8;
    }
    // Cut short, overlong, a surrogate written in UTF-8, a stray continuation.
    EXPECT_EQ(Utf16("a\xE7\xA8"), u"a\uFFFD");
    EXPECT_EQ(Utf16("\xC0\xAF"), u"\uFFFD\uFFFD");
    EXPECT_EQ(Utf16("\xED\xA0\x80x"), u"\uFFFDx");
    EXPECT_EQ(Utf16("\x80y"), u"\uFFFDy");
    EXPECT_EQ(Utf8(u"\xD800z"), "\xEF\xBF\xBDz") << "a lone surrogate";
}

}  // namespace
}  // namespace abacor
