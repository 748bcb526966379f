#include <vector>

#include "tests/core/KeyRun.h"

namespace abacor::test {
namespace {

using R = DisplayRegion;

class RecordingSink : public RepaintSink {
public:
    void Invalidate(DisplayRegion region) override { regions.push_back(region); }
    std::vector<DisplayRegion> regions;
};

struct RepaintCase {
    const char* before;
    const char* key;
    std::vector<DisplayRegion> regions;
};

void PrintTo(const RepaintCase& c, std::ostream* os) { *os << '"' << c.before << "\" then " << c.key; }

class Repaint : public testing::TestWithParam<RepaintCase> {};

TEST_P(Repaint, AsksForExactlyTheChangedRegions)
{
    const RepaintCase& c = GetParam();
    RecordingSink sink;
    KeyRun run(&sink);
    run.Keys(c.before);
    sink.regions.clear();
    run.Keys(c.key);
    EXPECT_EQ(sink.regions, c.regions);
}

// One row per line, as a table reads.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Keys, Repaint, testing::Values(
    RepaintCase{"", "5", {R::DisplayBox}},
    RepaintCase{"1 2 3 4 5 6 7 8 9 0 1 2", "3", {}},
    RepaintCase{"1 .", ".", {}},
    RepaintCase{"1 / 0 =", "5", {}},
    RepaintCase{"1 / 0 =", "+", {}},
    RepaintCase{"1 / 0 =", "sq", {}},
    RepaintCase{"1", "+", {R::OperatorRect, R::DisplayBox, R::ResultBox}},
    RepaintCase{"1 +", "*", {R::OperatorRect}},
    RepaintCase{"1 +", "0 /", {R::DisplayBox, R::OperatorRect, R::DisplayBox, R::ResultBox}},
    RepaintCase{"1 / 0", "=", {R::OperatorRect, R::DisplayBox, R::ResultBox, R::OperatorRect}},
    RepaintCase{"1", "+/-", {R::DisplayBox, R::ResultBox}},
    RepaintCase{"1", "CE", {R::DisplayBox}},
    RepaintCase{"set:ShiftKeyFlg=1 1", "⇒", {R::DisplayBox}},
    RepaintCase{"1", "C", {R::DisplayBox, R::ResultBox, R::OperatorRect}},
    RepaintCase{"1", "CA", {R::DisplayBox, R::ResultBox, R::OperatorRect, R::MemoryBox}},
    RepaintCase{"1 + 2", "%", {R::OperatorRect, R::DisplayBox, R::ResultBox}},
    RepaintCase{"2", "sq", {R::DisplayBox}},
    RepaintCase{"2", "tax+", {R::DisplayBox}},
    RepaintCase{"2", "M+", {R::OperatorRect, R::DisplayBox, R::ResultBox, R::MemoryBox}},
    RepaintCase{"2", "MR", {R::DisplayBox}},
    RepaintCase{"1 / 0 =", "MC", {R::MemoryBox}},
    RepaintCase{"2", "ANS", {R::DisplayBox}},
    RepaintCase{"set:ClearMenuFlg=1 2", "#32774", {}},
    RepaintCase{"2", "#32778 #32776 #32772", {}}));
// clang-format on

}  // namespace
}  // namespace abacor::test
