#include "calculator/tape/TapeStore.h"

#include <sqlite3.h>

#include "calculator/tape/LocalTime.h"
#include "text/Utf.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <optional>

namespace abacor {

namespace {

constexpr char kSchema[] =
    "CREATE TABLE IF NOT EXISTS runs(run INTEGER PRIMARY KEY AUTOINCREMENT, started INTEGER NOT NULL);"
    "CREATE TABLE IF NOT EXISTS lines(id INTEGER PRIMARY KEY AUTOINCREMENT, run INTEGER NOT NULL,"
    " seq INTEGER NOT NULL, segment INTEGER, step INTEGER, number TEXT, mark TEXT, was TEXT, time INTEGER,"
    " UNIQUE(run, seq));"
    "CREATE TABLE IF NOT EXISTS kept(id INTEGER PRIMARY KEY CHECK(id = 1), memory REAL, memory_text TEXT,"
    " last_answer REAL, last_answer_text TEXT, grand_total REAL, second_rate INTEGER);"
    // The office functions' totals and registers; NULL for an empty register.
    "CREATE TABLE IF NOT EXISTS kept_office(id INTEGER PRIMARY KEY CHECK(id = 1), net1 REAL, gross1 REAL,"
    " net2 REAL, gross2 REAL, cost REAL, sell REAL, margin REAL);";

// The mark of the line between two runs of the program.
constexpr char16_t kRunMark[] = u"――――";

struct StatementDeleter {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementDeleter>;

Statement Prepare(sqlite3* db, const char* sql)
{
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
    return Statement(statement);
}

void BindText(sqlite3_stmt* statement, int at, const std::u16string& text)
{
    const std::string utf8 = Utf8(text);
    sqlite3_bind_text(statement, at, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

std::u16string ColumnText(sqlite3_stmt* statement, int at)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, at));
    return text ? Utf16(std::string_view(text, static_cast<std::size_t>(sqlite3_column_bytes(statement, at))))
                : std::u16string();
}

std::int64_t NowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// The local time as a file name part: 20261207-193405.
std::string FileTime() { return FormatLocalTime(std::time(nullptr), "%Y%m%d-%H%M%S"); }

// The path as SQLite takes it: UTF-8 (on POSIX, the file name's own bytes).
std::string Utf8Path(const std::filesystem::path& path)
{
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
}

std::u16string Shown(const std::filesystem::path& path) { return Utf16(Utf8Path(path)); }

// Opens the file as a database and checks it; null when it is none or broken.
sqlite3* OpenChecked(const std::filesystem::path& path, bool* broken)
{
    *broken = false;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(Utf8Path(path).c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX,
                        nullptr) != SQLITE_OK) {
        sqlite3_close_v2(db);
        return nullptr;
    }
    sqlite3_busy_timeout(db, 2000);
    sqlite3_stmt* check = nullptr;
    const bool readable = sqlite3_prepare_v2(db, "PRAGMA quick_check", -1, &check, nullptr) == SQLITE_OK &&
                          sqlite3_step(check) == SQLITE_ROW &&
                          std::string_view(reinterpret_cast<const char*>(sqlite3_column_text(check, 0))) == "ok";
    sqlite3_finalize(check);
    if (!readable ||
        sqlite3_exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;", nullptr, nullptr, nullptr) !=
            SQLITE_OK ||
        sqlite3_exec(db, kSchema, nullptr, nullptr, nullptr) != SQLITE_OK) {
        const int code = sqlite3_extended_errcode(db) & 0xFF;
        *broken = !readable || code == SQLITE_NOTADB || code == SQLITE_CORRUPT;
        sqlite3_close_v2(db);
        return nullptr;
    }
    return db;
}

}  // namespace

TapeStore::TapeStore(sqlite3* db) : db_(db)
{
    const Statement start = Prepare(db_, "INSERT INTO runs(started) VALUES(?)");
    sqlite3_bind_int64(start.get(), 1, NowMs());
    sqlite3_step(start.get());
    run_ = sqlite3_last_insert_rowid(db_);
}

