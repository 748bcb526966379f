#include <cmath>

#include "tests/core/KeyRun.h"

namespace abacor::test {
namespace {

class FunctionCommand : public testing::TestWithParam<Shown> {};
TEST_P(FunctionCommand, ShowsTheTexts) { ExpectShown(GetParam()); }

// One row per line, as a table reads.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Percent, FunctionCommand, testing::Values(
    Shown{"2 0 0 + 1 0 %", "220", "220", "0", ""},
    Shown{"2 0 0 - 1 0 %", "180", "180", "0", ""},
    Shown{"2 0 0 * 1 0 ％", "20", "20", "0", ""},
    Shown{"5 0 / 2 0 0 %", "25", "25", "0", ""},
    Shown{"5 0 %", "0", "0", "0", ""},
    Shown{"5 0 / 0 %", "ERROR", "0", "0", ""},
    Shown{"2 0 0 + 1 0 % 5 ANS", "220", "220", "0", ""},
    Shown{"2 0 0 + 1 0 % + 5 =", "225", "225", "0", ""},
    Shown{"1 2 . 5 * 8 %", "1", "1", "0", ""},
    Shown{"9 9 9 9 9 9 9 9 9 9 9 9 + 1 0 0 %", "ERROR", "0", "0", ""}));

INSTANTIATE_TEST_SUITE_P(Powers, FunctionCommand, testing::Values(
    Shown{"1 . 5 sq", "2.25", "0", "0", ""},
    Shown{". 1 cube", "0.001", "0", "0", ""},
    Shown{"9 9 9 9 9 cube", "ERROR", "0", "0", ""},
    Shown{"5 + 3 sq =", "14", "14", "0", ""},
    Shown{"3 sq 2", "2", "0", "0", ""},
    Shown{"3 sq sq", "81", "0", "0", ""},
    Shown{"2 +/- cube", "-8", "0", "0", ""},
    Shown{"set:CommaFormatFlg=1 1 2 3 4 sq", "1,522,756", "0", "0", ""},
    Shown{"2 sqrt", "1.41421356237", "0", "0", ""},
    Shown{"0 √", "0", "0", "0", ""},
    Shown{"4 +/- sqrt", "ERROR", "0", "0", ""},
    Shown{"1 6 sqrt + 1 =", "5", "5", "0", ""}));

INSTANTIATE_TEST_SUITE_P(Tax, FunctionCommand, testing::Values(
    Shown{"1 9 8 0 tax+", "2178", "0", "0", ""},
    Shown{"set:TaxPercent=500 1 9 8 0 0 tax+", "20790", "0", "0", ""},
    Shown{"set:TaxPercent=500 2 0 7 9 0 tax-", "19800", "0", "0", ""},
    Shown{"set:TaxPercent=500 9 9 税込", "103.95", "0", "0", ""},
    Shown{"set:TaxPercent=800 1 0 0 0 tax+", "1080", "0", "0", ""},
    Shown{"set:TaxPercent=0 1 2 3 . 4 5 tax+", "123.45", "0", "0", ""},
    Shown{"set:TaxPercent=0 1 2 3 . 4 5 税抜", "123.45", "0", "0", ""},
    Shown{"set:TaxPercent=4294957296 5 tax-", "ERROR", "0", "0", ""},
    Shown{"set:TaxPercent=4294957296 0 tax-", "ERROR", "0", "0", ""},
    Shown{"set:TaxPercent=500 1 0 0 + 1 0 0 tax+ =", "205", "205", "0", ""}));

