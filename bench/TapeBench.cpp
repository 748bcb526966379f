// The kept tape at its fullest (100 000 lines): appending a step to the
// database, opening the tape window on it; a tape file of 10 000 lines opened.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <sys/resource.h>

#include "calculator/engine/NumberText.h"
#include "calculator/tape/TapeFile.h"
#include "calculator/tape/TapeStore.h"
#include "calculator/window/CalculatorWindow.h"
#include "calculator/window/TapeWindow.h"

namespace {

using namespace abacor;

TapeLine Step(int n) { return {n, 1, Widened(std::to_string(n * 7)), u"＋", {}, 1700000000000 + n, {}}; }

// A database holding a full tape, written by an earlier run.
struct FullTape {
    FullTape()
    {
        std::vector<TapeLine> lines;
        for (int n = 1; n <= TapeStore::kKeptLines; ++n)
            lines.push_back(Step(n));
        TapeStore::Open(path).store->Write(0, lines);
    }
    QTemporaryDir folder;
    std::string path = folder.filePath(QStringLiteral("tape.db")).toStdString();
};

// The start of a run on a full tape: the file checked, a run begun (after
// the first frame, on the window's thread).
void BM_OpenAFullTape(benchmark::State& state)
{
    const FullTape full;
    for (auto _ : state)
        benchmark::DoNotOptimize(TapeStore::Open(full.path).store);
}
BENCHMARK(BM_OpenAFullTape)->Unit(benchmark::kMillisecond);

// One step's line, in a transaction of its own, the oldest line dropped.
void BM_AppendStepToAFullTape(benchmark::State& state)
{
    const FullTape full;
    TapeStore::Opened opened = TapeStore::Open(full.path);
    std::size_t at = 0;
    for (auto _ : state) {
        if (!opened.store->Write(at, {Step(static_cast<int>(at) + 1)})) {
            state.SkipWithError("the step could not be written");
            return;
        }
        ++at;
    }
}
BENCHMARK(BM_AppendStepToAFullTape)->Unit(benchmark::kMicrosecond);

// F3 on a full tape: the earlier runs read, the list laid out and painted.
void BM_OpenTapeWindowOnAFullTape(benchmark::State& state)
{
    const FullTape full;
    CalculatorWindow calculator(DefaultSettings(), {480, 640, 192});
    TapeStore::Opened opened = TapeStore::Open(full.path);
    for (auto _ : state) {
        TapeWindow window(calculator.session(), opened.store->History(), &calculator);
        window.show();
        window.repaint();
        benchmark::DoNotOptimize(window.model().rowCount());
    }
}
BENCHMARK(BM_OpenTapeWindowOnAFullTape)->Unit(benchmark::kMillisecond);

// 開く… on a tape file of 10 000 lines (2 000 items added to memory, with their
// notes): read, checked and keyed again, every result compared.
void BM_OpenAndReplayATapeFile(benchmark::State& state)
{
    CalculatorSession writer(DefaultSettings());
    for (int item = 1; item <= 2000; ++item) {
        for (const char* token : {"1", "2", "3", "*"})
            writer.Apply(token);
        writer.Apply(std::to_string(item % 9 + 1));
        writer.Apply("=");
        writer.Apply("M+");
        writer.SetNote(writer.tape().Lines().size() - 2, u"請求書 A-" + Widened(std::to_string(item)));
    }
    const std::string text = writer.SaveText(writer.tape().Lines());
    for (auto _ : state) {
        const TapeFile file = ParseTapeFile(text, DefaultSettings());
        CalculatorSession session(DefaultSettings());
        if (file.lines.size() != 10000 || !session.Open(file).empty()) {
            state.SkipWithError("the tape did not open as it was saved");
            return;
        }
    }
}
BENCHMARK(BM_OpenAndReplayATapeFile)->Unit(benchmark::kMillisecond);

// A saved tape of so many steps of 12.5 ＋, the last one ＝ where closed
// (a file whose results then differ: there is no total line).
std::string TapeFileOfLines(std::size_t lines, bool closed)
{
    std::string text = "\xEF\xBB\xBF" + std::string(kTapeFileFormat) + ",1\n";
    text += "設定,TaxPercent=1000,TaxPercent2=800,ActiveRate=1\n実行,計算,番号,数値,種別,訂正前,注記,日時\n";
    for (std::size_t n = 1; n <= lines; ++n)
        text += "1,1," + std::to_string(n) +
                (n < lines || !closed ? ",12.5,＋,,,2026-12-09 12:20:13\n" : ",12.5,＝,,,2026-12-09 12:20:13\n");
    return text;
}

// 開く… on the largest tape file that opens (kMaxTapeFileLines) and on one of
// a million lines, refused: the time, and the peak memory of the process
// after the first round.
void BM_OpenTapeFileOfLines(benchmark::State& state)
{
    const auto lines = static_cast<std::size_t>(state.range(0));
    const std::string text = TapeFileOfLines(lines, true);
    using Clock = std::chrono::steady_clock;
    Clock::duration reading{}, replaying{};
    long afterRead = 0;
    const auto peak = [] {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        return usage.ru_maxrss;
    };
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        const TapeFile file = ParseTapeFile(text, DefaultSettings());
        const Clock::time_point read = Clock::now();
        afterRead = std::max(afterRead, peak());
        CalculatorSession session(DefaultSettings());
        if (file.Read() != (lines <= kMaxTapeFileLines)) {
            state.SkipWithError("the file was not opened or refused as its size says");
            return;
        }
        if (file.Read())
            benchmark::DoNotOptimize(session.Open(file));
        reading += read - start;
        replaying += Clock::now() - read;
    }
    const auto ms = [&state](Clock::duration d) {
        return std::chrono::duration<double, std::milli>(d).count() / static_cast<double>(state.iterations());
    };
    state.counters["read_ms"] = ms(reading);
    state.counters["replay_ms"] = ms(replaying);
    state.counters["peak_read_MiB"] = static_cast<double>(afterRead) / 1024.0;
    state.counters["peak_MiB"] = static_cast<double>(peak()) / 1024.0;
    state.counters["file_MiB"] = static_cast<double>(text.size()) / (1 << 20);
}
BENCHMARK(BM_OpenTapeFileOfLines)->Arg(kMaxTapeFileLines)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The same in the window (開く… from the tape window, the calculator repainted
// as it is keyed): the largest file, and every frame painted after it.
void BM_OpenTapeFileInTheWindow(benchmark::State& state)
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("long.abacor-tape"));
    {
        // (Its results the same as keyed: no message box waits for an answer.)
        const std::string text = TapeFileOfLines(kMaxTapeFileLines, false);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), static_cast<qint64>(text.size())) < 0) {
            state.SkipWithError("the file could not be written");
            return;
        }
    }
    for (auto _ : state) {
        CalculatorWindow calculator(DefaultSettings(), {480, 640, 192});
        calculator.show();
        calculator.ToggleTape();
        if (!calculator.tapeWindow()->OpenFrom(path)) {
            state.SkipWithError("the file did not open");
            return;
        }
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_OpenTapeFileInTheWindow)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
