#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "calculator/core/CalculatorState.h"
#include "calculator/tape/TapeSession.h"
#include "text/Message.h"

namespace abacor {

// How the keeping goes: what the user is to be told.
struct KeeperStatus {
    Message problem;                 // why the tape is not being kept now; empty while it is
    bool clearPending = false;       // テープ消去 not yet done in the file
    long long clearedElsewhere = 0;  // times another program cleared the file since

    bool operator==(const KeeperStatus&) const = default;
};

// Where a session keeps its tape and the calculator's state beyond the run
// (the SQLite store's writer); a session without one keeps them in memory.
// Submissions return at once; the keeper writes behind the keys.
class TapeKeeper {
public:
    virtual ~TapeKeeper() = default;

    // The lines of the earlier runs, oldest first.
    virtual std::vector<TapeLine> History() const = 0;
    // The last calculation of the run before this one (since its last CA),
    // oldest first; none when it ended with CA.
    virtual std::vector<TapeLine> LastCalculation() const { return {}; }
    // The state kept by an earlier run, if any.
    virtual std::optional<KeptState> LoadState() const = 0;
    // This run's lines from place from on are these.
    virtual void Submit(std::size_t from, std::vector<TapeLine> lines) = 0;
    virtual void SubmitState(const KeptState& state) = 0;
    // テープ消去: every line of every run.
    virtual void ClearAll() = 0;
    // A note on an earlier run's line (its id).
    virtual void SubmitNote(std::int64_t id, std::u16string note)
    {
        static_cast<void>(id);
        static_cast<void>(note);
    }
    // Waits until everything submitted is written, or one more attempt to
    // write it failed; true when it is written.
    virtual bool Flush() = 0;
    virtual KeeperStatus Status() const { return {}; }
    // Told (on the keeper's own thread) whenever the status changes.
    virtual void SetObserver(std::function<void()> observer) { static_cast<void>(observer); }
};

}  // namespace abacor
