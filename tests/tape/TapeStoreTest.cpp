// The kept tape: runs one after another, rewritten from a line on, the
// newest lines kept, a broken file kept aside, a folder that cannot hold it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "calculator/tape/TapeStore.h"

#include <cmath>

namespace abacor::test {
namespace {

std::vector<TapeLine> Numbered(int count, int first = 1)
{
    std::vector<TapeLine> lines;
    for (int i = 0; i < count; ++i)
        lines.push_back({first + i, 1, QString::number(first + i), QStringLiteral("＋"), {}, 1000 + i});
    return lines;
}

TEST(TapeStore, RunsFollowOneAnotherAndARewriteReplacesTheTail)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("tape.db"));
    {
        TapeStore::Opened first = TapeStore::Open(path);
        ASSERT_TRUE(first.store) << first.problem.toStdString();
        EXPECT_TRUE(first.problem.isEmpty());
        EXPECT_TRUE(first.store->History().empty());
        ASSERT_TRUE(first.store->Write(0, Numbered(5)));
        ASSERT_TRUE(first.store->Write(2, Numbered(1, 9)));  // a correction from the third line on
    }
    TapeStore::Opened second = TapeStore::Open(path);
    ASSERT_TRUE(second.store);
    const std::vector<TapeLine> history = second.store->History();
    ASSERT_EQ(history.size(), 4u) << "three lines and the mark of this run's start";
    EXPECT_EQ(history[2].number, QStringLiteral("9"));
    EXPECT_EQ(history[2].segment, 0) << "earlier runs' steps are no longer numbered";
    EXPECT_EQ(history[2].time, 1000);
    EXPECT_TRUE(history[3].number.isEmpty());

    // Two programs at once: each writes its own run.
    TapeStore::Opened third = TapeStore::Open(path);
    ASSERT_TRUE(second.store->Write(0, Numbered(2)));
    ASSERT_TRUE(third.store->Write(0, Numbered(3)));
    EXPECT_EQ(TapeStore::Open(path).store->History().size(), 3u + 2u + 3u + 3u);
}

TEST(TapeStore, TheNewestLinesAreKeptAndTheWriterWritesBehind)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("tape.db"));
    {
        TapeWriter writer(TapeStore::Open(path).store);
        writer.Submit(0, Numbered(TapeStore::kKeptLines));
        writer.Submit(TapeStore::kKeptLines, Numbered(10, TapeStore::kKeptLines + 1));
    }  // the writer ends after writing what was submitted
    const std::vector<TapeLine> history = TapeStore::Open(path).store->History(TapeStore::kKeptLines + 100);
    ASSERT_EQ(history.size(), static_cast<std::size_t>(TapeStore::kKeptLines) + 1);
    EXPECT_EQ(history.front().number, QStringLiteral("11")) << "the ten oldest dropped";
}

TEST(TapeStore, ABrokenFileIsKeptAsideAndAFolderThatCannotHoldItLeavesTheTapeInMemory)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("tape.db"));
    QFile broken(path);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write(QByteArray(8192, 'x'));
    broken.close();
    TapeStore::Opened opened = TapeStore::Open(path);
    ASSERT_TRUE(opened.store);
    EXPECT_TRUE(opened.problem.contains(QStringLiteral("壊れて"))) << opened.problem.toStdString();
    const QStringList aside = QDir(folder.path()).entryList({QStringLiteral("tape.db.broken-*")});
    ASSERT_EQ(aside.size(), 1);
    QFile kept(folder.filePath(aside[0]));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray(8192, 'x')) << "never deleted";
    EXPECT_TRUE(opened.store->Write(0, Numbered(1)));

    TapeStore::Opened nowhere = TapeStore::Open(QStringLiteral("/dev/null/tape.db"));
    EXPECT_FALSE(nowhere.store);
    EXPECT_FALSE(nowhere.problem.isEmpty());
}

TEST(TapeStore, TheKeptStateComesBackAndWhatCannotBeShownStartsAfresh)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("tape.db"));
    const KeptState kept{-1234.5, QStringLiteral("-1234.50"), 0.1, QStringLiteral("0.1"), 99.99, true};
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
    EXPECT_EQ(calculator.state().memoryText, QStringLiteral("-1,234.50"));
    // A damaged or hand-edited file: texts that are not the value's, values
    // the display cannot show.
    calculator.Restore({2.5, QStringLiteral("ERROR"), 1e13, QStringLiteral("1e13"), std::nan(""), false});
    EXPECT_EQ(calculator.Kept(), (KeptState{2.5, QStringLiteral("2.5"), 0.0, QStringLiteral("0"), 0.0, false}));
}

}  // namespace
}  // namespace abacor::test
