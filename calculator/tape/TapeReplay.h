#pragma once

#include <cstddef>
#include <vector>

#include "calculator/tape/TapeSession.h"

namespace abacor {

struct ReplayOutcome {
    // The given lines the replay did not write as they stand; lines.size()
    // when it wrote more than they have.
    std::vector<std::size_t> differing;
};

// A tape's lines keyed again: each line that the keys so far have not
// written is the trace of a key (a step: its number and its key; "*": ＝;
// "MR", "税率 8%"…: that key), which is pressed; every line is then compared
// with what the calculator wrote in its place. Results are never taken from
// the lines, only compared. Notes go on the lines written.
ReplayOutcome ReplayLines(TapeSession& tape, const std::vector<TapeLine>& lines);

}  // namespace abacor
