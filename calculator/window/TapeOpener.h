#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "calculator/tape/CalculatorSession.h"

class QWidget;

namespace abacor {

// 開く… without freezing the windows: the file read and checked on a thread
// of its own, then keyed again a part at a time; a progress dialog, shown
// when it takes a moment, says how far and stops it.
struct OpenedTape {
    bool read = false;           // false: refused, refusal says why, or stopped while read
    bool stopped = false;        // the user stopped it
    Message refusal;             // the file's refusal, with its line
    std::vector<int> differing;  // the file's lines whose results differ
};
OpenedTape OpenTapeFile(CalculatorSession& session, const std::filesystem::path& path, QWidget* parent);

}  // namespace abacor
