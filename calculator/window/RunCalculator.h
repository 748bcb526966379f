#pragma once

namespace abacor {

// The calculator program: loads the settings, runs the window until it
// closes, keeps nothing.
int RunCalculator(int argc, char* argv[]);

}  // namespace abacor
