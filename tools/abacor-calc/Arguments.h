#pragma once

#include <string>
#include <vector>

namespace abacor {

// The program's arguments in UTF-8, whatever the system's code page: on
// Windows from the wide command line (argv holds the ANSI code page's
// approximation there), elsewhere argv as it is.
std::vector<std::string> Utf8Arguments(int argc, char* argv[]);

}  // namespace abacor
