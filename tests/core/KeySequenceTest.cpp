#include "tests/core/KeyRun.h"

namespace abacor::test {
namespace {

class KeySequence : public testing::TestWithParam<Shown> {};
TEST_P(KeySequence, ShowsTheTexts) { ExpectShown(GetParam()); }

// One row per line, as a table reads.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Entry, KeySequence, testing::Values(
    Shown{"", "0", "0", "0", ""},
    Shown{"1 2 3 4 5 6 7 8 9 0 1 2 3", "123456789012", "0", "0", ""},
    Shown{"set:CommaFormatFlg=1 1 2 3 4 5 6 7 8 9 0 1 2 3", "123,456,789,012", "0", "0", ""},
    Shown{"1 +/- 2 3 4 5 6 7 8 9 0 1 2 3", "-123456789012", "0", "0", ""},
    Shown{"1 2 3 4 5 6 7 8 9 0 . 1 2 3", "1234567890.12", "0", "0", ""},
    Shown{"0 . 1 2 3 4 5 6 7 8 9 0 1 2", "0.12345678901", "0", "0", ""},
    Shown{"set:CommaFormatFlg=1 1 2 3 4 . 5 6 7 8", "1,234.5678", "0", "0", ""},
    Shown{".", "0.", "0", "0", ""},
    Shown{". 5", "0.5", "0", "0", ""},
    Shown{". 5 . 2", "0.52", "0", "0", ""},
    Shown{"0 0 0", "0", "0", "0", ""},
    Shown{"0 +/- 5", "-5", "0", "0", ""},
    Shown{"0 +/- . 5", "-0.5", "0", "0", ""},
    Shown{"C +/-", "-0", "-0", "0", ""},
    Shown{"C +/- 5", "5", "-0", "0", ""},
    Shown{"set:CommaFormatFlg=1 1 2 3 4 +/-", "-1,234", "0", "0", ""},
    Shown{"set:CommaFormatFlg=1 1 2 3 4 = +/-", "-1,234", "-1,234", "0", ""}));

INSTANTIATE_TEST_SUITE_P(LeftToRight, KeySequence, testing::Values(
    Shown{"1 + 2 *", "3", "3", "0", "×"},
    Shown{"1 + 2 * 3 =", "9", "9", "0", ""},
    Shown{"8 + *", "8", "8", "0", "×"},
    Shown{"8 + * 2 =", "16", "16", "0", ""},
    Shown{"2 + 3 =", "5", "5", "0", ""},
    Shown{"2 + 3 = =", "5", "5", "0", ""},
    Shown{"2 + 3 = * 4 =", "20", "20", "0", ""},
    Shown{"2 + 3 = 7 + 1 =", "8", "8", "0", ""},
    Shown{"5 + =", "10", "10", "0", ""},
    Shown{"5 * =", "25", "25", "0", ""},
    Shown{"5 - =", "0", "0", "0", ""},
    Shown{"5 + +/- =", "0", "0", "0", ""},
    Shown{"5 + 3 CE =", "5", "5", "0", ""},
    Shown{"5 + 3 CE 4 =", "9", "9", "0", ""},
    Shown{"5 + 3 CE", "0", "5", "0", "＋"},
    Shown{"5 * 3 CE * 2 =", "10", "10", "0", ""},
    Shown{"1 / 0 = CE 5 + 1 =", "6", "6", "0", ""},
    Shown{"7 * 8 = CE + 1 =", "57", "57", "0", ""},
    Shown{"6 ÷ 4 × 2 － 1 ＋ 1 0 =", "12", "12", "0", ""},
    Shown{"set:CommaFormatFlg=0 1 2 3 4 * 1 0 0 0 =", "1234000", "1,234,000", "0", ""},
    Shown{"set:CommaFormatFlg=1 1 2 3 4 * 1 0 0 0 =", "1,234,000", "1,234,000", "0", ""},
    Shown{"set:CommaFormatFlg=1 1 2 3 4 * 1 0 0 0 = + 1 . 5 =", "1,234,001.5", "1,234,001.5", "0", ""},
    Shown{"2 + 3 #1", "5", "5", "0", ""},
    // Every key answers to its caption too.
    Shown{"１ ＋ ２ ． ５ ＝", "3.5", "3.5", "0", ""},
    Shown{"９ ％", "0", "0", "0", ""}));

