// libFuzzer target: any bytes as the store's file. The load must give 30
// values, each one the file names or its default, and a save that reports
// success must load back exactly what it saved.
#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

#include "settings/SettingsStore.h"

namespace {

QString StoreFolder()
{
    // A memory-backed folder where there is one: the target saves on every run.
    static const QString folder = [] {
        const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
        const QString config = base + QStringLiteral("/abacor-fuzz-store-") + QString::number(::getpid());
        qputenv("XDG_CONFIG_HOME", config.toUtf8());
        QDir().mkpath(config + QStringLiteral("/Korvel"));
        return config + QStringLiteral("/Korvel");
    }();
    return folder;
}

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "store invariant broken: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = StoreFolder() + QStringLiteral("/Abacor.conf");
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            Fail("cannot write the store file");
    }
    const abacor::CalculatorSettings loaded = abacor::LoadSettings();
    const abacor::CalculatorSettings defaults = abacor::DefaultSettings();
    const QByteArray lower = bytes.toLower();
    for (const abacor::SettingDescriptor& entry : abacor::kSettingsTable) {
        const QByteArray name = QByteArray(entry.name.data(), qsizetype(entry.name.size())).toLower();
        if (loaded.*entry.field != defaults.*entry.field && !lower.contains(name))
            Fail("a value the file does not name is not its default");
    }
    abacor::CalculatorSettings changed = loaded;
    changed.TaxPercent += 1;
    changed.CommaFormatFlg ^= 1;
    if (abacor::SaveSettings(changed) && !(abacor::LoadSettings() == changed))
        Fail("a save reported success but does not load back");
    return 0;
}
