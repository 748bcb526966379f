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

// Quotients are one decimal division rounded once.
INSTANTIATE_TEST_SUITE_P(Quotients, KeySequence, testing::Values(
    Shown{"8 1 9 8 5 4 1 8 0 4 . 2 1 / 6 =", "1366423634.04", "1,366,423,634.04", "0", ""},
    Shown{"1 0 0 / 3 * 3 - 1 0 0 =", "0", "0", "0", ""},
    Shown{"1 2 3 4 5 6 7 tax+ tax- - 1 2 3 4 5 6 7 =", "0", "0", "0", ""},
    Shown{"5 0 / 2 0 0 %", "25", "25", "0", ""}));

#define R5(d) "set:RoundSelector=3 set:DecimalSelector=" #d " "
#define DESK "set:DeskTaxFlg=1 "
#define GT_ON "set:GrandTotalFlg=1 "
INSTANTIATE_TEST_SUITE_P(DeskFunctions, KeySequence, testing::Values(
    // Rounding and decimal selectors.
    Shown{R5(2) "2 . 3 4 9 =", "2.35", "2.35", "0", ""},
    Shown{"set:RoundSelector=1 set:DecimalSelector=1 2 . 3 9 =", "2.3", "2.3", "0", ""},
    Shown{"set:RoundSelector=2 set:DecimalSelector=1 2 . 3 3 =", "2.4", "2.4", "0", ""},
    Shown{"set:RoundSelector=1 set:DecimalSelector=1 2 . 3 5 +/- =", "-2.3", "-2.3", "0", ""},
    Shown{"set:RoundSelector=2 set:DecimalSelector=1 2 . 3 1 +/- =", "-2.4", "-2.4", "0", ""},
    Shown{R5(2) "0 . 0 0 4 +/- =", "0.00", "0.00", "0", ""},
    Shown{R5(4) "1 / 7 =", "0.1429", "0.1429", "0", ""},
    Shown{R5(3) "1 / 7 =", "0.143", "0.143", "0", ""},
    Shown{R5(2) "1 / 7 =", "0.14", "0.14", "0", ""},
    Shown{R5(1) "1 / 7 =", "0.1", "0.1", "0", ""},
    Shown{R5(0) "1 / 7 =", "0", "0", "0", ""},
    Shown{R5(2) "1 0 / 3 = * 3 =", "9.99", "9.99", "0", ""},
    Shown{R5(2) "2 . 5 =", "2.50", "2.50", "0", ""},
    Shown{R5(2) "2 . 5 *", "2.5", "2.5", "0", "×"},
    Shown{R5(2) "set:CommaFormatFlg=1 1 2 3 4 . 5 =", "1,234.50", "1,234.50", "0", ""},
    Shown{R5(4) "1 2 3 4 5 6 7 8 9 0 . 1 2 =", "1234567890.12", "1,234,567,890.12", "0", ""},
    Shown{R5(4) "9 9 9 9 9 9 9 9 9 9 9 . 9 =", "99999999999.9", "99,999,999,999.9", "0", ""},
    Shown{R5(4) "9 9 9 9 9 9 9 9 9 9 9 9 + . 6 =", "ERROR", "0", "0", ""},
    Shown{R5(2) "2 . 3 4 9 M+", "2.35", "2.35", "2.35", ""},
    Shown{R5(2) "1 0 / 4 = sqrt", "1.58113883008", "2.50", "0", ""},
    // ADD2.
    Shown{R5(5) "1 4 5 + 4 5 0 0 =", "46.45", "46.45", "0", ""},
    Shown{R5(5) "1 4 5 +", "1.45", "1.45", "0", "＋"},
    Shown{R5(5) "1 4 5 * 2 =", "290.00", "290.00", "0", ""},
    Shown{R5(5) "2 . 5 + 1 =", "2.51", "2.51", "0", ""},
    Shown{R5(5) "2 0 0 + 1 0 %", "2.20", "2.20", "0", ""},
    Shown{R5(5) "1 2 3 M+", "1.23", "1.23", "1.23", ""},
    Shown{"set:RoundSelector=0 set:DecimalSelector=5 1 4 5 + 4 5 0 0 =", "4645", "4,645", "0", ""},
    // Grand total.
    Shown{GT_ON "1 0 0 * 3 = 5 0 * 5 = 2 0 0 * 4 = 1 5 0 * 9 = GT", "2700", "1,350", "0", ""},
    Shown{GT_ON "1 0 0 * 3 = 5 0 * 5 = 2 0 0 * 4 = 1 5 0 * 9 = GT * 0 . 0 5 = GT", "2835", "135", "0", ""},
    Shown{GT_ON "2 + 3 = GT GT GT", "5", "5", "0", ""},
    Shown{GT_ON "2 + 3 = 5 = = GT", "10", "5", "0", ""},
    Shown{GT_ON "1 2 8 0 0 = GT", "12800", "12,800", "0", ""},
    Shown{GT_ON "2 + 3 = = MR = GT", "5", "0", "0", ""},
    Shown{GT_ON "2 4 8 0 * 3 = check 2 4 8 0 * 3 = GT", "7440", "7,440", "0", ""},
    Shown{GT_ON "2 4 8 0 * 3 = check 2 4 8 0 * 4 = GT", "7440", "9,920", "0", ""},
    Shown{"5 M+ check 5 M+ MR", "5", "5", "5", ""},
    Shown{GT_ON "2 + 3 = 4 M+ GT", "5", "4", "4", ""},
    Shown{GT_ON "2 + 3 = C CE GT", "5", "0", "0", ""},
    Shown{GT_ON "2 + 3 = CA GT", "0", "0", "0", ""},
    Shown{GT_ON "2 + 3 = 2 0 0 + 1 0 % GT", "225", "220", "0", ""},
    Shown{GT_ON "9 9 9 9 9 9 9 9 9 9 9 9 + 0 = 1 + 0 = GT", "ERROR", "0", "0", ""},
    // Switched off, GT changes nothing: the number shown stays.
    Shown{"2 + 3 = GT", "5", "5", "0", ""},
    Shown{"2 + 3 = 4 GT", "4", "5", "0", ""},
    Shown{GT_ON "1 / 0 = GT", "ERROR", "0", "0", ""},
    Shown{GT_ON R5(2) "1 / 3 = GT", "0.33", "0.33", "0", ""},
    // Tax keys, the second rate, 00.
    Shown{DESK "set:TaxPercent=1000 2 0 0 0 tax+", "2200", "0", "0", ""},
    Shown{DESK "set:TaxPercent=1000 2 0 0 0 tax+ tax+", "200", "0", "0", ""},
    Shown{DESK "set:TaxPercent=1000 2 0 0 0 tax+ tax+ tax+", "2200", "0", "0", ""},
    Shown{DESK "set:TaxPercent=800 2 1 6 0 tax- tax-", "160", "0", "0", ""},
    Shown{DESK "set:TaxPercent=1000 set:RoundSelector=1 set:DecimalSelector=0 1 2 3 tax-", "112", "0", "0", ""},
    Shown{DESK "set:TaxPercent=1000 set:RoundSelector=1 set:DecimalSelector=0 1 2 3 tax- tax-", "11", "0", "0", ""},
    Shown{DESK "set:TaxPercent=1000 set:RoundSelector=1 set:DecimalSelector=0 9 9 tax+", "108", "0", "0", ""},
    Shown{DESK "set:TaxPercent=1000 2 0 0 0 tax+ tax- tax-", "200", "0", "0", ""},
    Shown{DESK "set:TaxPercent=1000 2 0 0 0 tax+ + 1 =", "2201", "2,201", "0", ""},
    Shown{DESK "set:TaxPercent=1000 2 0 0 0 +/- tax+", "-2200", "0", "0", ""},
    Shown{"set:TaxPercent2=1000 rate 2 0 0 tax+", "220", "0", "0", ""},
    Shown{"set:TaxPercent=500 set:TaxPercent2=1000 rate rate 2 0 0 tax+", "210", "0", "0", ""},
    Shown{"set:TaxPercent=500 set:RoundSelector=3 set:DecimalSelector=0 3 3 tax+", "35", "0", "0", ""},
    Shown{"1 00 00", "10000", "0", "0", ""},
    Shown{"9 9 9 9 9 9 9 9 9 9 9 00", "999999999990", "0", "0", ""},
    Shown{"00 . 00 5", "0.005", "0", "0", ""}));