INSTANTIATE_TEST_SUITE_P(Memory, FunctionCommand, testing::Values(
    Shown{"5 M+", "5", "5", "5", ""},
    Shown{"5 M+ 3 M-", "3", "3", "2", ""},
    Shown{"5 M+ 3 M- MR", "2", "3", "2", ""},
    Shown{"2 + 3 M+", "5", "5", "5", ""},
    Shown{"5 / 0 M+", "ERROR", "0", "0", ""},
    Shown{"7 M+ 5 / 0 M+", "ERROR", "0", "0", ""},
    Shown{"9 9 9 9 9 9 9 9 9 9 9 9 M+ 1 M+", "ERROR", "0", "0", ""},
    Shown{". 1 M+ . 2 M+", "0.2", "0.2", "0.3", ""},
    Shown{"set:CommaFormatFlg=0 1 2 3 4 5 6 7 M+ MR", "1234567", "1,234,567", "1,234,567", ""},
    Shown{"set:CommaFormatFlg=1 1 2 3 4 5 6 7 M+ MR", "1,234,567", "1,234,567", "1,234,567", ""},
    Shown{"5 M+ C", "0", "0", "5", ""},
    Shown{"5 M+ CA", "0", "0", "0", ""},
    Shown{"5 M+ MC", "5", "5", "0", ""},
    Shown{"5 M+ 2 * MR =", "10", "10", "5", ""},
    Shown{"7 * 6 = 5 ANS", "42", "42", "0", ""},
    Shown{"7 * 6 = 5 ANS + 1 =", "43", "43", "0", ""},
    Shown{"ANS", "0", "0", "0", ""},
    Shown{"1 / 3 = C ANS * 3 =", "1", "1", "0", ""}));

TEST(FunctionCommandState, PercentEndsTheCalculationLikeEquals)
{
    KeyRun run;
    run.Keys("2 0 0 + 1 0 %");
    EXPECT_EQ(run.state().lastAnswer, 220.0);
    EXPECT_EQ(run.state().lastAnswerText, u"220");
    EXPECT_EQ(run.state().pendingOperator, Operator::None);
    EXPECT_EQ(run.state().entryState, EntryState::Result);
    EXPECT_EQ(run.state().accumulator, 220.0);
}

TEST(FunctionCommandState, FunctionsOnTheEntryLeaveTheCalculationAlone)
{
    KeyRun run;
    run.Keys("7 * 6 = 5 + 3");
    for (const char* command : {"sq", "cube", "sqrt", "tax+", "tax-", "MR", "ANS"}) {
        KeyRun again;
        again.Keys(std::string("7 * 6 = 5 + 3 ") + command);
        EXPECT_EQ(again.state().accumulator, 5.0) << command;
        EXPECT_EQ(again.state().pendingOperator, Operator::Add) << command;
        EXPECT_EQ(again.state().resultText, u"5") << command;
        EXPECT_EQ(again.state().lastAnswer, 42.0) << command;
        EXPECT_EQ(again.state().entryState, EntryState::Operand) << command;
    }
}

TEST(FunctionCommandState, TheAccumulatorKeepsTheFullQuotient)
{
    KeyRun run;
    run.Keys("1 / 3 0 0 0 0 0 0 0 0 0 0 0 =");
    EXPECT_EQ(run.state().displayText, u"0");
    EXPECT_GT(run.state().entryValue, 3.3e-12);
    EXPECT_EQ(run.state().entryValue, run.state().accumulator);
}

TEST(FunctionCommandState, ErrorResetKeepsMemoryAndLastAnswer)
{
    KeyRun run;
    run.Keys("4 M+ 7 * 6 = 1 / 0 =");
    EXPECT_EQ(run.state().displayText, u"ERROR");
    EXPECT_EQ(run.state().accumulator, 0.0);
    EXPECT_EQ(run.state().entryValue, 0.0);
    EXPECT_EQ(run.state().pendingOperator, Operator::None);
    EXPECT_EQ(run.state().entryState, EntryState::Result);
    EXPECT_EQ(run.state().memoryValue, 4.0);
    EXPECT_EQ(run.state().lastAnswer, 42.0);
    EXPECT_EQ(run.state().lastAnswerText, u"42");
}

TEST(FunctionCommandState, ZeroDividedByATinyMemoryIsZero)
{
    // Dividing again and again by 999999999999 leaves a subnormal entry behind
    // a display of "0"; zero divided by it is zero, never a NaN.
    KeyRun run;
    run.Keys("1");
    for (int i = 0; i < 26; ++i)
        run.Keys("/ 9 9 9 9 9 9 9 9 9 9 9 9 =");
    ASSERT_NE(run.state().entryValue, 0.0);
    ASSERT_LT(std::fabs(run.state().entryValue), 1e-300);
    run.Keys("M+ C 0 / MR =");
    EXPECT_EQ(run.state().displayText, u"0");
    // clang-format on
}

}  // namespace
}  // namespace abacor::test
