#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>

#include "calculator/core/Calculator.h"
#include "calculator/engine/NumberText.h"
#include "calculator/tape/CalculatorSession.h"

namespace abacor {
namespace {

// Runs under a decimal-comma C locale (built into the build folder and
// reached through LOCPATH), where printf and strtod would write and read
// "0,5": the calculator must still compute and show "0.5".
class DecimalCommaLocale : public testing::Test {
protected:
    void SetUp() override
    {
        previous_ = std::setlocale(LC_ALL, nullptr);
        ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
            << "the test locale de_DE.UTF-8 is missing (LOCPATH not set by ctest?)";
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%.1f", 0.5);
        ASSERT_EQ(std::string(buffer), "0,5") << "the locale does not use a decimal comma";
    }
    void TearDown() override { std::setlocale(LC_ALL, previous_.c_str()); }

private:
    std::string previous_;
};

TEST_F(DecimalCommaLocale, ConversionsKeepThePoint)
{
    EXPECT_EQ(TextToValue(u"0.5"), 0.5);
    EXPECT_EQ(TextToValue(u"1234.25"), 1234.25);
    std::u16string text;
    ASSERT_FALSE(FormatResult(0.5, text));
    EXPECT_EQ(text, u"0.5");
    ASSERT_FALSE(FormatResult(-1234.125, text));
    EXPECT_EQ(text, u"-1234.125");
}

TEST_F(DecimalCommaLocale, KeySequencesGiveTheSameTexts)
{
    CalculatorSettings settings = DefaultSettings();
    settings.CommaFormatFlg = 1;
    CalculatorSession session(settings);
    for (const char* token : {"1", "2", "3", "4", ".", "5", "/", "2", "="})
        ASSERT_EQ(session.Apply(token).outcome, TokenOutcome::Applied);
    EXPECT_EQ(session.state().displayText, u"617.25");
    for (const char* token : {"*", "1", "0", "0", "="})
        ASSERT_EQ(session.Apply(token).outcome, TokenOutcome::Applied);
    EXPECT_EQ(session.state().displayText, u"61,725");
}

}  // namespace
}  // namespace abacor
