// Helper of the store tests: loads the settings N times and prints each
// record read as one line of its 30 values.
#include <cstdio>
#include <cstdlib>

#include "settings/SettingsStore.h"

int main(int argc, char* argv[])
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 1;
    for (int round = 0; round < rounds; ++round) {
        const abacor::CalculatorSettings settings = abacor::LoadSettings();
        for (const abacor::SettingDescriptor& entry : abacor::kSettingsTable)
            std::printf("%u ", settings.*entry.field);
        std::printf("\n");
    }
    return 0;
}
