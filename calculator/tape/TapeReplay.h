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

// The same in parts, for a front end that shows how far it is and may stop
// it. The lines live as long as it does.
class LineReplay {
public:
    LineReplay(TapeSession& tape, const std::vector<TapeLine>& lines);
    // Up to count more of the lines; true when every line is replayed.
    bool Continue(std::size_t count);
    // How many of the lines are replayed.
    std::size_t Done() const { return next_; }
    // The lines that differ so far; with every line replayed, also one the
    // replay wrote beyond them.
    ReplayOutcome Outcome() const;

private:
    TapeSession& tape_;
    const std::vector<TapeLine>& lines_;
    std::size_t next_ = 0;
    std::size_t at_;  // the tape's line the next line is compared with
    const Command* last_ = nullptr;
    ReplayOutcome outcome_;
};

}  // namespace abacor
