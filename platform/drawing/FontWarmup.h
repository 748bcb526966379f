#pragma once

#include <thread>

namespace abacor {

// Reads the system's font configuration on a thread of its own while the
// application connects to the display: the first font the window measures
// would otherwise wait for it on the GUI thread. Made before the application
// object, ended (joined) before the first font is made. Where the platform
// has no font configuration to read, it does nothing.
class FontWarmup {
public:
    FontWarmup();
    ~FontWarmup();
    FontWarmup(const FontWarmup&) = delete;
    FontWarmup& operator=(const FontWarmup&) = delete;

    // Waits for the reading; again costs nothing.
    void Finish();

private:
    std::thread reader_;
};

}  // namespace abacor
