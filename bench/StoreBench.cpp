// Loading the settings from healthy and from broken stores.
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

#include "settings/SettingsStore.h"

namespace {

struct Store {
    Store()
    {
        qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
        QDir().mkpath(dir.path() + QStringLiteral("/Korvel"));
    }
    QString File() const { return dir.path() + QStringLiteral("/Korvel/Abacor.conf"); }
    QTemporaryDir dir;
};

void BM_LoadSaved(benchmark::State& state)
{
    Store store;
    if (!abacor::SaveSettings(abacor::DefaultSettings())) {
        state.SkipWithError("the settings could not be saved");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(abacor::LoadSettings());
}
BENCHMARK(BM_LoadSaved)->Unit(benchmark::kMicrosecond);

void BM_LoadTenMegabytesOfGarbage(benchmark::State& state)
{
    Store store;
    QByteArray garbage(10 * 1024 * 1024, '\0');
    std::uint32_t x = 1;
    for (char& byte : garbage)
        byte = static_cast<char>((x = x * 1103515245u + 12345u) >> 24);
    QFile file(store.File());
    file.open(QIODevice::WriteOnly);
    file.write(garbage);
    file.close();
    for (auto _ : state)
        benchmark::DoNotOptimize(abacor::LoadSettings());
}
BENCHMARK(BM_LoadTenMegabytesOfGarbage)->Unit(benchmark::kMillisecond);

void BM_LoadDirectoryOrSymlinkLoop(benchmark::State& state)
{
    Store store;
    if (state.range(0) == 0)
        QDir().mkpath(store.File());
    else
        symlink(QFile::encodeName(store.File()).constData(), QFile::encodeName(store.File()).constData());
    for (auto _ : state)
        benchmark::DoNotOptimize(abacor::LoadSettings());
    state.SetLabel(state.range(0) == 0 ? "directory" : "symlink loop");
}
BENCHMARK(BM_LoadDirectoryOrSymlinkLoop)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
