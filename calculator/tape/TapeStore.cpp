#include "calculator/tape/TapeStore.h"

#include <sqlite3.h>

#include "calculator/core/KeptRegisters.h"
#include "calculator/tape/LocalTime.h"
#include "calculator/tape/TapeMarks.h"
#include "text/Utf.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <limits>
#include <optional>

namespace abacor {

namespace {

constexpr char kSchema[] =
    "CREATE TABLE IF NOT EXISTS runs(run INTEGER PRIMARY KEY AUTOINCREMENT, started INTEGER NOT NULL);"
    "CREATE TABLE IF NOT EXISTS lines(id INTEGER PRIMARY KEY AUTOINCREMENT, run INTEGER NOT NULL,"
    " seq INTEGER NOT NULL, segment INTEGER, step INTEGER, number TEXT, mark TEXT, was TEXT, time INTEGER,"
    " note TEXT, UNIQUE(run, seq));"
    "CREATE TABLE IF NOT EXISTS kept(id INTEGER PRIMARY KEY CHECK(id = 1), memory REAL, memory_text TEXT,"
    " last_answer REAL, last_answer_text TEXT, grand_total REAL, second_rate INTEGER);"
    // The office functions' totals and registers; NULL for an empty register.
    "CREATE TABLE IF NOT EXISTS kept_office(id INTEGER PRIMARY KEY CHECK(id = 1), net1 REAL, gross1 REAL,"
    " net2 REAL, gross2 REAL, cost REAL, sell REAL, margin REAL);"
    // How many times テープ消去 was done, by any program on the file.
    "CREATE TABLE IF NOT EXISTS clears(id INTEGER PRIMARY KEY CHECK(id = 1), generation INTEGER NOT NULL);"
    // The kept registers by name (kKeptRegisters); kept and kept_office stay
    // written for the versions before it, and read where it is empty.
    "CREATE TABLE IF NOT EXISTS kept_values(name TEXT PRIMARY KEY, number REAL, text TEXT);";

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

// A line of an earlier run from columns step, number, mark, was, time, note, id.
TapeLine LineAt(sqlite3_stmt* row, int first)
{
    return {sqlite3_column_int(row, first), 0,
            ColumnText(row, first + 1),     ColumnText(row, first + 2),
            ColumnText(row, first + 3),     sqlite3_column_int64(row, first + 4),
            ColumnText(row, first + 5),     sqlite3_column_int64(row, first + 6)};
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

// What an SQLite failure means, as the user is told it.
Message Reason(int code)
{
    switch (code & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return ABACOR_SAY("TapeKeeping", u"ほかのプログラムが使っています");
    case SQLITE_FULL: return ABACOR_SAY("TapeKeeping", u"ディスクがいっぱいです");
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH: return ABACOR_SAY("TapeKeeping", u"書き込みが許されていません");
    case SQLITE_CANTOPEN: return ABACOR_SAY("TapeKeeping", u"ファイルを開けません");
    case SQLITE_IOERR: return ABACOR_SAY("TapeKeeping", u"ファイルを読み書きできません");
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT: return ABACOR_SAY("TapeKeeping", u"ファイルが壊れています");
    case SQLITE_ERROR: return ABACOR_SAY("TapeKeeping", u"Abacorのテープの形ではありません");
    default: return Message::Verbatim(Utf16(sqlite3_errstr(code)));
    }
}

// Only these say the file itself is no good: anything else (a lock, a full
// disk, a permission) leaves a healthy file that must not be touched.
bool Broken(int code) { return (code & 0xFF) == SQLITE_NOTADB || (code & 0xFF) == SQLITE_CORRUPT; }

struct DatabaseCloser {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using Database = std::unique_ptr<sqlite3, DatabaseCloser>;

// The statements a run needs, tried on the file: another program's table of
// the same name is refused before anything is written.
constexpr const char* kNeeded[] = {
    "SELECT run, seq, segment, step, number, mark, was, time, note FROM lines LIMIT 0",
    "SELECT memory, memory_text, last_answer, last_answer_text, grand_total, second_rate FROM kept LIMIT 0",
    "SELECT net1, gross1, net2, gross2, cost, sell, margin FROM kept_office LIMIT 0",
    "SELECT run, started FROM runs LIMIT 0",
};

// Opens the file as a database and checks it; the SQLite code of what failed.
int OpenChecked(const std::filesystem::path& path, std::chrono::milliseconds busyWait, Database& opened)
{
    sqlite3* raw = nullptr;
    const int open = sqlite3_open_v2(Utf8Path(path).c_str(), &raw,
                                     SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX, nullptr);
    Database db(raw);
    if (open != SQLITE_OK)
        return db ? sqlite3_extended_errcode(db.get()) : open;
    sqlite3_busy_timeout(db.get(), static_cast<int>(busyWait.count()));
    if (sqlite3_db_readonly(db.get(), "main") == 1)
        return SQLITE_READONLY;
    if (const Statement check = Prepare(db.get(), "PRAGMA quick_check");
        !check || sqlite3_step(check.get()) != SQLITE_ROW)
        return sqlite3_extended_errcode(db.get());
    else if (std::string_view(reinterpret_cast<const char*>(sqlite3_column_text(check.get(), 0))) != "ok")
        return SQLITE_CORRUPT;
    // Another program's database is left as it is: nothing is written to a
    // file that holds tables and none of a tape's.
    if (const Statement tables =
            Prepare(db.get(), "SELECT count(*), count(CASE WHEN name IN ('runs', 'lines') THEN 1 END)"
                              " FROM sqlite_master WHERE type = 'table'");
        !tables || sqlite3_step(tables.get()) != SQLITE_ROW)
        return sqlite3_extended_errcode(db.get());
    else if (sqlite3_column_int64(tables.get(), 0) > 0 && sqlite3_column_int64(tables.get(), 1) == 0)
        return SQLITE_ERROR;
    // A new file gives back the pages trimming frees (it takes only on an
    // empty file, and would wait for a lock on any other).
    bool empty = false;
    if (const Statement pages = Prepare(db.get(), "PRAGMA page_count"); sqlite3_step(pages.get()) == SQLITE_ROW)
        empty = sqlite3_column_int64(pages.get(), 0) == 0;
    if ((empty && sqlite3_exec(db.get(), "PRAGMA auto_vacuum=INCREMENTAL", nullptr, nullptr, nullptr) != SQLITE_OK) ||
        sqlite3_exec(db.get(), "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;", nullptr, nullptr, nullptr) !=
            SQLITE_OK ||
        sqlite3_exec(db.get(), kSchema, nullptr, nullptr, nullptr) != SQLITE_OK)
        return sqlite3_extended_errcode(db.get());
    // A tape from before notes gains their column (a NULL note on each line).
    if (!Prepare(db.get(), "SELECT note FROM lines LIMIT 0") &&
        Prepare(db.get(), "SELECT run, seq, segment, step, number, mark, was, time FROM lines LIMIT 0") &&
        sqlite3_exec(db.get(), "ALTER TABLE lines ADD COLUMN note TEXT", nullptr, nullptr, nullptr) != SQLITE_OK)
        return sqlite3_extended_errcode(db.get());
    for (const char* sql : kNeeded)
        if (!Prepare(db.get(), sql))
            return SQLITE_ERROR;
    opened = std::move(db);
    return SQLITE_OK;
}

// The file as an SQLite URI: '/' between folders, '?', '#' and '%' escaped.
std::string FileUri(const std::filesystem::path& path)
{
    constexpr char kHex[] = "0123456789ABCDEF";
    std::string uri = "file:";
    for (const char c : Utf8Path(path)) {
        if (c == '?' || c == '#' || c == '%')
            uri += {'%', kHex[(c >> 4) & 0xF], kHex[c & 0xF]};
        else
            uri += c == '\\' ? '/' : c;
    }
    return uri;
}

// A tape that cannot be written (a read-only file or medium), opened to be
// read: its history shown, nothing written to it. Only a tape's own file.
int OpenToRead(const std::filesystem::path& path, Database& opened)
{
    // A tape kept in WAL needs its shared-memory file, which a read-only
    // folder cannot hold: then it is read as a file nobody changes.
    for (const char* mode : {"", "?immutable=1"}) {
        sqlite3* raw = nullptr;
        sqlite3_open_v2((FileUri(path) + mode).c_str(), &raw,
                        SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_FULLMUTEX, nullptr);
        Database db(raw);
        if (db && std::all_of(std::begin(kNeeded), std::end(kNeeded),
                              [&db](const char* sql) { return Prepare(db.get(), sql) != nullptr; })) {
            opened = std::move(db);
            return SQLITE_OK;
        }
    }
    return SQLITE_CANTOPEN;
}

}  // namespace

long long TapeStore::ClearedElsewhere() const
{
    const std::lock_guard lock(mutex_);
    return clearedElsewhere_;
}

TapeStore::TapeStore(sqlite3* db) : db_(db)
{
    clearsSeen_ = Clears();
    StartRun();
}

long long TapeStore::Clears() const
{
    const Statement read = Prepare(db_, "SELECT generation FROM clears WHERE id = 1");
    return read && sqlite3_step(read.get()) == SQLITE_ROW ? sqlite3_column_int64(read.get(), 0) : 0;
}

TapeStore::~TapeStore() { sqlite3_close_v2(db_); }

bool TapeStore::StartRun()
{
    if (run_ != 0)
        return true;
    const Statement start = Prepare(db_, "INSERT INTO runs(started) VALUES(?)");
    sqlite3_bind_int64(start.get(), 1, NowMs());
    if (sqlite3_step(start.get()) != SQLITE_DONE) {
        failure_ = sqlite3_extended_errcode(db_);
        return false;
    }
    run_ = sqlite3_last_insert_rowid(db_);
    return true;
}

TapeStore::Opened TapeStore::Open(const std::filesystem::path& path, std::chrono::milliseconds busyWait)
{
    Database db;
    const int code = OpenChecked(path, busyWait, db);
    if (code == SQLITE_OK)
        return {std::unique_ptr<TapeStore>(new TapeStore(db.release())), {}};
    if ((code & 0xFF) == SQLITE_BUSY || (code & 0xFF) == SQLITE_LOCKED)
        return {nullptr,
                ABACOR_SAY("TapeKeeping", u"テープのファイル（%1）はほかのプログラムが使っています。"
                                          u"テープはこの実行の間だけ残ります。あとでもう一度開きます。")
                    .With(Shown(path)),
                true};
    if ((code & 0xFF) == SQLITE_READONLY && OpenToRead(path, db) == SQLITE_OK)
        return {std::unique_ptr<TapeStore>(new TapeStore(db.release())),
                ABACOR_SAY("TapeKeeping", u"テープのファイル（%1）は読み取り専用です：これまでのテープは見られますが、"
                                          u"テープはこの実行の間だけ残ります。")
                    .With(Shown(path))};
    if (!Broken(code))
        return {nullptr,
                ABACOR_SAY("TapeKeeping", u"テープのファイル（%1）を開けません：%2。テープはこの実行の間だけ残ります。")
                    .With(Shown(path))
                    .With(Reason(code))};

    // Kept aside, never deleted: the user may want what it held. A name of
    // its own each time, two in one second too (a rename replaces).
    const std::string stamp = ".broken-" + FileTime();
    std::filesystem::path aside = path;
    aside += stamp;
    std::error_code ignored;
    for (int n = 2; std::filesystem::exists(aside, ignored) && n < 1000; ++n) {
        aside = path;
        aside += stamp + '-' + std::to_string(n);
    }
    for (const char* suffix : {"-wal", "-shm"}) {
        std::filesystem::path from = path, to = aside;
        std::filesystem::rename(from += suffix, to += suffix, ignored);
    }
    std::error_code failed;
    std::filesystem::rename(path, aside, failed);
    if (failed)
        return {nullptr, ABACOR_SAY("TapeKeeping", u"テープのファイルが壊れていて、別名にできません（%1）。"
                                                   u"テープはこの実行の間だけ残ります。")
                             .With(Shown(path))};
    const Message problem =
        ABACOR_SAY("TapeKeeping", u"テープのファイルが壊れていたため %1 として残し、新しいテープを始めました。")
            .With(Shown(aside));
    if (OpenChecked(path, busyWait, db) == SQLITE_OK)
        return {std::unique_ptr<TapeStore>(new TapeStore(db.release())), problem};
    return {nullptr, problem};
}

Message TapeStore::Failure() const
{
    const std::lock_guard lock(mutex_);
    return Reason(failure_);
}

bool TapeStore::Exec(const char* sql) const
{
    if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK)
        return true;
    // (A ROLLBACK's own failure must not hide why it was needed.)
    if (std::string_view(sql) != "ROLLBACK")
        failure_ = sqlite3_extended_errcode(db_);
    return false;
}

std::vector<TapeLine> TapeStore::History(int limit) const
{
    const std::lock_guard lock(mutex_);
    const Statement select = Prepare(db_, "SELECT run, step, number, mark, was, time, note, id FROM lines"
                                          " WHERE run < ? ORDER BY run DESC, seq DESC LIMIT ?");
    // A run not yet started comes after every run there is.
    sqlite3_bind_int64(select.get(), 1, run_ != 0 ? run_ : std::numeric_limits<sqlite3_int64>::max());
    sqlite3_bind_int(select.get(), 2, limit);
    std::vector<TapeLine> lines;
    long long run = -1;
    while (sqlite3_step(select.get()) == SQLITE_ROW) {
        const long long lineRun = sqlite3_column_int64(select.get(), 0);
        if (run != -1 && lineRun != run)
            lines.push_back({0, 0, {}, std::u16string(MarkOf(LineKind::RunBegins)), {}, 0, {}});
        run = lineRun;
        lines.push_back(LineAt(select.get(), 1));
    }
    std::reverse(lines.begin(), lines.end());
    if (run != -1)
        lines.push_back({0, 0, {}, std::u16string(MarkOf(LineKind::RunBegins)), {}, 0, {}});  // this run begins
    return lines;
}

std::vector<TapeLine> TapeStore::LastCalculation() const
{
    const std::lock_guard lock(mutex_);
    const Statement select =
        Prepare(db_, "WITH last(run) AS (SELECT MAX(run) FROM lines WHERE run < ?),"
                     " cleared(seq) AS (SELECT MAX(seq) FROM lines, last WHERE lines.run = last.run AND mark = ?"
                     " AND (number IS NULL OR number = ''))"
                     " SELECT step, number, mark, was, time, note, id FROM lines, last WHERE lines.run = last.run"
                     " AND seq > COALESCE((SELECT seq FROM cleared), -1) ORDER BY seq");
    sqlite3_bind_int64(select.get(), 1, run_ != 0 ? run_ : std::numeric_limits<sqlite3_int64>::max());
    BindText(select.get(), 2, std::u16string(MarkOf(LineKind::AllClear)));
    std::vector<TapeLine> lines;
    while (sqlite3_step(select.get()) == SQLITE_ROW)
        lines.push_back(LineAt(select.get(), 0));
    return lines;
}

bool TapeStore::Write(std::size_t from, const std::vector<TapeLine>& lines)
{
    const std::lock_guard lock(mutex_);
    if (!Exec("BEGIN IMMEDIATE"))
        return false;
    if (!StartRun()) {
        Exec("ROLLBACK");
        return false;
    }
    // Cleared by another program since this one last wrote: what this run
    // had written before is gone for good, and a correction re-running it
    // never writes it back.
    if (const long long clears = Clears(); clears != clearsSeen_) {
        clearsSeen_ = clears;
        keepFrom_ = written_;
        ++clearedElsewhere_;
    }
    const std::size_t first = std::max(from, keepFrom_);
    const Statement drop = Prepare(db_, "DELETE FROM lines WHERE run = ? AND seq >= ?");
    sqlite3_bind_int64(drop.get(), 1, run_);
    sqlite3_bind_int64(drop.get(), 2, static_cast<sqlite3_int64>(first));
    bool ok = sqlite3_step(drop.get()) == SQLITE_DONE;
    const Statement insert = Prepare(db_, "INSERT INTO lines(run, seq, segment, step, number, mark, was, time, note)"
                                          " VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (std::size_t i = first - from; ok && i < lines.size(); ++i) {
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
        if (line.note.empty())
            sqlite3_bind_null(insert.get(), 9);
        else
            BindText(insert.get(), 9, line.note);
        ok = sqlite3_step(insert.get()) == SQLITE_DONE;
    }
    // The newest lines are kept, the oldest dropped.
    const Statement trim = Prepare(db_, "DELETE FROM lines WHERE id <= (SELECT MAX(id) FROM lines) - ?");
    sqlite3_bind_int(trim.get(), 1, kKeptLines);
    ok = ok && sqlite3_step(trim.get()) == SQLITE_DONE;
    const bool trimmed = ok && sqlite3_changes(db_) > 0;
    if (!ok) {
        failure_ = sqlite3_extended_errcode(db_);
        Exec("ROLLBACK");
        return false;
    }
    if (!Exec("COMMIT")) {
        Exec("ROLLBACK");
        return false;
    }
    written_ = std::max(written_, from + lines.size());
    // Pages are given back in large pieces, not at every trimmed line.
    if (trimmed)
        Reclaim(1024);
    return true;
}

void TapeStore::Reclaim(long long atLeast)
{
    const auto pragma = [this](const char* sql) {
        const Statement statement = Prepare(db_, sql);
        return sqlite3_step(statement.get()) == SQLITE_ROW ? sqlite3_column_int64(statement.get(), 0) : 0;
    };
    const long long free = pragma("PRAGMA freelist_count");
    if (free == 0 || free < atLeast)
        return;
    // A file made before pages could be given back is made so once.
    if (pragma("PRAGMA auto_vacuum") != 2)
        static_cast<void>(Exec("PRAGMA auto_vacuum=INCREMENTAL; VACUUM;"));
    else
        static_cast<void>(Exec("PRAGMA incremental_vacuum"));
}

std::optional<KeptState> TapeStore::LoadState() const
{
    const std::lock_guard lock(mutex_);
    if (const Statement values = Prepare(db_, "SELECT name, number, text FROM kept_values")) {
        std::optional<KeptState> kept;
        while (sqlite3_step(values.get()) == SQLITE_ROW) {
            const std::string_view name(reinterpret_cast<const char*>(sqlite3_column_text(values.get(), 0)),
                                        static_cast<std::size_t>(sqlite3_column_bytes(values.get(), 0)));
            KeptValue value{std::nullopt, ColumnText(values.get(), 2)};
            if (sqlite3_column_type(values.get(), 1) != SQLITE_NULL)
                value.number = sqlite3_column_double(values.get(), 1);
            if (!kept)
                kept.emplace();
            for (const KeptRegister& entry : kKeptRegisters)
                if (entry.name == name)
                    entry.set(*kept, value);
        }
        if (kept)
            return kept;
    }
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
    // Every register and the older tables together, or none of them.
    if (!Exec("BEGIN IMMEDIATE"))
        return false;
    if (!SaveRegisters(state) || !Exec("COMMIT")) {
        Exec("ROLLBACK");
        return false;
    }
    return true;
}

bool TapeStore::SaveRegisters(const KeptState& state)
{
    const Statement value = Prepare(db_, "INSERT OR REPLACE INTO kept_values(name, number, text) VALUES(?, ?, ?)");
    for (const KeptRegister& entry : kKeptRegisters) {
        const KeptValue kept = entry.get(state);
        sqlite3_reset(value.get());
        sqlite3_bind_text(value.get(), 1, entry.name.data(), static_cast<int>(entry.name.size()), SQLITE_TRANSIENT);
        if (kept.number)
            sqlite3_bind_double(value.get(), 2, *kept.number);
        else
            sqlite3_bind_null(value.get(), 2);
        BindText(value.get(), 3, kept.text);
        if (sqlite3_step(value.get()) != SQLITE_DONE) {
            failure_ = sqlite3_extended_errcode(db_);
            return false;
        }
    }
    const Statement save =
        Prepare(db_, "INSERT OR REPLACE INTO kept(id, memory, memory_text, last_answer, last_answer_text,"
                     " grand_total, second_rate) VALUES(1, ?, ?, ?, ?, ?, ?)");
    sqlite3_bind_double(save.get(), 1, state.memory);
    BindText(save.get(), 2, state.memoryText);
    sqlite3_bind_double(save.get(), 3, state.lastAnswer);
    BindText(save.get(), 4, state.lastAnswerText);
    sqlite3_bind_double(save.get(), 5, state.grandTotal);
    sqlite3_bind_int(save.get(), 6, state.secondRate ? 1 : 0);
    if (sqlite3_step(save.get()) != SQLITE_DONE) {
        failure_ = sqlite3_extended_errcode(db_);
        return false;
    }
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
    if (sqlite3_step(office.get()) != SQLITE_DONE) {
        failure_ = sqlite3_extended_errcode(db_);
        return false;
    }
    return true;
}

bool TapeStore::ClearAll()
{
    const std::lock_guard lock(mutex_);
    if (!Exec("BEGIN IMMEDIATE"))
        return false;
    if (!Exec("DELETE FROM lines") ||
        !Exec("INSERT INTO clears(id, generation) VALUES(1, 1)"
              " ON CONFLICT(id) DO UPDATE SET generation = generation + 1") ||
        !Exec("COMMIT")) {
        Exec("ROLLBACK");
        return false;
    }
    // This program's own tape is cleared with it: its lines begin again.
    clearsSeen_ = Clears();
    written_ = keepFrom_ = 0;
    // An erased tape does not stay in the file's free pages.
    Reclaim(0);
    return true;
}

bool TapeStore::SetNote(std::int64_t id, const std::u16string& note)
{
    const std::lock_guard lock(mutex_);
    const Statement update = Prepare(db_, "UPDATE lines SET note = ? WHERE id = ?");
    if (note.empty())
        sqlite3_bind_null(update.get(), 1);
    else
        BindText(update.get(), 1, note);
    sqlite3_bind_int64(update.get(), 2, id);
    if (sqlite3_step(update.get()) == SQLITE_DONE)
        return true;
    failure_ = sqlite3_extended_errcode(db_);
    return false;
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
        notes_.clear();
    }
    wake_.notify_one();
}

void TapeWriter::SubmitNote(std::int64_t id, std::u16string note)
{
    {
        const std::lock_guard lock(mutex_);
        notes_[id] = std::move(note);
        pending_ = true;
    }
    wake_.notify_one();
}

bool TapeWriter::Flush()
{
    std::unique_lock lock(mutex_);
    ++flushing_;
    // One whole attempt begun after this call: a file that stays busy must
    // not hold the caller (the program's end) for ever.
    const unsigned long enough = attempts_ + (writing_ ? 2 : 1);
    wake_.notify_one();
    idle_.wait(lock, [&] { return (!pending_ && !writing_) || attempts_ >= enough; });
    --flushing_;
    return !pending_ && !writing_;
}

KeeperStatus TapeWriter::Status() const
{
    const std::lock_guard lock(mutex_);
    return status_;
}

void TapeWriter::SetObserver(std::function<void()> observer)
{
    const std::lock_guard lock(mutex_);
    observer_ = std::move(observer);
}

void TapeWriter::Requeue(std::size_t from, std::vector<TapeLine> lines)
{
    if (!haveLines_ || from_ >= from + lines.size()) {
        if (haveLines_)
            lines.insert(lines.end(), std::make_move_iterator(lines_.begin()), std::make_move_iterator(lines_.end()));
    } else if (from_ > from) {
        lines.resize(from_ - from);
        lines.insert(lines.end(), std::make_move_iterator(lines_.begin()), std::make_move_iterator(lines_.end()));
    } else {
        return;  // what came since rewrites all of them
    }
    from_ = from;
    lines_ = std::move(lines);
    haveLines_ = true;
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
        std::map<std::int64_t, std::u16string> notes = std::exchange(notes_, {});
        pending_ = false;
        writing_ = true;
        lock.unlock();
        // Lines written before a clearing that failed would be erased by it
        // later: they wait for it.
        const bool cleared = !clear || store_->ClearAll();
        const bool written = cleared && (!haveLines || store_->Write(from, lines));
        const bool stateSaved = !state || store_->SaveState(*state);
        // (After a clearing that failed, the lines noted may be gone: they wait.)
        bool noted = cleared;
        for (auto note = notes.begin(); cleared && note != notes.end();)
            note = store_->SetNote(note->first, note->second) ? notes.erase(note) : (noted = false, std::next(note));
        const bool failed = !cleared || !written || !stateSaved || !noted;
        const Message failure = failed ? store_->Failure() : Message();
        lock.lock();
        if (state && stateSaved)
            savedState_ = *state;
        else if (state && !state_)
            state_ = state;  // tried again, unless a newer one came
        if (!cleared)
            clear_ = true;
        notes_.merge(notes);  // tried again, unless a newer note came for the line
        if (!written && haveLines)
            Requeue(from, std::move(lines));
        if (failed)
            pending_ = true;
        const KeeperStatus status{failed ? ABACOR_SAY("TapeKeeping", u"テープを残せていません：%1。").With(failure)
                                         : Message(),
                                  clear_, store_->ClearedElsewhere()};
        const bool told = status != status_;
        status_ = status;
        // Told before the attempt counts as done: a Flush returns to a
        // caller that has heard.
        if (const std::function<void()> observer = told ? observer_ : nullptr) {
            lock.unlock();
            observer();
            lock.lock();
        }
        writing_ = false;
        ++attempts_;
        idle_.notify_all();
        if (failed && !stop_) {
            // Tried again a little later: another program may let go of it.
            wake_.wait_for(lock, std::chrono::milliseconds(500), [this] { return stop_; });
        } else if (failed) {
            return;  // the program ends: nothing more can be done
        }
    }
}

}  // namespace abacor