TapeStore::~TapeStore() { sqlite3_close_v2(db_); }

TapeStore::Opened TapeStore::Open(const std::filesystem::path& path)
{
    bool broken = false;
    if (sqlite3* db = OpenChecked(path, &broken))
        return {std::unique_ptr<TapeStore>(new TapeStore(db)), {}};
    if (!broken)
        return {nullptr, u"テープのファイルを開けません（" + Shown(path) + u"）。テープはこの実行の間だけ残ります。"};

    // Kept aside, never deleted: the user may want what it held.
    std::filesystem::path aside = path;
    aside += ".broken-" + FileTime();
    std::error_code ignored;
    for (const char* suffix : {"-wal", "-shm"}) {
        std::filesystem::path from = path, to = aside;
        std::filesystem::rename(from += suffix, to += suffix, ignored);
    }
    std::error_code failed;
    std::filesystem::rename(path, aside, failed);
    if (failed)
        return {nullptr, u"テープのファイルが壊れていて、別名にできません（" + Shown(path) +
                             u"）。テープはこの実行の間だけ残ります。"};
    const std::u16string problem =
        u"テープのファイルが壊れていたため " + Shown(aside) + u" として残し、新しいテープを始めました。";
    if (sqlite3* db = OpenChecked(path, &broken))
        return {std::unique_ptr<TapeStore>(new TapeStore(db)), problem};
    return {nullptr, problem};
}

bool TapeStore::Exec(const char* sql) const { return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }

std::vector<TapeLine> TapeStore::History(int limit) const
{
    const std::lock_guard lock(mutex_);
    const Statement select = Prepare(db_, "SELECT run, step, number, mark, was, time FROM lines WHERE run < ?"
                                          " ORDER BY run DESC, seq DESC LIMIT ?");
    sqlite3_bind_int64(select.get(), 1, run_);
    sqlite3_bind_int(select.get(), 2, limit);
    std::vector<TapeLine> lines;
    long long run = -1;
    while (sqlite3_step(select.get()) == SQLITE_ROW) {
        const long long lineRun = sqlite3_column_int64(select.get(), 0);
        if (run != -1 && lineRun != run)
            lines.push_back({0, 0, {}, kRunMark, {}, 0});
        run = lineRun;
        lines.push_back({sqlite3_column_int(select.get(), 1), 0, ColumnText(select.get(), 2),
                         ColumnText(select.get(), 3), ColumnText(select.get(), 4),
                         sqlite3_column_int64(select.get(), 5)});
    }
    std::reverse(lines.begin(), lines.end());
    if (run != -1)
        lines.push_back({0, 0, {}, kRunMark, {}, 0});  // this run begins
    return lines;
}

bool TapeStore::Write(std::size_t from, const std::vector<TapeLine>& lines)
{
    const std::lock_guard lock(mutex_);
    if (!Exec("BEGIN IMMEDIATE"))
        return false;
    const Statement drop = Prepare(db_, "DELETE FROM lines WHERE run = ? AND seq >= ?");
    sqlite3_bind_int64(drop.get(), 1, run_);
    sqlite3_bind_int64(drop.get(), 2, static_cast<sqlite3_int64>(from));
    bool ok = sqlite3_step(drop.get()) == SQLITE_DONE;
    const Statement insert = Prepare(
        db_, "INSERT INTO lines(run, seq, segment, step, number, mark, was, time) VALUES(?, ?, ?, ?, ?, ?, ?, ?)");
    for (std::size_t i = 0; ok && i < lines.size(); ++i) {
        const TapeLine& line = lines[i];
        sqlite3_reset(insert.get());
        sqlite3_bind_int64(insert.get(), 1, run_);
        sqlite3_bind_int64(insert.get(), 2, static_cast<sqlite3_int64>(from + i));
        sqlite3_bind_int(insert.get(), 3, line.segment);
        sqlite3_bind_int(insert.get(), 4, line.step);
        BindText(insert.get(), 5, line.number);
        BindText(insert.get(), 6, line.mark);
        BindText(insert.get(), 7, line.was);
        sqlite3_bind_int64(insert.get(), 8, line.time);
        ok = sqlite3_step(insert.get()) == SQLITE_DONE;
    }
    // The newest lines are kept, the oldest dropped.
    const Statement trim = Prepare(db_, "DELETE FROM lines WHERE id <= (SELECT MAX(id) FROM lines) - ?");
    sqlite3_bind_int(trim.get(), 1, kKeptLines);
    ok = ok && sqlite3_step(trim.get()) == SQLITE_DONE;
    if (!ok) {
        Exec("ROLLBACK");
        return false;
    }
    return Exec("COMMIT");
}

