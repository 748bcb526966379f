// Helper of the store tests: loads the settings N times and prints each
// record read as one line of its values; with "save", saves the defaults
// once and ends with status 3 when the save reports failure.
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "settings/SettingsStore.h"

int main(int argc, char* argv[])
{
    if (argc > 1 && std::string_view(argv[1]) == "save")
        return abacor::SaveSettings(abacor::DefaultSettings()) ? 0 : 3;
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 1;
    for (int round = 0; round < rounds; ++round) {
        const abacor::CalculatorSettings settings = abacor::LoadSettings();
        for (const abacor::SettingDescriptor& entry : abacor::kSettingsTable)
            std::printf("%u ", settings.*entry.field);
        std::printf("\n");
    }
    return 0;
}
