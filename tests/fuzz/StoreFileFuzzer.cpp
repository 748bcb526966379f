// libFuzzer target: any bytes as the store's file. The load must give every
// value, each one the file names or its default, and a save that reports
// success must load back exactly what it saved.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "settings/SettingsStore.h"

namespace {

std::string StoreFolder()
{
    // A memory-backed folder where there is one: the target saves on every run.
    static const std::string folder = [] {
        const std::string base = std::filesystem::is_directory("/dev/shm")
                                     ? std::string("/dev/shm")
                                     : std::filesystem::temp_directory_path().string();
        const std::string config = base + "/abacor-fuzz-store-" + std::to_string(::getpid());
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        std::filesystem::create_directories(config + "/Korvel");
        return config + "/Korvel";
    }();
    return folder;
}

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "store invariant broken: %s\n", what);
    std::abort();
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    {
        std::ofstream file(StoreFolder() + "/Abacor.conf", std::ios::binary | std::ios::trunc);
        if (!file.write(bytes.data(), static_cast<std::streamsize>(bytes.size())))
            Fail("cannot write the store file");
    }
    const abacor::CalculatorSettings loaded = abacor::LoadSettings();
    const abacor::CalculatorSettings defaults = abacor::DefaultSettings();
    const std::string lower = Lower(bytes);
    for (const abacor::SettingDescriptor& entry : abacor::kSettingsTable)
        if (loaded.*entry.field != defaults.*entry.field &&
            lower.find(Lower(std::string(entry.name))) == std::string::npos)
            Fail("a value the file does not name is not its default");
    abacor::CalculatorSettings changed = loaded;
    changed.TaxPercent += 1;
    changed.CommaFormatFlg ^= 1;
    if (abacor::SaveSettings(changed) && !(abacor::LoadSettings() == changed))
        Fail("a save reported success but does not load back");
    return 0;
}
