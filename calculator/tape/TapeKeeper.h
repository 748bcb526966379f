#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "calculator/core/CalculatorState.h"
#include "calculator/tape/TapeSession.h"

namespace abacor {

// Where a session keeps its tape and the calculator's state beyond the run
// (the SQLite store's writer); a session without one keeps them in memory.
// Submissions return at once; the keeper writes behind the keys.
class TapeKeeper {
public:
    virtual ~TapeKeeper() = default;

    // The lines of the earlier runs, oldest first.
    virtual std::vector<TapeLine> History() const = 0;
    // The state kept by an earlier run, if any.
    virtual std::optional<KeptState> LoadState() const = 0;
    // This run's lines from place from on are these.
    virtual void Submit(std::size_t from, std::vector<TapeLine> lines) = 0;
    virtual void SubmitState(const KeptState& state) = 0;
    // テープ消去: every line of every run.
    virtual void ClearAll() = 0;
    // Waits until everything submitted is written.
    virtual void Flush() = 0;
};

}  // namespace abacor