std::optional<KeptState> TapeStore::LoadState() const
{
    const std::lock_guard lock(mutex_);
    const Statement select =
        Prepare(db_, "SELECT memory, memory_text, last_answer, last_answer_text, grand_total, second_rate FROM kept");
    if (sqlite3_step(select.get()) != SQLITE_ROW)
        return std::nullopt;
    KeptState kept{sqlite3_column_double(select.get(), 0), ColumnText(select.get(), 1),
                   sqlite3_column_double(select.get(), 2), ColumnText(select.get(), 3),
                   sqlite3_column_double(select.get(), 4), sqlite3_column_int(select.get(), 5) != 0};
    const Statement office = Prepare(db_, "SELECT net1, gross1, net2, gross2, cost, sell, margin FROM kept_office");
    if (sqlite3_step(office.get()) == SQLITE_ROW) {
        kept.taxTotals = {RateTotals{sqlite3_column_double(office.get(), 0), sqlite3_column_double(office.get(), 1)},
                          RateTotals{sqlite3_column_double(office.get(), 2), sqlite3_column_double(office.get(), 3)}};
        for (int i = 0; i < 3; ++i)
            if (sqlite3_column_type(office.get(), 4 + i) != SQLITE_NULL)
                kept.profit[static_cast<std::size_t>(i)] = sqlite3_column_double(office.get(), 4 + i);
    }
    return kept;
}

bool TapeStore::SaveState(const KeptState& state)
{
    const std::lock_guard lock(mutex_);
    const Statement save =
        Prepare(db_, "INSERT OR REPLACE INTO kept(id, memory, memory_text, last_answer, last_answer_text,"
                     " grand_total, second_rate) VALUES(1, ?, ?, ?, ?, ?, ?)");
    sqlite3_bind_double(save.get(), 1, state.memory);
    BindText(save.get(), 2, state.memoryText);
    sqlite3_bind_double(save.get(), 3, state.lastAnswer);
    BindText(save.get(), 4, state.lastAnswerText);
    sqlite3_bind_double(save.get(), 5, state.grandTotal);
    sqlite3_bind_int(save.get(), 6, state.secondRate ? 1 : 0);
    if (sqlite3_step(save.get()) != SQLITE_DONE)
        return false;
    const Statement office =
        Prepare(db_, "INSERT OR REPLACE INTO kept_office(id, net1, gross1, net2, gross2, cost, sell, margin)"
                     " VALUES(1, ?, ?, ?, ?, ?, ?, ?)");
    sqlite3_bind_double(office.get(), 1, state.taxTotals[0].net);
    sqlite3_bind_double(office.get(), 2, state.taxTotals[0].gross);
    sqlite3_bind_double(office.get(), 3, state.taxTotals[1].net);
    sqlite3_bind_double(office.get(), 4, state.taxTotals[1].gross);
    for (int i = 0; i < 3; ++i) {
        if (const std::optional<double>& value = state.profit[static_cast<std::size_t>(i)])
            sqlite3_bind_double(office.get(), 5 + i, *value);
        else
            sqlite3_bind_null(office.get(), 5 + i);
    }
    return sqlite3_step(office.get()) == SQLITE_DONE;
}

