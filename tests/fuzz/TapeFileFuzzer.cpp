// libFuzzer target: a tape file from anywhere (a mail, a hand edit, a broken
// disk). It is refused with a line and a reason, or read and keyed again;
// keying the same file twice gives the same lines and the same differences.
// The input's size picks how the file arrives: from memory; from a disk
// file through the platform's reader, as the front ends read it; with the
// user stopping the read after a few looks; or keyed again in parts.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <unistd.h>

#include "calculator/tape/CalculatorSession.h"
#include "calculator/tape/TapeFile.h"
#include "platform/store/StateFile.h"

namespace {

using namespace abacor;

// The same file, however it was read.
bool Same(const TapeFile& a, const TapeFile& b)
{
    return a.error == b.error && a.errorLine == b.errorLine && a.lines == b.lines && a.fileLines == b.fileLines;
}

TapeFile ThroughTheDisk(std::string_view bytes)
{
    static const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("abacor-fuzz-" + std::to_string(::getpid()) + ".abacor-tape");
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    const FileBytes read = ReadUserFile(path, kMaxTapeFileBytes);
    std::filesystem::remove(path);
    if (read.status != FileRead::Read)
        std::abort();
    return ParseTapeFile(read.bytes, DefaultSettings());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const TapeFile file = ParseTapeFile(bytes, DefaultSettings());
    const unsigned knob = size > 0 ? data[size - 1] : 0;
    switch (size % 4) {
    case 1:
        if (!Same(ThroughTheDisk(bytes), file))
            std::abort();
        break;
    case 2: {
        unsigned looks = knob % 5;
        const TapeFile stopped =
            ParseTapeFile(bytes, DefaultSettings(), [&looks](std::size_t, std::size_t) { return looks-- > 0; });
        if (!Same(stopped, file) && (stopped.Read() || !stopped.lines.empty()))
            std::abort();
        break;
    }
    default: break;
    }
    if (!file.Read()) {
        if (file.error.empty() || !file.lines.empty())
            std::abort();
        return 0;
    }
    if (file.lines.size() != file.fileLines.size())
        std::abort();
    CalculatorSession first(DefaultSettings()), second(DefaultSettings());
    const std::vector<int> whole = first.Open(file);
    std::vector<int> parts;
    if (size % 4 == 3) {
        second.BeginOpen(file);
        while (!second.ContinueOpen(knob % 7 + 1)) {
        }
        parts = second.EndOpen();
    } else {
        parts = second.Open(file);
    }
    if (whole != parts || first.tape().Lines() != second.tape().Lines() || first.settings() != DefaultSettings())
        std::abort();
    return 0;
}
