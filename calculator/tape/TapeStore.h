#pragma once

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "calculator/tape/TapeKeeper.h"
#include "calculator/tape/TapeSession.h"

struct sqlite3;

namespace abacor {

// The tape kept in an SQLite database (WAL): every run of the program is a
// run of lines; the newest 100 000 lines are kept. Safe to use from two
// threads, and from two programs at once (each has a run of its own).
class TapeStore {
public:
    static constexpr int kKeptLines = 100000;

    // How long an open or a write waits for another program's lock.
    static constexpr std::chrono::milliseconds kBusyWait{3000};

    struct Opened {
        std::unique_ptr<TapeStore> store;  // none: the tape lives in memory only
        Message problem;                   // what went wrong, for the tape window
        bool busy = false;                 // another program held it: worth another try
    };
    // Opens or makes the database at path and starts a run. Only a file that
    // is no database, or a corrupt one, is kept aside under a new name (never
    // deleted) and a new one made; a busy, full or unreadable one is left
    // as it is.
    static Opened Open(const std::filesystem::path& path, std::chrono::milliseconds busyWait = kBusyWait);
    ~TapeStore();
    TapeStore(const TapeStore&) = delete;
    TapeStore& operator=(const TapeStore&) = delete;

    // The lines of the earlier runs, oldest first, the newest limit of them,
    // a separator line between runs; read-only lines of no segment.
    std::vector<TapeLine> History(int limit = kKeptLines) const;
    // The last calculation of the run before this one.
    std::vector<TapeLine> LastCalculation() const;
    // This run's lines from place from on are these.
    bool Write(std::size_t from, const std::vector<TapeLine>& lines);
    // テープ消去: every line of every run.
    bool ClearAll();
    bool SetNote(std::int64_t id, const std::u16string& note);
    // The calculator's state kept for the next run; none before the first.
    std::optional<KeptState> LoadState() const;
    bool SaveState(const KeptState& state);
    // Why the last write failed, as the user is told it.
    Message Failure() const;
    // How often another program cleared the tape while this one kept it
    // (seen when this one writes next).
    long long ClearedElsewhere() const;

private:
    explicit TapeStore(sqlite3* db);
    bool Exec(const char* sql) const;
    // The kept state's rows, within a transaction begun.
    bool SaveRegisters(const KeptState& state);
    // This run's id: a run whose row could not be written yet has none (0)
    // and writes nothing until it has.
    bool StartRun();
    // Free pages go back to the file system, when there are at least so many.
    void Reclaim(long long atLeast);

    // The times テープ消去 was done on the file.
    long long Clears() const;

    sqlite3* db_;
    long long run_ = 0;
    long long clearsSeen_ = 0;
    std::size_t written_ = 0;   // this run's lines written so far (their places)
    std::size_t keepFrom_ = 0;  // places before this were cleared by another program
    long long clearedElsewhere_ = 0;
    mutable int failure_ = 0;  // the SQLite code of the last failed write
    mutable std::mutex mutex_;
};

// Writes a store's lines behind the keys: Submit returns at once, a thread of
// its own gathers what comes within a batch's time and writes the newest
// pending lines in one transaction.
class TapeWriter : public TapeKeeper {
public:
    // How long the writer gathers submissions before it writes them.
    static constexpr std::chrono::milliseconds kBatch{200};

    explicit TapeWriter(std::unique_ptr<TapeStore> store);
    // Writes what is pending, then ends its thread.
    ~TapeWriter() override;
    TapeWriter(const TapeWriter&) = delete;
    TapeWriter& operator=(const TapeWriter&) = delete;

    std::vector<TapeLine> History() const override { return store_->History(); }
    std::optional<KeptState> LoadState() const override { return store_->LoadState(); }
    std::vector<TapeLine> LastCalculation() const override { return store_->LastCalculation(); }
    // This run's lines from place from on; an earlier submission not yet
    // written is merged into this one.
    void Submit(std::size_t from, std::vector<TapeLine> lines) override;
    // The state to keep; written with the next batch unless unchanged.
    void SubmitState(const KeptState& state) override;
    void ClearAll() override;
    void SubmitNote(std::int64_t id, std::u16string note) override;
    bool Flush() override;
    KeeperStatus Status() const override;
    void SetObserver(std::function<void()> observer) override;

private:
    void Loop();
    // Lines that could not be written go back in front of what came since.
    void Requeue(std::size_t from, std::vector<TapeLine> lines);

    std::unique_ptr<TapeStore> store_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    bool pending_ = false;
    bool haveLines_ = false;  // lines_ from from_ on are to be written
    bool clear_ = false;
    bool writing_ = false;
    bool stop_ = false;
    int flushing_ = 0;            // callers waiting in Flush: no batch time
    unsigned long attempts_ = 0;  // writes tried, for Flush
    KeeperStatus status_;
    std::function<void()> observer_;
    std::size_t from_ = 0;
    std::vector<TapeLine> lines_;  // from from_ on
    std::optional<KeptState> state_;
    std::optional<KeptState> savedState_;           // as the database holds it
    std::map<std::int64_t, std::u16string> notes_;  // on earlier runs' lines, by id
    std::thread thread_;
};

}  // namespace abacor
