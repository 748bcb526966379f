#pragma once

#include <ctime>
#include <string>

namespace abacor {

// A moment as the user's clock shows it, in strftime's format; the C
// library's localtime is not safe to call from the tape's writer thread.
std::string FormatLocalTime(std::time_t seconds, const char* format);

}  // namespace abacor
