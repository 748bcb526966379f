#include "tools/abacor-calc/Arguments.h"

#ifdef _WIN32
#include <windows.h>

#include <shellapi.h>

#include "text/Utf.h"
#endif

namespace abacor {

std::vector<std::string> Utf8Arguments(int argc, char* argv[])
{
#ifdef _WIN32
    static_cast<void>(argc);
    static_cast<void>(argv);
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 0; wide != nullptr && i < count; ++i)
        arguments.push_back(Utf8(std::u16string_view(reinterpret_cast<const char16_t*>(wide[i]))));
    LocalFree(wide);
    // The console shows what is printed as UTF-8.
    SetConsoleOutputCP(CP_UTF8);
    return arguments;
#else
    return std::vector<std::string>(argv, argv + argc);
#endif
}

}  // namespace abacor
