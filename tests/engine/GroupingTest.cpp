#include <gtest/gtest.h>

#include "calculator/engine/Grouping.h"
#include "text/Utf.h"

namespace abacor {
namespace {

TEST(GroupDigits, GroupsIntegerDigitsByThree)
{
    const struct {
        const char16_t* plain;
        const char16_t* grouped;
    } cases[] = {
        {u"1234", u"1,234"},
        {u"123456789012", u"123,456,789,012"},
        {u"123", u"123"},
        {u"-1234", u"-1,234"},
        {u"-123", u"-123"},
        {u"-123456", u"-123,456"},
        {u"1234567.891", u"1,234,567.891"},
        {u"0.1234567", u"0.1234567"},
        {u"0.", u"0."},
        {u"-0", u"-0"},
        {u"0", u"0"},
        {u"1000.", u"1,000."},
        {u"-1234567.5", u"-1,234,567.5"},
        {u"12345", u"12,345"},
    };
    for (const auto& c : cases) {
        const std::u16string plain = c.plain;
        EXPECT_EQ(GroupDigits(plain, GroupingMode::Always, false), c.grouped) << Utf8(plain);
        EXPECT_EQ(GroupDigits(plain, GroupingMode::Display, true), c.grouped) << Utf8(plain);
        // Display mode with the setting off leaves the text alone.
        EXPECT_EQ(GroupDigits(plain, GroupingMode::Display, false), plain);
        // Grouping is presentation only.
        EXPECT_EQ(StripGrouping(GroupDigits(plain, GroupingMode::Always, false)), plain);
    }
}

TEST(StripGrouping, RemovesEveryComma)
{
    EXPECT_EQ(StripGrouping(std::u16string(u"-1,234,567.5")), std::u16string(u"-1234567.5"));
    EXPECT_EQ(StripGrouping(std::u16string(u"1,,2,")), std::u16string(u"12"));
    EXPECT_EQ(StripGrouping(std::u16string(u"ERROR")), std::u16string(u"ERROR"));
}

}  // namespace
}  // namespace abacor
