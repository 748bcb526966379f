#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/core/Calculator.h"
#include "calculator/core/CommandTable.h"
#include "calculator/tape/TapeFile.h"
#include "calculator/tape/TapeKeeper.h"
#include "calculator/tape/TapeSession.h"
#include "settings/CalculatorSettings.h"

namespace abacor {

enum class TokenOutcome {
    Applied,
    Unknown,  // not a token of the key language, or a malformed one
    Refused,  // a well-formed correction the tape refused
};

struct TokenResult {
    TokenResult() = default;
    TokenResult(TokenOutcome outcome, std::string message, Message reason = {})
        : outcome(outcome), message(std::move(message)), reason(std::move(reason))
    {
    }
    TokenOutcome outcome = TokenOutcome::Applied;
    std::string message;  // why, for a refused or unknown token
    Message reason;       // and the user's words for it, after the message, where there are
};

// The first bytes of a token as a message shows it, control and invalid
// bytes escaped.
std::string QuotedToken(std::string_view token);

// What every front end drives, the window, abacor-calc and abacor-render
// alike: the calculator with the settings it reads, its tape, and the policy
// of what is kept beyond the run (TapeKeepFlg, KeepStateFlg). Every command
// goes through the tape; the keeper is told of each change.
class CalculatorSession {
public:
    // As a program starts: the calculator reset, the tape empty.
    explicit CalculatorSession(const CalculatorSettings& settings, RepaintSink* sink = nullptr);
    // Whatever is pending is written.
    ~CalculatorSession();
    CalculatorSession(const CalculatorSession&) = delete;
    CalculatorSession& operator=(const CalculatorSession&) = delete;

    const CalculatorState& state() const { return calculator_.state(); }
    const Calculator& calculator() const { return calculator_; }
    // Read at each key: a change takes effect with the next one.
    CalculatorSettings& settings() { return settings_; }
    const CalculatorSettings& settings() const { return settings_; }
    const TapeSession& tape() const { return tape_; }

    // A command, however it was given. 検算 is carried out here; ForWindow
    // for what only a window can do (and the clear menu to show).
    CommandOutcome Run(const Command& command);
    CommandOutcome RunKey(KeyId key) { return Run(CommandOfKey(key)); }
    // A menu command by its id; Unknown for none.
    CommandOutcome RunMenuCommand(int id);
    // A pasted number; false, with nothing changed, for a text that is none.
    bool Paste(std::u16string_view text);
    // 検算 armed; false while a number is typed or before any calculation.
    bool Check();
    CorrectionOutcome Correct(int step, std::string_view number);
    // テープ消去: this run's lines and, where the tape is kept, every run's.
    void ClearTape();
    // 新しいテープ: the calculation cleared (C) and a new one begun on the
    // tape; memory, GT and the invoice totals are the user's, and stay.
    void NewCalculation();
    // A note on a line of this run (a place in tape().Lines()): why it was
    // refused, as the user is told it; empty when it is on the line.
    Message SetNote(std::size_t line, const std::u16string& note);
    // The same on an earlier run's line, as History() gave it.
    Message SetNote(const TapeLine& earlier, const std::u16string& note);
    // A saved tape opened: a new calculation, its lines keyed again with
    // the file's settings (the user's own again after it), its notes on
    // them; the file's line numbers whose results differ, a line on the
    // tape saying which.
    std::vector<int> Open(const TapeFile& file);
    // The same in parts, so that a front end can show how far it is and let
    // the user stop it: BeginOpen, ContinueOpen (up to so many of the
    // file's lines) until it answers true, EndOpen. Stopped early, the
    // lines keyed so far stay, with a line saying where it stopped. The file
    // lives until EndOpen; a settings record followed meanwhile waits.
    void BeginOpen(const TapeFile& file);
    bool ContinueOpen(std::size_t lines);
    std::size_t OpenedLines() const;
    std::vector<int> EndOpen();
    // The lines as a tape file with the switches and the rate the current
    // calculation began with, so that it is keyed again to the same results.
    std::string SaveText(const std::vector<TapeLine>& lines) const;
    // A switch of the calculator's face to its next position, or a rate
    // set from the number shown: from the next key, on the tape.
    void SetSwitch(const DeskSwitch& desk, std::uint32_t value);
    // The record as another program saved it: a switch it changed is set as
    // the calculator's own are (on the tape), the rest taken as it is.
    // True when anything differs.
    bool FollowRecord(const CalculatorSettings& stored);
    // The current calculation's lines: the segment's, or a resumed one's.
    std::vector<TapeLine> CalculationLines() const;

    // One token of the key language (UTF-8): a command's token or caption,
    // "#N" (command id N), "set:Name=Value", "load", "check", "newtape",
    // "correct:K=N", "note:K=TEXT" (step K; "_" a space).
    TokenResult Apply(std::string_view token);

    // The lit annunciators, the check's word ("検算", "OK", "NG2") last.
    std::vector<std::u16string> Annunciators(bool withSelector) const;

    // Whether anything is to be kept beyond the run: the keeper is opened
    // only then.
    bool WantsKeeper() const;
    // The tape kept from now on (null: it could not be opened, problem
    // says why). A session nothing was keyed into yet starts from the kept
    // state; true when it did.
    bool Keep(std::unique_ptr<TapeKeeper> keeper, Message problem);
    // The keeper is being opened elsewhere: until Keep, what a kept state
    // would change (memory, GT, the rate) is not known yet.
    void AwaitKeeper(bool awaiting = true) { awaitingKeeper_ = awaiting && WantsKeeper(); }
    bool KeptStateKnown() const { return !awaitingKeeper_ || !FlagOn(settings_.KeepStateFlg); }
    // Why the tape is not kept beyond the run now, or what happened to its file.
    Message KeepProblem() const;
    // Meant to be kept, but not being kept now ("テープ×").
    bool KeepingFails() const;
    // テープ消去 not yet done in the file.
    bool ClearPending() const;
    // How often another calculator cleared the kept tape since this one kept it.
    long long ClearedElsewhere() const;
    // The earlier runs' lines, where the tape is kept.
    std::vector<TapeLine> History() const;
    // Everything kept is written now, or tried once more; true when written.
    bool Flush();

private:
    // After every change: the keeper told, the check's word repainted.
    void Changed();

    CalculatorSettings settings_;
    Calculator calculator_;
    TapeSession tape_;
    RepaintSink* sink_;
    std::unique_ptr<TapeKeeper> keeper_;
    struct Opening;
    std::unique_ptr<Opening> opening_;  // a file being opened
    Message problem_;
    bool keepTried_ = false;
    bool awaitingKeeper_ = false;
    std::u16string shownCheck_;      // the check's word as the display last showed it
    std::vector<TapeLine> resumed_;  // the earlier run's calculation, its lines in the history
};

}  // namespace abacor
