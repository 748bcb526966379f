#include "calculator/tape/LocalTime.h"

namespace abacor {

std::string FormatLocalTime(std::time_t seconds, const char* format)
{
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    char text[64];
    return std::string(text, std::strftime(text, sizeof text, format, &local));
}

}  // namespace abacor
