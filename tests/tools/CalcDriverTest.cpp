#include <gtest/gtest.h>

#include <sstream>

#include "tools/abacor-calc/CalcDriver.h"

namespace abacor {
namespace {

struct DriverRun {
    explicit DriverRun(const std::string& input)
    {
        CalcDriver driver(out, err);
        std::istringstream in(input);
        status = driver.Run(in);
    }
    std::ostringstream out;
    std::ostringstream err;
    int status = -1;
};

TEST(CalcDriver, AcceptsAnyWhitespaceAndTheKeysOwnSigns)
{
    DriverRun run("\t1\n\n＋  2\r\n÷ 4 －\t1 × 3 ＝＝");
    // "＝＝" is not a token; everything before it stands.
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.str().find("＝＝"), std::string::npos);
    EXPECT_NE(run.out.str().find("×\t-0.25\t-0.25\t0\t×\n3\t3\t-0.25\t0\t×\n"), std::string::npos) << run.out.str();
}

TEST(CalcDriver, StopsAtTheFirstUnknownToken)
{
    DriverRun run("1 + bogus 2 =");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out.str(), "1\t1\t0\t0\t\n+\t1\t1\t0\t＋\n");
    EXPECT_NE(run.err.str().find("bogus"), std::string::npos);
    EXPECT_EQ(run.err.str().find('\n'), run.err.str().size() - 1) << "one line";
}

TEST(CalcDriver, MalformedSetIsABadToken)
{
    for (const char* bad :
         {"set:Nope=1", "set:TaxPercent=", "set:TaxPercent=-5", "set:TaxPercent=99999999999", "set:"}) {
        DriverRun run(std::string(bad) + " 1");
        EXPECT_EQ(run.status, 2) << bad;
        EXPECT_EQ(run.out.str(), "") << bad;
        EXPECT_NE(run.err.str().find(bad), std::string::npos) << bad;
    }
}

TEST(CalcDriver, SetChangesOnlyTheSetting)
{
    DriverRun run(
        "set:CommaFormatFlg=0 1 2 3 4 set:CommaFormatFlg=1 5 set:ShiftKeyFlg=0x1 CE set:TaxPercent=800 1 0 0 0 税込");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.str(), "set:CommaFormatFlg=0\t0\t0\t0\t\n"
                             "1\t1\t0\t0\t\n"
                             "2\t12\t0\t0\t\n"
                             "3\t123\t0\t0\t\n"
                             "4\t1234\t0\t0\t\n"
                             "set:CommaFormatFlg=1\t1234\t0\t0\t\n"
                             "5\t12,345\t0\t0\t\n"
                             "set:ShiftKeyFlg=0x1\t12,345\t0\t0\t\n"
                             "CE\t1,234\t0\t0\t\n"
                             "set:TaxPercent=800\t1,234\t0\t0\t\n"
                             "1\t12,341\t0\t0\t\n"
                             "0\t123,410\t0\t0\t\n"
                             "0\t1,234,100\t0\t0\t\n"
                             "0\t12,341,000\t0\t0\t\n"
                             "税込\t13,328,280\t0\t0\t\n");
}

TEST(CalcDriver, CommandIdsGoThroughTheCommandTable)
{
    DriverRun run("5 M+ #32790 #32772 #32799 #32792 #abc");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out.str(), "5\t5\t0\t0\t\n"
                             "M+\t5\t5\t5\t\n"
                             "#32790\t5\t5\t5\t\n"
                             "#32772\t5\t5\t5\t\n"
                             "#32799\t0\t0\t5\t\n"
                             "#32792\t0\t0\t0\t\n");
}

TEST(CalcDriver, EmptyInputPrintsNothing)
{
    DriverRun run("   \n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.str(), "");
}

}  // namespace
}  // namespace abacor