bool TapeStore::ClearAll()
{
    const std::lock_guard lock(mutex_);
    return Exec("DELETE FROM lines");
}

TapeWriter::TapeWriter(std::unique_ptr<TapeStore> store) : store_(std::move(store)), thread_([this] { Loop(); }) {}

TapeWriter::~TapeWriter()
{
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void TapeWriter::Submit(std::size_t from, std::vector<TapeLine> lines)
{
    {
        const std::lock_guard lock(mutex_);
        if (pending_ && from > from_ && from - from_ <= lines_.size()) {
            // What is still pending before from stays; from on, the new lines.
            lines_.resize(from - from_);
            lines_.insert(lines_.end(), std::make_move_iterator(lines.begin()), std::make_move_iterator(lines.end()));
        } else {
            from_ = from;
            lines_ = std::move(lines);
        }
        pending_ = true;
        haveLines_ = true;
    }
    wake_.notify_one();
}

void TapeWriter::SubmitState(const KeptState& state)
{
    {
        const std::lock_guard lock(mutex_);
        if (state == savedState_ && !state_)
            return;
        state_ = state;
        pending_ = true;
    }
    wake_.notify_one();
}

void TapeWriter::ClearAll()
{
    {
        const std::lock_guard lock(mutex_);
        clear_ = true;
        pending_ = true;
        from_ = 0;
        lines_.clear();
    }
    wake_.notify_one();
}

void TapeWriter::Flush()
{
    std::unique_lock lock(mutex_);
    ++flushing_;
    wake_.notify_one();
    idle_.wait(lock, [this] { return !pending_ && !writing_; });
    --flushing_;
}

void TapeWriter::Loop()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return pending_ || stop_; });
        if (!pending_ && stop_)
            return;
        // Keys come in bursts: one transaction for the burst.
        wake_.wait_for(lock, kBatch, [this] { return stop_ || flushing_ > 0; });
        const bool clear = std::exchange(clear_, false);
        const bool haveLines = std::exchange(haveLines_, false);
        const std::size_t from = from_;
        std::vector<TapeLine> lines = std::move(lines_);
        lines_.clear();
        const std::optional<KeptState> state = std::exchange(state_, std::nullopt);
        pending_ = false;
        writing_ = true;
        lock.unlock();
        if (clear)
            static_cast<void>(store_->ClearAll());
        const bool written = !haveLines || store_->Write(from, lines);
        const bool stateSaved = !state || store_->SaveState(*state);
        lock.lock();
        writing_ = false;
        if (state && stateSaved)
            savedState_ = *state;
        else if (state && !state_ && !stop_)
            state_ = state;  // tried again below, unless a newer one came
        if (written && !stateSaved && !stop_) {
            pending_ = true;
            wake_.wait_for(lock, std::chrono::milliseconds(500), [this] { return stop_; });
            continue;
        }
        if (!written && !stop_) {
            // Tried again a little later (another program may hold the
            // database), with whatever came in meanwhile.
            if (!haveLines_ || from_ >= from + lines.size()) {
                if (haveLines_)
                    lines.insert(lines.end(), std::make_move_iterator(lines_.begin()),
                                 std::make_move_iterator(lines_.end()));
                from_ = from;
                lines_ = std::move(lines);
            } else if (from_ > from) {
                lines.resize(from_ - from);
                lines.insert(lines.end(), std::make_move_iterator(lines_.begin()),
                             std::make_move_iterator(lines_.end()));
                from_ = from;
                lines_ = std::move(lines);
            }
            pending_ = true;
            haveLines_ = true;
            wake_.wait_for(lock, std::chrono::milliseconds(500), [this] { return stop_; });
            continue;
        }
        idle_.notify_all();
    }
}

}  // namespace abacor
