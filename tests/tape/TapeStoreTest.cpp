// The kept tape: runs one after another, rewritten from a line on, the
// newest lines kept, a broken file kept aside, a folder that cannot hold it,
// and a healthy file that is busy, full or not ours told as such and left
// alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>

#include "calculator/engine/NumberText.h"
#include "calculator/tape/CalculatorSession.h"
#include "calculator/tape/TapeFile.h"
#include "calculator/tape/TapeStore.h"
#include "tests/FileSizeLimit.h"
#include "tests/PhoneSettings.h"
#include "tests/TempFolder.h"
#include "text/Utf.h"

#include <cmath>
#include <sqlite3.h>
#include <unistd.h>

namespace abacor::test {
namespace {

std::vector<TapeLine> Numbered(int count, int first = 1)
{
    std::vector<TapeLine> lines;
    for (int i = 0; i < count; ++i)
        lines.push_back({first + i, 1, Widened(std::to_string(first + i)), u"＋", {}, 1000 + i, {}});
    return lines;
}

// Another program's connection to the file, as sqlite3 would hold it.
class Holder {
public:
    explicit Holder(const std::filesystem::path& path) { sqlite3_open(path.c_str(), &db_); }
    ~Holder() { sqlite3_close_v2(db_); }
    Holder(const Holder&) = delete;
    Holder& operator=(const Holder&) = delete;
    bool Exec(const char* sql) { return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }
    // What a one-number query finds; -1 when it fails.
    long long Number(const char* sql)
    {
        sqlite3_stmt* statement = nullptr;
        long long found = -1;
        if (sqlite3_prepare_v2(db_, sql, -1, &statement, nullptr) == SQLITE_OK && sqlite3_step(statement) == SQLITE_ROW)
            found = sqlite3_column_int64(statement, 0);
        sqlite3_finalize(statement);
        return found;
    }

private:
    sqlite3* db_ = nullptr;
};

TEST(TapeStore, RunsFollowOneAnotherAndARewriteReplacesTheTail)
{
    const TempFolder folder;
    const std::filesystem::path path = folder.File("tape.db");
    {
        TapeStore::Opened first = TapeStore::Open(path);
        ASSERT_TRUE(first.store) << Utf8(Composed(first.problem));
        EXPECT_TRUE(Composed(first.problem).empty());
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

    // What trimming frees goes back to the disk, also from a file made
    // before it could (one that never gave pages back).
    const std::filesystem::path old = folder.File("old.db");
    Holder(old).Exec("CREATE TABLE runs(run INTEGER PRIMARY KEY AUTOINCREMENT, started INTEGER NOT NULL)");
    TapeStore::Open(old).store->Write(0, Numbered(TapeStore::kKeptLines));
    const auto full = std::filesystem::file_size(old);
    TapeStore::Open(old).store->Write(0, Numbered(TapeStore::kKeptLines));
    EXPECT_LT(std::filesystem::file_size(old), full + full / 4) << "not twice the size";
}

TEST(TapeStore, ABrokenFileIsKeptAsideAndAFolderThatCannotHoldItLeavesTheTapeInMemory)
{
    const TempFolder folder;
    const std::filesystem::path path = folder.File("tape.db");
    std::ofstream(path, std::ios::binary) << std::string(8192, 'x');
    TapeStore::Opened opened = TapeStore::Open(path);
    ASSERT_TRUE(opened.store);
    EXPECT_NE(Composed(opened.problem).find(u"壊れて"), std::u16string::npos) << Utf8(Composed(opened.problem));
    std::vector<std::filesystem::path> aside;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        if (entry.path().filename().string().starts_with("tape.db.broken-"))
            aside.push_back(entry.path());
    ASSERT_EQ(aside.size(), 1u);
    std::ifstream kept(aside[0], std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), std::string(8192, 'x')) << "never deleted";
    EXPECT_TRUE(opened.store->Write(0, Numbered(1)));
    opened.store.reset();
    // Broken again within the same second (or not): a name of its own.
    std::ofstream(path, std::ios::binary | std::ios::trunc) << std::string(8192, 'y');
    ASSERT_TRUE(TapeStore::Open(path).store);
    std::size_t keptAside = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        keptAside += entry.path().filename().string().starts_with("tape.db.broken-") ? 1 : 0;
    EXPECT_EQ(keptAside, 2u) << "the first one kept";

    TapeStore::Opened nowhere = TapeStore::Open("/dev/null/tape.db");
    EXPECT_FALSE(nowhere.store);
    EXPECT_FALSE(nowhere.problem.empty());
}

TEST(TapeStore, AHealthyFileThatCannotBeUsedNowIsToldAsSuchAndLeftAlone)
{
    constexpr std::chrono::milliseconds kBrief{50};
    const struct {
        const char* name;
        std::function<void(const std::filesystem::path&, std::optional<Holder>&)> spoil;
        const char16_t* told;
        bool busy;
    } cases[] = {
        {"held by another program",
         [](const std::filesystem::path& path, std::optional<Holder>& holder) {
             holder.emplace(path);
             ASSERT_TRUE(holder->Exec("PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE; SELECT 1 FROM runs;"));
         },
         u"ほかのプログラム", true},
        {"its WAL a folder",
         [](const std::filesystem::path& path, std::optional<Holder>&) {
             std::filesystem::create_directory(path.string() + "-wal");
         },
         u"開けません", false},
        {"another program's table of that name",
         [](const std::filesystem::path& path, std::optional<Holder>&) {
             Holder(path).Exec("DROP TABLE lines; CREATE TABLE lines(id INTEGER PRIMARY KEY, run, seq, text)");
         },
         u"Abacorのテープの形ではありません", false},
    };
    for (const auto& c : cases) {
        const TempFolder folder;
        const std::filesystem::path path = folder.File("tape.db");
        {
            TapeWriter writer(TapeStore::Open(path).store);
            writer.Submit(0, Numbered(3));
            writer.SubmitState(KeptState{12.5, u"12.5", 0.0, u"0", 0.0, false});
        }
        std::optional<Holder> holder;
        c.spoil(path, holder);
        const TapeStore::Opened opened = TapeStore::Open(path, kBrief);
        EXPECT_FALSE(opened.store) << c.name;
        EXPECT_EQ(opened.busy, c.busy) << c.name;
        EXPECT_NE(Composed(opened.problem).find(c.told), std::u16string::npos)
            << c.name << ": " << Utf8(Composed(opened.problem));
        for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
            EXPECT_FALSE(entry.path().filename().string().starts_with("tape.db.broken")) << c.name;
        holder.reset();
        if (std::filesystem::is_directory(path.string() + "-wal"))
            std::filesystem::remove(path.string() + "-wal");
        EXPECT_EQ(Holder(path).Number("SELECT count(*) FROM runs"), 1) << c.name << ": the file as it was";
        if (c.busy) {
            // Free again: the same file, with what it kept.
            const TapeStore::Opened again = TapeStore::Open(path);
            ASSERT_TRUE(again.store);
            EXPECT_EQ(again.store->LoadState()->memory, 12.5);
            EXPECT_EQ(again.store->History().size(), 3u + 1u);
        }
    }
}

TEST(TapeStore, AStoreOpenedLateKeepsTheKeptMemoryNeverTheRunsZeros)
{
    const TempFolder folder;
    const std::filesystem::path path = folder.File("tape.db");
    {
        TapeWriter writer(TapeStore::Open(path).store);
        writer.SubmitState(KeptState{12.5, u"12.5", 0.0, u"0", 0.0, false});
    }
    // Keys typed while the store was busy; none of them changed the memory.
    CalculatorSession session(PhoneSettings());
    for (const char* token : {"1", "+", "2", "="})
        session.Apply(token);
    EXPECT_TRUE(session.Keep(std::make_unique<TapeWriter>(TapeStore::Open(path).store), {}));
    EXPECT_EQ(session.state().memoryValue, 12.5);
    ASSERT_EQ(session.Apply("correct:1=5").outcome, TokenOutcome::Applied);
    EXPECT_EQ(session.state().memoryValue, 12.5) << "a correction re-runs from it";
    ASSERT_TRUE(session.Flush());
    EXPECT_EQ(TapeStore::Open(path).store->LoadState()->memory, 12.5) << "kept, not overwritten";
    // A run that put something in the memory of its own keeps its own.
    CalculatorSession own(PhoneSettings());
    for (const char* token : {"7", "M+"})
        own.Apply(token);
    EXPECT_FALSE(own.Keep(std::make_unique<TapeWriter>(TapeStore::Open(path).store), {}));
    EXPECT_EQ(own.state().memoryValue, 7.0);
}

TEST(TapeStore, WhatAnotherCalculatorClearedNeverComesBack)
{
    const TempFolder folder;
    const std::filesystem::path path = folder.File("tape.db");
    // B keys 111 + 222 + 333 =, A clears the tape, B corrects step 1.
    CalculatorSession b(PhoneSettings());
    b.Keep(std::make_unique<TapeWriter>(TapeStore::Open(path).store), {});
    for (const char* token : {"1", "1", "1", "+", "2", "2", "2", "+", "3", "3", "3", "="})
        b.Apply(token);
    ASSERT_TRUE(b.Flush());
    {
        CalculatorSession a(PhoneSettings());
        a.Keep(std::make_unique<TapeWriter>(TapeStore::Open(path).store), {});
        a.ClearTape();
        ASSERT_TRUE(a.Flush());
        EXPECT_EQ(a.ClearedElsewhere(), 0) << "its own clearing is no news to A";
    }
    EXPECT_EQ(b.ClearedElsewhere(), 0) << "seen when B writes next";
    ASSERT_EQ(b.Apply("correct:1=100").outcome, TokenOutcome::Applied);
    for (const char* token : {"+", "5", "="})
        b.Apply(token);
    ASSERT_TRUE(b.Flush());
    EXPECT_EQ(b.ClearedElsewhere(), 1) << "B is told (its tape window says so)";
    Holder file(path);
    EXPECT_EQ(file.Number("SELECT count(*) FROM lines WHERE number IN ('111', '100', '222', '333') OR mark = '*' AND"
                          " number = '655'"),
              0)
        << "the cleared lines, corrected or not, stay cleared";
    EXPECT_EQ(file.Number("SELECT count(*) FROM lines"), 3) << "655 ＋, 5 ＝ and 660 *: what B keyed after";
    EXPECT_EQ(file.Number("SELECT count(*) FROM lines WHERE number = '5' AND step = 4"), 1) << "what B keys after";
}

// A tape that cannot be written (a read-only file in a read-only folder, as
// on a read-only medium) shows what it holds and says why nothing is kept.
// Root writes anyway: the check runs as nobody then, in a child.
TEST(TapeStore, AReadOnlyTapeShowsItsHistory)
{
    const TempFolder folder;
    const std::filesystem::path path = folder.File("tape.db");
    {
        CalculatorSession earlier(PhoneSettings());
        earlier.Keep(std::make_unique<TapeWriter>(TapeStore::Open(path).store), {});
        for (const char* token : {"4", "2", "+", "8", "="})
            earlier.Apply(token);
        ASSERT_TRUE(earlier.Flush());
    }
    namespace fs = std::filesystem;
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(folder.File(""), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                         fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    EXPECT_EXIT(
        {
            if (::geteuid() == 0 && ::setuid(65534) != 0)
                std::_Exit(3);
            TapeStore::Opened opened = TapeStore::Open(path, std::chrono::milliseconds(100));
            if (!opened.store || Composed(opened.problem).find(u"読み取り専用") == std::u16string::npos)
                std::_Exit(4);
            CalculatorSession now(PhoneSettings());
            now.Keep(std::make_unique<TapeWriter>(std::move(opened.store)), std::move(opened.problem));
            const std::vector<TapeLine> history = now.History();
            const bool shown =
                std::any_of(history.begin(), history.end(), [](const TapeLine& line) { return line.number == u"50"; });
            now.Apply("1");
            now.Apply("=");
            std::_Exit(!shown ? 5 : now.Flush() || !now.KeepingFails() ? 6 : 0);
        },
        ::testing::ExitedWithCode(0), "");
    fs::permissions(folder.File(""), fs::perms::owner_all);
    Holder file(path);
    EXPECT_EQ(file.Number("SELECT count(*) FROM lines WHERE number = '1'"), 0) << "nothing written to it";
}

TEST(TapeStore, AnotherProgramsDatabaseIsRefusedAndLeftAsItIs)
{
    const TempFolder folder;
    const std::filesystem::path path = folder.File("tape.db");
    ASSERT_TRUE(Holder(path).Exec("CREATE TABLE invoices(id INTEGER PRIMARY KEY, customer TEXT)"));
    const auto size = std::filesystem::file_size(path);
    const TapeStore::Opened opened = TapeStore::Open(path);
    EXPECT_FALSE(opened.store);
    EXPECT_NE(Composed(opened.problem).find(u"Abacorのテープの形ではありません"), std::u16string::npos)
        << Utf8(Composed(opened.problem));
    EXPECT_EQ(std::filesystem::file_size(path), size);
    EXPECT_FALSE(std::filesystem::exists(path.string() + "-wal")) << "not switched to WAL";
    Holder after(path);
    EXPECT_EQ(after.Number("SELECT count(*) FROM sqlite_master"), 1) << "no table added";
}

// While another program holds the file, nothing is lost and everything is
// told: the run gets its id, its lines and a clearing once the file is free.
TEST(TapeStore, WritesAndAClearingWaitForTheFileAndAreToldUntilTheySucceed)
{
    const TempFolder folder;
    const std::filesystem::path path = folder.File("tape.db");
    static_cast<void>(TapeStore::Open(path));
    std::optional<Holder> holder(std::in_place, path);
    ASSERT_TRUE(holder->Exec("BEGIN IMMEDIATE"));  // readers read, nobody writes
    TapeStore::Opened first = TapeStore::Open(path, std::chrono::milliseconds(50));
    TapeStore::Opened second = TapeStore::Open(path, std::chrono::milliseconds(50));
    ASSERT_TRUE(first.store && second.store) << "a file being written is still a tape";
    std::atomic<int> told = 0;
    {
        TapeWriter one(std::move(first.store)), two(std::move(second.store));
        one.SetObserver([&told] { ++told; });
        one.Submit(0, Numbered(2));
        two.Submit(0, Numbered(3, 7));
        EXPECT_FALSE(one.Flush());
        EXPECT_NE(Composed(one.Status().problem).find(u"ほかのプログラム"), std::u16string::npos)
            << Utf8(Composed(one.Status().problem));
        EXPECT_EQ(told, 1);
        holder.reset();
        EXPECT_TRUE(one.Flush());
        EXPECT_TRUE(two.Flush());
        EXPECT_TRUE(Composed(one.Status().problem).empty());
        EXPECT_EQ(told, 2) << "told when it works again";
        EXPECT_EQ(TapeStore::Open(path).store->History().size(), 2u + 1u + 3u + 1u) << "two runs, neither lost";
        EXPECT_EQ(Holder(path).Number("SELECT count(*) FROM lines WHERE run = 0"), 0);

        holder.emplace(path);
        ASSERT_TRUE(holder->Exec("BEGIN IMMEDIATE"));
        one.ClearAll();
        EXPECT_FALSE(one.Flush());
        EXPECT_TRUE(one.Status().clearPending) << "never said to be erased while it is not";
        holder.reset();
        EXPECT_TRUE(one.Flush());
        EXPECT_FALSE(one.Status().clearPending);
    }
    EXPECT_TRUE(TapeStore::Open(path).store->History().empty()) << "every line erased";

    // A full disk (the file may grow no more): told, and written once it may.
    std::optional<TapeWriter> writer(std::in_place, TapeStore::Open(path).store);
    bool written = true;
    std::u16string problem;
    {
        const FileSizeLimit full(std::filesystem::file_size(path));
        writer->Submit(0, Numbered(5000));
        written = writer->Flush();
        problem = Composed(writer->Status().problem);
    }
    EXPECT_FALSE(written);
    EXPECT_FALSE(problem.empty());
    EXPECT_TRUE(writer->Flush());
    writer.reset();
    EXPECT_EQ(TapeStore::Open(path).store->History().size(), 5000u + 1u);
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
    {
        // A later version's register is passed over, one the file lacks is
        // at its start; a file from before the registers by name reads its
        // older tables.
        Holder file(path);
        ASSERT_TRUE(file.Exec("INSERT INTO kept_values VALUES('later', 5, 'x'); "
                              "DELETE FROM kept_values WHERE name = 'grand_total'"));
        KeptState lacking = kept;
        lacking.grandTotal = 0.0;
        EXPECT_EQ(TapeStore::Open(path).store->LoadState(), lacking);
        ASSERT_TRUE(file.Exec("DELETE FROM kept_values"));
        EXPECT_EQ(TapeStore::Open(path).store->LoadState(), kept);
    }

    const CalculatorSettings settings = PhoneSettings();
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

// Yesterday's last calculation, after a restart: its steps show their numbers
// and can be corrected; the correction writes it again in today's run under
// "再計算", yesterday's lines stay as they were. A note comes along.
TEST(TapeStore, YesterdaysCalculationIsCorrectedToday)
{
    const TempFolder folder;
    const std::filesystem::path path = folder.File("tape.db");
    const auto keyed = [&](std::initializer_list<const char*> tokens) {
        auto session = std::make_unique<CalculatorSession>(PhoneSettings());
        session->Keep(std::make_unique<TapeWriter>(TapeStore::Open(path).store), {});
        for (const char* token : tokens)
            EXPECT_EQ(session->Apply(token).outcome, TokenOutcome::Applied) << token;
        return session;
    };
    {
        // A file opened as the first action starts from what it records, not
        // from the memory kept, as it does after any key.
        CalculatorSession writer(PhoneSettings());
        for (const char* token : {"5", "M+", "MR", "+", "1", "="})
            writer.Apply(token);
        const std::string text = writer.SaveText(writer.CalculationLines());
        std::string older = text;
        older.erase(older.find(",ActiveRate=1"), std::string_view(",ActiveRate=1").size());
        // Memory kept, the tape not: nothing resumed, the open is the first key.
        const auto stateOnly = [&](std::initializer_list<const char*> tokens) {
            CalculatorSettings settings = PhoneSettings();
            settings.TapeKeepFlg = 0;
            auto session = std::make_unique<CalculatorSession>(settings);
            session->Keep(std::make_unique<TapeWriter>(TapeStore::Open(path).store), {});
            for (const char* token : tokens)
                session->Apply(token);
            return session;
        };
        for (const std::string& saved : {text, older}) {
            stateOnly({"2", "M+"});
            auto first = stateOnly({});
            EXPECT_FALSE(first->tape().Resumed());
            EXPECT_EQ(first->state().memoryValue, 2.0) << "kept";
            EXPECT_TRUE(first->Open(ParseTapeFile(saved, PhoneSettings())).empty());
            EXPECT_EQ(first->state().displayText, u"6");
            first.reset();
            for (const char* suffix : {"", "-wal", "-shm"})
                std::filesystem::remove(path.string() + suffix);
        }
    }
    keyed({"9", "=", "CA", "1", "2", "+", "3", "4", "=", "note:2=交通費"});
    // Yesterday's keys found again aside: the window is not drawn for them
    // (nor, here, for a kept state).
    struct Counting : RepaintSink {
        void Invalidate(DisplayRegion) override { ++asked; }
        int asked = 0;
    } sink;
    CalculatorSettings tapeOnly = PhoneSettings();
    tapeOnly.KeepStateFlg = 0;
    auto today = std::make_unique<CalculatorSession>(tapeOnly, &sink);
    sink.asked = 0;
    today->Keep(std::make_unique<TapeWriter>(TapeStore::Open(path).store), {});
    EXPECT_TRUE(today->tape().Resumed());
    EXPECT_EQ(sink.asked, 0);
    std::vector<TapeLine> history = today->History();
    ASSERT_GE(history.size(), 7u);
    EXPECT_EQ(history[history.size() - 3].Text(today->tape().Segment()), u"34 ＝  #2  交通費");
    EXPECT_EQ(history[history.size() - 7].Text(today->tape().Segment()), u"9 ＝") << "before the CA: no number";
    EXPECT_TRUE(today->SetNote(history[history.size() - 7], u"昨日の 9").empty()) << "an earlier run's line";
    EXPECT_FALSE(today->SetNote(history[history.size() - 7], u"a\nb").empty());
    EXPECT_EQ(today->Apply("correct:1=100").outcome, TokenOutcome::Applied);
    EXPECT_EQ(today->state().displayText, u"134");
    ASSERT_TRUE(today->Flush());
    Holder file(path);
    EXPECT_EQ(file.Number("SELECT count(*) FROM lines WHERE run = 1 AND mark = '＋' AND number = '12' AND was = ''"),
              1);
    EXPECT_EQ(file.Number("SELECT seq FROM lines WHERE run = 2 AND mark = '再計算'"), 0);
    EXPECT_EQ(file.Number("SELECT count(*) FROM lines WHERE run = 2 AND step = 1 AND number = '100' AND was = '12'"),
              1);
    EXPECT_EQ(file.Number("SELECT count(*) FROM lines WHERE run = 2 AND step = 2 AND note = '交通費'"), 1);
    EXPECT_EQ(file.Number("SELECT count(*) FROM lines WHERE run = 2 AND number = '134' AND mark = '*'"), 1);
    EXPECT_EQ(file.Number("SELECT count(*) FROM lines WHERE run = 1 AND number = '9' AND note = '昨日の 9'"), 1);
    today.reset();
    // A key of today's leaves yesterday's calculation as it is.
    auto later = keyed({"5"});
    EXPECT_FALSE(later->tape().Resumed());
    EXPECT_EQ(later->Apply("correct:1=7").outcome, TokenOutcome::Refused);
}

}  // namespace
}  // namespace abacor::test