#undef R5
#undef DESK
#undef GT_ON
// clang-format on

// The annunciators lit after a key sequence, as the display shows them.
TEST(Annunciators, LightWhatIsOn)
{
    const struct {
        const char* keys;
        const char* lit;
    } cases[] = {
        {"1 + 2 =", ""},
        {"set:RoundSelector=1 set:DecimalSelector=2", "CUT 2"},
        {"set:RoundSelector=2 set:DecimalSelector=0", "UP 0"},
        {"set:RoundSelector=3 set:DecimalSelector=5", "5/4 ADD2"},
        {"set:RoundSelector=0 set:DecimalSelector=3", ""},
        {"rate", "税8%"},
        {"set:TaxPercent2=750 rate", "税7.5%"},
        {"set:TaxPercent2=1000 rate", "税10%"},
        {"rate rate", ""},
        {"set:GrandTotalFlg=1 2 + 3 =", "GT"},
        {"set:GrandTotalFlg=1 2 + 3 = GT GT", ""},
        {"set:DeskTaxFlg=1 rate 2 0 0 tax+ tax+", "税8% 税額"},
        {"set:DeskTaxFlg=1 2 0 0 tax+ tax+ 5", ""},
        {"2 0 0 tax+", "税10%"},
        {"set:TaxPercent=800 rate rate 2 0 0 tax-", "税8%"},
        {"2 0 0 tax+ +", ""},
        {"1 / 0 = rate", ""},
    };
    for (const auto& c : cases) {
        KeyRun run;
        run.Keys(c.keys);
        EXPECT_EQ(Joined(run.calculator.Annunciators(true)), c.lit) << c.keys;
    }
}

}  // namespace
}  // namespace abacor::test
