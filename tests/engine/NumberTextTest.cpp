#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

#if defined(__unix__)
#include <sys/mman.h>
#include <unistd.h>
#endif

#include "calculator/engine/NumberText.h"
#include "text/Utf.h"

namespace abacor {
namespace {

TEST(TextToValue, ReadsTypedTextsAsTheCLibraryWould)
{
    EXPECT_EQ(TextToValue(u"0"), 0.0);
    EXPECT_EQ(TextToValue(u"0."), 0.0);
    EXPECT_EQ(TextToValue(u"12.5"), 12.5);
    EXPECT_EQ(TextToValue(u"0.1"), 0.1);
    EXPECT_EQ(TextToValue(u"123456789012"), 123456789012.0);
    EXPECT_EQ(TextToValue(u"-0.5"), -0.5);
    EXPECT_EQ(TextToValue(u"1234.5678"), 1234.5678);
    // The conversion stops where the number ends, as without an end pointer.
    EXPECT_EQ(TextToValue(u"1,234"), 1.0);
    EXPECT_EQ(TextToValue(u""), 0.0);
    EXPECT_EQ(TextToValue(u"-"), 0.0);
}

TEST(TextToValue, MinusZeroIsNegativeZero)
{
    EXPECT_TRUE(std::signbit(TextToValue(u"-0")));
    EXPECT_TRUE(std::signbit(TextToValue(u"-0.")));
    EXPECT_FALSE(std::signbit(TextToValue(u"0")));
}

TEST(DecimalPlaces, CountsCharactersAfterThePoint)
{
    EXPECT_EQ(DecimalPlaces(u"12.50"), 2);
    EXPECT_EQ(DecimalPlaces(u"0."), 0);
    EXPECT_EQ(DecimalPlaces(u"1,234.5"), 1);
    EXPECT_EQ(DecimalPlaces(u"7"), 0);
    EXPECT_EQ(DecimalPlaces(u"-0.00001"), 5);
}

struct FormatCase {
    double value;
    const char16_t* text;  // null: overflow
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << std::to_string(c.value); }

class FormatResultTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatResultTest, GivesTheDisplayFormOrOverflow)
{
    const FormatCase& c = GetParam();
    std::u16string text;
    const bool overflow = FormatResult(c.value, text);
    if (c.text == nullptr) {
        EXPECT_TRUE(overflow) << "text " << Utf8(text);
    } else {
        ASSERT_FALSE(overflow);
        EXPECT_EQ(Utf8(text), Utf8(c.text));
    }
}

// One row per line, as a table reads.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Values, FormatResultTest,
    testing::Values(
        FormatCase{1.0 / 3.0, u"0.33333333333"}, FormatCase{2.0 / 3.0, u"0.66666666667"},
        FormatCase{10.0 / 3.0, u"3.33333333333"}, FormatCase{100.0 / 3.0, u"33.3333333333"},
        FormatCase{0.5, u"0.5"}, FormatCase{2.0, u"2"}, FormatCase{0.0, u"0"},
        FormatCase{-0.0, u"-0"}, FormatCase{-1e-13, u"-0"}, FormatCase{1e-13, u"0"},
        FormatCase{123.4, u"123.4"}, FormatCase{-1234.5, u"-1234.5"},
        FormatCase{123456789000.0, u"123456789000"}, FormatCase{123456789012.0, u"123456789012"},
        FormatCase{999999999999.0, u"999999999999"}, FormatCase{999999999999.4, u"999999999999"},
        FormatCase{1.0 / 300000000000.0, u"0"}, FormatCase{0.000000000005001, u"0.00000000001"},
        FormatCase{1e-300, u"0"}, FormatCase{12345.678901234, u"12345.6789012"},
        FormatCase{9999999999.99, u"9999999999.99"}, FormatCase{99999999999.996, u"100000000000"},
        // Halves of the decimal form round away from zero, whatever the binary value's low bits.
        FormatCase{0.001800651905, u"0.00180065191"}, FormatCase{-0.001800651905, u"-0.00180065191"},
        FormatCase{0.000000000005, u"0.00000000001"}, FormatCase{1.000000000005, u"1.00000000001"},
        FormatCase{99999999999.95, u"100000000000"}, FormatCase{9.999999999995, u"10"},
        FormatCase{-0.000000000005, u"-0.00000000001"}, FormatCase{4.9e-324, u"0"},
        // Overflows: 10^12 and beyond, a carry to 13 digits, infinities and NaN.
        FormatCase{1000000000000.0, nullptr}, FormatCase{-1000000000000.0, nullptr},
        FormatCase{999999999999.6, nullptr}, FormatCase{-999999999999.6, nullptr},
        FormatCase{1e300, nullptr}, FormatCase{std::numeric_limits<double>::infinity(), nullptr},
        FormatCase{-std::numeric_limits<double>::infinity(), nullptr},
        FormatCase{std::numeric_limits<double>::quiet_NaN(), nullptr}));

