#include "calculator/core/CommandTable.h"
#include "tests/core/KeyRun.h"

namespace abacor::test {
namespace {

// Each command id does exactly what its key token does.
TEST(CommandTable, CommandsReachTheirOperations)
{
    const struct {
        int id;
        const char* sameAs;
    } cases[] = {
        {IdLeftSoftKey, "C"},    {IdClear, "C"},          {IdAllClear, "CA"},    {IdMemoryPlus, "M+"},
        {IdMemoryMinus, "M-"},   {IdMemoryRecall, "MR"},  {IdMemoryClear, "MC"}, {IdLastAnswer, "ANS"},
        {IdPercent, "%"},        {IdSquare, "sq"},        {IdCube, "cube"},      {IdSquareRoot, "sqrt"},
        {IdTaxIncluded, "tax+"}, {IdTaxExcluded, "tax-"}, {IdOK, "="},
    };
    const char* setup = "8 M+ 6 * 7 = 3 + 2 . 5";
    for (const auto& c : cases) {
        KeyRun byCommand;
        byCommand.Keys(setup);
        EXPECT_EQ(byCommand.session.RunMenuCommand(c.id), CommandOutcome::Calculated) << c.id;
        KeyRun byKey;
        byKey.Keys(setup);
        byKey.Keys(c.sameAs);
        const CalculatorState& a = byCommand.state();
        const CalculatorState& b = byKey.state();
        EXPECT_EQ(a.displayText, b.displayText) << c.id;
        EXPECT_EQ(a.resultText, b.resultText) << c.id;
        EXPECT_EQ(a.memoryText, b.memoryText) << c.id;
        EXPECT_EQ(a.operatorText, b.operatorText) << c.id;
        EXPECT_EQ(a.entryState, b.entryState) << c.id;
        EXPECT_EQ(a.lastAnswerText, b.lastAnswerText) << c.id;
    }
}

TEST(CommandTable, WindowCommandsChangeNothing)
{
    for (int id : {IdCopyToClipboard, IdVersion, IdExit}) {
        KeyRun run;
        run.Keys("1 + 2");
        EXPECT_EQ(run.session.RunMenuCommand(id), CommandOutcome::ForWindow) << id;
        EXPECT_EQ(run.state().displayText, u"2");
        EXPECT_EQ(run.state().operatorText, u"＋");
    }
    KeyRun run;
    EXPECT_EQ(run.session.RunMenuCommand(12345), CommandOutcome::Unknown);
}

TEST(CommandTable, LeftSoftKeyReadsClearMenuFlgAtEachPress)
{
    KeyRun run;
    run.Keys("1 + 2");
    run.settings.ClearMenuFlg = 2;
    EXPECT_EQ(run.session.RunMenuCommand(IdLeftSoftKey), CommandOutcome::ForWindow);
    EXPECT_EQ(run.state().displayText, u"2");
    // The clear menu's items arrive as their own commands.
    EXPECT_EQ(run.session.RunMenuCommand(IdClear), CommandOutcome::Calculated);
    EXPECT_EQ(run.state().displayText, u"0");
    run.Keys("5");
    run.settings.ClearMenuFlg = 0;
    EXPECT_EQ(run.session.RunMenuCommand(IdLeftSoftKey), CommandOutcome::Calculated);
    EXPECT_EQ(run.state().displayText, u"0");
}

}  // namespace
}  // namespace abacor::test
