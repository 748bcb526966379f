#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/tape/TapeSession.h"
#include "settings/CalculatorSettings.h"
#include "text/Message.h"

namespace abacor {

// A tape saved under a name (NAME.abacor-tape): UTF-8 CSV with a byte-order
// mark and CRLF line ends; the first line names the format and its version
// ("abacor-tape,1"), the second gives the settings that change results
// and what the calculation began with ("設定,TaxPercent=1000,…,ActiveRate=1,
// Memory=5"), then the CSV that the export writes.
inline constexpr std::string_view kTapeFileFormat = "abacor-tape";
inline constexpr int kTapeFileVersion = 1;
inline constexpr std::u16string_view kTapeFileSuffix = u".abacor-tape";
// Far beyond any tape kept (100 000 lines), far below what would hurt.
inline constexpr std::uintmax_t kMaxTapeFileBytes = 64u << 20;
inline constexpr std::size_t kMaxTapeFileLine = 64u << 10;
// The lines of a tape a file may hold: twice what the kept tape keeps, so
// that an export of a full tape with a long run beside it opens too.
inline constexpr std::size_t kMaxTapeFileLines = 200000;

std::string TapeFileText(const std::vector<TapeLine>& lines, const CalculatorSettings& settings, KeptState start);

struct TapeFile {
    CalculatorSettings settings{};  // the base's, with the file's own in place
    KeptState start;                // the rate, memory, GT… as the calculation began
    bool startGiven = false;        // false: a file of an older Abacor, which has none
    std::vector<TapeLine> lines;
    std::vector<int> fileLines;  // each line's line number in the file
    int errorLine = 0;           // 0: the file as a whole
    Message error;               // why it was refused; empty when read

    bool Read() const { return error.empty(); }
    // The refusal as the user is told it, with the line.
    Message Refusal() const;
};

// A saved tape, or a CSV the export wrote (the base's settings then).
// Anything else, or anything malformed, is refused with its line and why.
// going, where given, hears now and then how many of the bytes are read,
// and stops the reading by answering false.
using ParseProgress = std::function<bool(std::size_t read, std::size_t size)>;
TapeFile ParseTapeFile(std::string_view bytes, const CalculatorSettings& base, const ParseProgress& going = {});
// Why a file gave no bytes to parse; the reading (never blocking, never
// beyond kMaxTapeFileBytes) is the front end's, through the platform.
enum class UnreadTapeFile { Missing, NotRegular, TooBig, Unreadable };
// The refusal of a file that could not be read, said as any other.
TapeFile UnreadTapeFileOf(UnreadTapeFile why, const CalculatorSettings& base);

}  // namespace abacor
