// libFuzzer target: a tape file from anywhere (a mail, a hand edit, a broken
// disk). It is refused with a line and a reason, or read and keyed again;
// keying the same file twice gives the same lines and the same differences.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "calculator/tape/CalculatorSession.h"
#include "calculator/tape/TapeFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace abacor;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const TapeFile file = ParseTapeFile(bytes, DefaultSettings());
    if (!file.Read()) {
        if (file.error.empty() || !file.lines.empty())
            std::abort();
        return 0;
    }
    if (file.lines.size() != file.fileLines.size())
        std::abort();
    CalculatorSession first(DefaultSettings()), second(DefaultSettings());
    if (first.Open(file) != second.Open(file) || first.tape().Lines() != second.tape().Lines() ||
        first.settings() != DefaultSettings())
        std::abort();
    return 0;
}
