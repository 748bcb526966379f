// libFuzzer target: the session with its tape kept in SQLite (in memory or
// in a file): keys, pastes, corrections, 検算, clearing. After every input
// the file holds exactly the run's lines and passes integrity_check; after
// every step a twin session without a keeper shows the same, and the tape's
// steps are numbered 1, 2, … in the current segment.
#include <fuzzer/FuzzedDataProvider.h>

#include <sqlite3.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "calculator/tape/CalculatorSession.h"
#include "calculator/tape/TapeStore.h"
#include "text/Utf.h"

namespace {

constexpr std::array<std::string_view, 37> kTokens{
    "0",  "1",  "2",   "3",  "4",    "5",      "6",    "7",   "8",     "9",    ".",     "00", "+",
    "-",  "*",  "/",   "=",  "+/-",  "CE",     "C",    "CA",  "%",     "sq",   "tax+",  "M+", "M-",
    "MR", "MC", "ANS", "GT", "rate", "taxsum", "cost", "avg", "check", "drop", "nonadd"};

constexpr std::array<std::string_view, 8> kPastes{"1,980", "¥-500",    "(1,234)", "12%",
                                                  "0.5",   "1'234.50", "12 34",   "1980\t2"};

[[noreturn]] void Fail(const std::string& what, const std::string& keys)
{
    std::fprintf(stderr, "tape fuzzer: %s\nkeys: %s\n", what.c_str(), keys.c_str());
    std::abort();
}

// The same lines, however and whenever each was kept.
bool SameLines(const std::vector<abacor::TapeLine>& a, const std::vector<abacor::TapeLine>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.step == y.step && x.number == y.number && x.mark == y.mark && x.was == y.was;
    });
}

std::string IntegrityOf(const std::filesystem::path& path)
{
    sqlite3* db = nullptr;
    std::string result = "unopened";
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* check = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr) == SQLITE_OK &&
            sqlite3_step(check) == SQLITE_ROW)
            result = reinterpret_cast<const char*>(sqlite3_column_text(check, 0));
        sqlite3_finalize(check);
    }
    sqlite3_close_v2(db);
    return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    static const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("abacor-fuzz-tape-" + std::to_string(getpid()) + ".db");
    const bool onDisk = input.ConsumeBool();
    for (const char* suffix : {"", "-wal", "-shm"})
        std::filesystem::remove(file.string() + suffix);

    abacor::CalculatorSettings settings = abacor::DefaultSettings();
    settings.KeepStateFlg = input.ConsumeBool() ? 1 : 0;
    settings.GrandTotalFlg = settings.TaxSumFlg = input.ConsumeBool() ? 1 : 0;
    settings.ConstantMode = input.ConsumeIntegralInRange(0, 2);
    settings.ItemCountFlg = input.ConsumeIntegralInRange(0, 2);
    std::string keys;
    {
        abacor::CalculatorSession session(settings);
        abacor::CalculatorSession twin(settings);
        abacor::TapeStore::Opened opened = abacor::TapeStore::Open(onDisk ? file : ":memory:");
        if (!opened.store)
            Fail("no store: " + abacor::Utf8(abacor::Composed(opened.problem)), keys);
        session.Keep(std::make_unique<abacor::TapeWriter>(std::move(opened.store)), {});
        while (input.remaining_bytes() > 0) {
            std::string token;
            switch (input.ConsumeIntegralInRange(0, 15)) {
            case 0: token = "paste:" + std::string(kPastes[input.ConsumeIntegralInRange<std::size_t>(0, 7)]); break;
            case 1: token = "paste:" + input.ConsumeRandomLengthString(16); break;
            case 2:
                token = "correct:" + std::to_string(input.ConsumeIntegralInRange(0, 12)) + "=" +
                        std::to_string(input.ConsumeIntegralInRange(-9999, 99999));
                break;
            case 3:
                if (input.ConsumeBool()) {
                    keys += "(clear) ";
                    session.ClearTape();
                    twin.ClearTape();
                } else if (!session.Flush()) {
                    Fail("a write failed: " + abacor::Utf8(abacor::Composed(session.KeepProblem())), keys);
                }
                continue;
            default: token = kTokens[input.ConsumeIntegralInRange<std::size_t>(0, kTokens.size() - 1)];
            }
            keys += token + ' ';
            if (session.Apply(token).outcome != twin.Apply(token).outcome)
                Fail("the keeper changed what a token did", keys);
            if (!SameLines(session.tape().Lines(), twin.tape().Lines()) ||
                session.state().displayText != twin.state().displayText)
                Fail("the keeper changed the tape or the display", keys);
            int step = 0;
            for (const abacor::TapeLine& line : session.tape().Lines())
                if (line.step > 0 && line.segment == session.tape().Segment() && line.step != ++step)
                    Fail("steps not numbered 1, 2, … in the segment", keys);
        }
        if (!session.Flush() || session.KeepingFails())
            Fail("the tape was not kept: " + abacor::Utf8(abacor::Composed(session.KeepProblem())), keys);
        if (onDisk) {
            if (const std::string integrity = IntegrityOf(file); integrity != "ok")
                Fail("integrity_check: " + integrity, keys);
            std::vector<abacor::TapeLine> kept = abacor::TapeStore::Open(file).store->History();
            if (!kept.empty())
                kept.pop_back();  // the mark where the opening run begins
            if (!SameLines(kept, session.tape().Lines()))
                Fail("the file holds other lines than the run's", keys);
        }
    }
    for (const char* suffix : {"", "-wal", "-shm"})
        std::filesystem::remove(file.string() + suffix);
    return 0;
}
