// The kept tape: runs one after another, rewritten from a line on, the
// newest lines kept, a broken file kept aside, a folder that cannot hold it.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "calculator/engine/NumberText.h"
#include "calculator/tape/TapeStore.h"
#include "tests/TempFolder.h"
#include "text/Utf.h"

#include <cmath>

namespace abacor::test {
namespace {

std::vector<TapeLine> Numbered(int count, int first = 1)
{
    std::vector<TapeLine> lines;
    for (int i = 0; i < count; ++i)
        lines.push_back({first + i, 1, Widened(std::to_string(first + i)), u"＋", {}, 1000 + i});
    return lines;
}

TEST(TapeStore, RunsFollowOneAnotherAndARewriteReplacesTheTail)
{
    const TempFolder folder;
    const std::filesystem::path path = folder.File("tape.db");
    {
        TapeStore::Opened first = TapeStore::Open(path);
        ASSERT_TRUE(first.store) << Utf8(first.problem);
        EXPECT_TRUE(first.problem.empty());
        EXPECT_TRUE(first.store->History().empty());
        ASSERT_TRUE(first.store->Write(0, Numbered(5)));
        ASSERT_TRUE(first.store->Write(2, Numbered(1, 9)));  // a correction from the third line on
    }
    TapeStore::Opened second = TapeStore::Open(path);
    ASSERT_TRUE(second.store);
    const std::vector<TapeLine> history = second.store->History();
    ASSERT_EQ(history.size(), 4u) << "three lines and the mark of this run's start";
    EXPECT_EQ(history[2].number, u"9");
    EXPECT_EQ(history[2].segment, 0) << "earlier runs' steps are no longer numbered";
    EXPECT_EQ(history[2].time, 1000);
    EXPECT_TRUE(history[3].number.empty());

    // Two programs at once: each writes its own run.
    TapeStore::Opened third = TapeStore::Open(path);
    ASSERT_TRUE(second.store->Write(0, Numbered(2)));
    ASSERT_TRUE(third.store->Write(0, Numbered(3)));
    EXPECT_EQ(TapeStore::Open(path).store->History().size(), 3u + 2u + 3u + 3u);
}

TEST(TapeStore, TheNewestLinesAreKeptAndTheWriterWritesBehind)
{
    const TempFolder folder;
    const std::filesystem::path path = folder.File("tape.db");
    {
        TapeWriter writer(TapeStore::Open(path).store);
        writer.Submit(0, Numbered(TapeStore::kKeptLines));
        writer.Submit(TapeStore::kKeptLines, Numbered(10, TapeStore::kKeptLines + 1));
    }  // the writer ends after writing what was submitted
    const std::vector<TapeLine> history = TapeStore::Open(path).store->History(TapeStore::kKeptLines + 100);
    ASSERT_EQ(history.size(), static_cast<std::size_t>(TapeStore::kKeptLines) + 1);
    EXPECT_EQ(history.front().number, u"11") << "the ten oldest dropped";
}

TEST(TapeStore, ABrokenFileIsKeptAsideAndAFolderThatCannotHoldItLeavesTheTapeInMemory)
{
    const TempFolder folder;
    const std::filesystem::path path = folder.File("tape.db");
    std::ofstream(path, std::ios::binary) << std::string(8192, 'x');
    TapeStore::Opened opened = TapeStore::Open(path);
    ASSERT_TRUE(opened.store);
    EXPECT_NE(opened.problem.find(u"壊れて"), std::u16string::npos) << Utf8(opened.problem);
    std::vector<std::filesystem::path> aside;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        if (entry.path().filename().string().starts_with("tape.db.broken-"))
            aside.push_back(entry.path());
    ASSERT_EQ(aside.size(), 1u);
    std::ifstream kept(aside[0], std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), std::string(8192, 'x')) << "never deleted";
    EXPECT_TRUE(opened.store->Write(0, Numbered(1)));

    TapeStore::Opened nowhere = TapeStore::Open("/dev/null/tape.db");
    EXPECT_FALSE(nowhere.store);
    EXPECT_FALSE(nowhere.problem.empty());
}

TEST(TapeStore, TheKeptStateComesBackAndWhatCannotBeShownStartsAfresh)
{
    const TempFolder folder;
    const std::filesystem::path path = folder.File("tape.db");
    const KeptState kept{
        -1234.5, u"-1234.50", 0.1, u"0.1", 99.99, true, {{{315, 0}, {0, 43200.5}}}, {std::nullopt, 150.0, 30.0}};
    {
        TapeStore::Opened opened = TapeStore::Open(path);
        EXPECT_FALSE(opened.store->LoadState()) << "nothing kept yet";
        TapeWriter writer(std::move(opened.store));
        writer.SubmitState(KeptState{});
        writer.SubmitState(kept);
    }
    EXPECT_EQ(TapeStore::Open(path).store->LoadState(), kept);

    const CalculatorSettings settings = DefaultSettings();
    Calculator calculator(settings);
    calculator.Restore(kept);
    EXPECT_EQ(calculator.Kept(), kept);
    EXPECT_EQ(calculator.state().memoryText, u"-1,234.50");
    // A damaged or hand-edited file: texts that are not the value's, values
    // the display cannot show.
    calculator.Restore(
        {2.5, u"ERROR", 1e13, u"1e13", std::nan(""), false, {{{std::nan(""), 1}, {2, 3}}}, {1e13, std::nan(""), 7.0}});
    EXPECT_EQ(
        calculator.Kept(),
        (KeptState{2.5, u"2.5", 0.0, u"0", 0.0, false, {{RateTotals{}, {2, 3}}}, {std::nullopt, std::nullopt, 7.0}}));
}

}  // namespace
}  // namespace abacor::test