TEST(PastedNumber, TakesNumbersAsTypingShowsThem)
{
    const struct {
        const char16_t* pasted;
        const char* plain;  // null: not a number
    } cases[] = {
        {u"1,234.5", "1234.5"}, {u"  42\n", "42"}, {u"-7", "-7"}, {u"１２．５", "12.5"}, {u"－３", "-3"},
        {u".5", "0.5"}, {u"-.5", "-0.5"}, {u"007", "7"}, {u"12.", "12."}, {u"1 000", "1000"},
        {u"123456789012", "123456789012"}, {u"0.00000000001", "0.00000000001"},
        {u"1234567890123", nullptr}, {u"1.2.3", nullptr}, {u"--1", nullptr}, {u"1-", nullptr}, {u"", nullptr},
        {u"-", nullptr}, {u".", nullptr}, {u"1e5", nullptr}, {u"abc", nullptr}, {u"ERROR", nullptr},
        // What spreadsheets and shops write.
        {u"+5", "5"}, {u"−3", "-3"}, {u"¥1,980", "1980"}, {u"￥1,980", "1980"}, {u"1980円", "1980"},
        {u"-¥500", "-500"}, {u"¥-500", "-500"}, {u"1\u2009234\u202F567", "1234567"}, {u"1,5", "1.5"},
        {u"1.234,56", "1234.56"}, {u"1,234", "1234"}, {u"1,234,567", "1234567"}, {u"1,234.5", "1234.5"},
        {u"0,05", "0.05"}, {u"12\n34", nullptr}, {u"12\r\n34", nullptr}, {u"¥¥5", nullptr},
        {u"5円円", nullptr}, {u"+-5", nullptr},
        // Amounts as other countries and accountants write them.
        {u"$1,234.50", "1234.50"}, {u"€1.234,56", "1234.56"}, {u"£12", "12"}, {u"USD 12.50", "12.50"},
        {u"12,50 €", "12.50"}, {u"(1,234)", "-1234"}, {u"(¥500)", "-500"}, {u"1'234.50", "1234.50"},
        {u"12.345.678", "12345678"}, {u"1.234", "1.234"}, {u"12%", "12"}, {u"12.34.5", nullptr},
        {u"-(5)", nullptr}, {u"(5", nullptr}, {u"US 5", nullptr}, {u"$$5", nullptr}, {u"5%%", nullptr},
        // Two values are never one: a row's cells, a break, a mark that groups nothing.
        {u"1980\t2", nullptr}, {u"12 34", nullptr}, {u"12\u2028 34", nullptr}, {u"12\v34", nullptr},
        {u"12\f34", nullptr}, {u"12\u008534", nullptr}, {u"12\u202934", nullptr}, {u"1,2,3", nullptr},
        {u"1'23", nullptr}, {u"1 234 56", nullptr}, {u"1.234.56", nullptr}, {u"1,234.5 6", nullptr},
        {u"¥ 1 980", "1980"}, {u"( 1 234 )", "-1234"}, {u"- 5", "-5"}, {u"12 %", "12"}, {u"\t5\n", "5"},
    };
    for (const auto& c : cases) {
        const auto plain = PastedNumber(c.pasted);
        if (c.plain == nullptr)
            EXPECT_FALSE(plain.has_value()) << Utf8(c.pasted);
        else
            EXPECT_EQ(Utf8(plain.value_or(u"(none)")), c.plain);
    }
}

TEST(PastedNumber, LooksAtOneKibibyteAtMost)
{
    // A number it would take, were it not one character too long.
    EXPECT_FALSE(PastedNumber(std::u16string(kMaxPastedLength + 1, u' ') + u'5').has_value());
    EXPECT_EQ(PastedNumber(std::u16string(kMaxPastedLength - 1, u' ') + u'5'), u"5");
#if defined(__unix__)
    // A clipboard far longer than what is readable: refused without reading
    // a character of it, or the page that cannot be read ends the test.
    const long page = sysconf(_SC_PAGESIZE);
    void* const memory = mmap(nullptr, static_cast<std::size_t>(page), PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(memory, MAP_FAILED);
    const std::u16string_view unreadable(static_cast<const char16_t*>(memory), 64 * 1024 * 1024);
    EXPECT_FALSE(PastedNumber(unreadable).has_value());
    munmap(memory, static_cast<std::size_t>(page));
#endif
}

TEST(FormatResult, NeverWritesAnExponent)
{
    for (double value = 1e-20; value < 1e12; value *= 7.3) {
        std::u16string text;
        ASSERT_FALSE(FormatResult(value, text));
        EXPECT_EQ(text.find_first_of(u"eE"), std::u16string::npos) << Utf8(text);
    }
}

TEST(FormatResult, ShowsAtMostTwelveSignificantDigits)
{
    for (double value = 0.000123456789123456; value < 1e12; value *= 3.1) {
        std::u16string text;
        ASSERT_FALSE(FormatResult(value, text));
        // clang-format on
        std::u16string digits = text;
        std::erase(digits, u'.');
        while (digits.starts_with(u'0') && digits.size() > 1)
            digits.erase(0, 1);
        EXPECT_LE(digits.size(), 12u) << Utf8(text);
    }
}

}  // namespace
}  // namespace abacor
