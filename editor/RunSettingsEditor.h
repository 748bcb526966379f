#pragma once

namespace abacor {

// The settings editor program: runs the sheet until it closes.
class RunSettingsEditor {
public:
    int InitInstance(int argc, char* argv[]);
};

}  // namespace abacor
