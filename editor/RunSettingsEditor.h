#pragma once

namespace abacor {

// The settings editor program: runs the sheet until it closes.
int RunSettingsEditor(int argc, char* argv[]);

}  // namespace abacor
