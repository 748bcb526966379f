// The kept tape at its fullest (100 000 lines): appending a step to the
// database, opening the tape window on it; a tape file of 10 000 lines opened.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

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