INSTANTIATE_TEST_SUITE_P(Arithmetic, KeySequence, testing::Values(
    Shown{"1 / 3 =", "0.33333333333", "0.33333333333", "0", ""},
    Shown{"2 / 3 =", "0.66666666667", "0.66666666667", "0", ""},
    Shown{"1 0 / 3 =", "3.33333333333", "3.33333333333", "0", ""},
    Shown{"1 0 0 / 3 =", "33.3333333333", "33.3333333333", "0", ""},
    Shown{". 1 + . 2 =", "0.3", "0.3", "0", ""},
    Shown{"1 . 1 * 1 . 1 =", "1.21", "1.21", "0", ""},
    Shown{"2 . 5 - 2 . 5 =", "0", "0", "0", ""},
    Shown{"0 * 5 +/- =", "-0", "-0", "0", ""},
    Shown{"1 / 3 0 0 0 0 0 0 0 0 0 0 0 =", "0", "0", "0", ""},
    Shown{"1 2 3 4 5 6 7 8 9 * 1 0 0 0 =", "123456789000", "123,456,789,000", "0", ""},
    Shown{"1 / 3 = * 3 =", "1", "1", "0", ""},
    Shown{"9 9 9 9 9 9 9 9 9 9 9 9 + . 4 =", "999999999999", "999,999,999,999", "0", ""},
    Shown{"9 9 9 9 9 9 9 9 9 9 9 9 +/- - . 4 =", "-999999999999", "-999,999,999,999", "0", ""},
    // Sums and products exact on the decimals shown, whatever the accumulator's binary error.
    Shown{"1 0 0 0 0 0 + 0 . 1 - 1 0 0 0 0 0 =", "0.1", "0.1", "0", ""},
    Shown{"9 2 9 4 2 5 2 + 1 5 . 6 6 - 9 2 9 4 2 5 2 =", "15.66", "15.66", "0", ""},
    Shown{"4 . 3 3 * 9 - 3 9 + 0 . 0 3 =", "0", "0", "0", ""},
    Shown{"1 0 0 0 0 0 . 1 M+ 1 0 0 0 0 0 M- MR", "0.1", "100,000", "0.1", ""},
    Shown{"1 2 3 4 5 6 7 . 8 9 + 8 %", "1333333.3212", "1,333,333.3212", "0", ""}));

INSTANTIATE_TEST_SUITE_P(Errors, KeySequence, testing::Values(
    Shown{"9 9 9 9 9 9 9 9 9 9 9 9 + 1 =", "ERROR", "0", "0", ""},
    Shown{"9 9 9 9 9 9 9 9 9 9 9 9 + . 6 =", "ERROR", "0", "0", ""},
    Shown{"9 9 9 9 9 9 9 9 9 9 9 9 * 9 9 =", "ERROR", "0", "0", ""},
    Shown{"5 / 0 =", "ERROR", "0", "0", ""},
    Shown{"5 / 0 +/- =", "ERROR", "0", "0", ""},
    Shown{"5 / 0 *", "ERROR", "0", "0", ""},
    Shown{"9 / 0 = 5", "ERROR", "0", "0", ""},
    Shown{"9 / 0 = CE", "0", "0", "0", ""},
    Shown{"9 / 0 = CE + 2 =", "2", "2", "0", ""},
    Shown{"9 / 0 = C 3", "3", "0", "0", ""},
    Shown{"9 / 0 = CA", "0", "0", "0", ""},
    Shown{"9 / 0 = #32774", "0", "0", "0", ""},
    Shown{"9 / 0 = #32799", "0", "0", "0", ""},
    Shown{"4 M+ 1 / 0 = M+ M- MR sq cube sqrt % tax+ tax- ANS +/- + = . 7", "ERROR", "0", "4", ""},
    Shown{"4 M+ 1 / 0 = MC", "ERROR", "0", "0", ""},
    Shown{"set:ShiftKeyFlg=1 1 / 0 = ⇒", "ERROR", "0", "0", ""},
    Shown{"set:ShiftKeyFlg=1 1 / 0 = CE", "ERROR", "0", "0", ""}));

INSTANTIATE_TEST_SUITE_P(DigitDrop, KeySequence, testing::Values(
    Shown{"set:ShiftKeyFlg=1 1 2 3 ⇒", "12", "0", "0", ""},
    Shown{"set:ShiftKeyFlg=1 5 +/- ⇒", "0", "0", "0", ""},
    Shown{"set:ShiftKeyFlg=1 7 * 8 = ⇒", "5", "56", "0", ""},
    Shown{"set:ShiftKeyFlg=1 7 * 8 = ⇒ 3", "53", "56", "0", ""},
    Shown{"set:ShiftKeyFlg=1 0 . 5 ⇒ ⇒ ⇒", "0", "0", "0", ""},
    Shown{"set:ShiftKeyFlg=1 set:CommaFormatFlg=1 1 2 3 4 5 ⇒", "1,234", "0", "0", ""},
    Shown{"set:ShiftKeyFlg=1 1 + 2 3 CE =", "3", "3", "0", ""}));
// clang-format on

}  // namespace
}  // namespace abacor::test
