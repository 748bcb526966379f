#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calculator/core/Calculator.h"
#include "calculator/core/CommandTable.h"
#include "calculator/core/DeskSwitches.h"

namespace abacor {

// One line of the tape, as a printing calculator's paper shows it.
struct TapeLine {
    int step = 0;           // the step's number; 0 for a line that is no step
    int segment = 0;        // steps show their number only in the current segment
    std::u16string number;  // as the display shows it, or empty ("C", "CA")
    std::u16string mark;    // the key's mark, or what the line is ("C", "ERROR")
    std::u16string was;     // a corrected step's earlier number
    std::int64_t time = 0;  // when its key was pressed, ms since the epoch (UTC)
    std::u16string note;    // the user's words beside it
    std::int64_t id = 0;    // an earlier run's line: its place in the kept tape

    // The same line, whenever it was keyed.
    bool operator==(const TapeLine& other) const
    {
        return step == other.step && segment == other.segment && number == other.number && mark == other.mark &&
               was == other.was && note == other.note;
    }
    // The line as text: the number, the mark, the step's number, the note.
    std::u16string Text(int currentSegment) const;
    // The same with the mark and the earlier number ("(訂正前 120)") as the
    // window shows them.
    std::u16string Text(int currentSegment, std::u16string_view shownMark, std::u16string_view shownWas) const;
};

// A typed number and the key that consumed it.
struct TapeStep {
    double value = 0.0;
    ValueKind kind = ValueKind::Number;
    const Command* key = nullptr;
    std::size_t from = 0;   // the commands of its number in the segment's log
    std::size_t to = 0;     // the consuming key's place in the log
    std::int64_t time = 0;  // when the consuming key was pressed
};

enum class CorrectionOutcome { Corrected, NoSuchStep, NotANumber };

// A number's keys as typed: digits, the point, then the sign.
std::vector<const Command*> NumberKeys(std::string_view plain);
// What a value as the tape writes it is: a time ("1:30:00"), a date
// ("2024.05.15", "05.15" with its month's leading zero; "11.20" reads as a
// number) or a number.
ValueKind KindOfShown(std::u16string_view shown);
// The keys that type a value the tape wrote; none for a text that is none.
// A date where one is known to stand ("11.20" after 〜) is read as one.
std::optional<std::vector<const Command*>> ShownValueKeys(std::u16string_view shown, bool dateExpected = false);

// The calculator with its tape: every command goes through Run, which keeps
// the commands of the current segment (since the start or the last "CA"), the
// steps and lines they made, and the 検算 of a finalised calculation. A step
// corrected re-runs the segment from its start with the new number typed in
// place of the old.
class TapeSession {
public:
    // settings: the record the calculator reads, which the switches set;
    // null for a replay aside, whose switch lines change nothing.
    explicit TapeSession(Calculator& calculator, CalculatorSettings* settings = nullptr);

    CommandOutcome Run(const Command& command);
    // A pasted number: no typed number, but part of the segment.
    bool Paste(std::u16string_view text);
    // テープ消去: no lines, and a new segment from the calculator as it is.
    void Clear();
    // As if made anew for the calculator as it is now (a kept state restored).
    void Restart();
    // 新しいテープ: the calculation from here is a new one, its steps
    // numbered from 1; the lines above stay.
    void NewSegment() { StartSegment(); }

    // Step (1-based, in the current segment) given a new number, read as a
    // paste reads it ("1,980", "¥-500"). Anything else, or no such step,
    // changes nothing.
    CorrectionOutcome Correct(int step, std::string_view number);
    // 検算: arms the check of the last finalised calculation; false (nothing
    // armed) while a number is typed or before any calculation was finalised.
    bool Check();
    // A step's earlier number (an opened file's "訂正前"), as if it had been
    // corrected here: kept through later corrections. False for a line that
    // is no step of the current segment.
    bool KeepEarlier(std::size_t line, std::u16string was);
    // A note on line (a place in Lines()); kept through corrections. False
    // for no such line.
    bool SetNote(std::size_t line, std::u16string note);
    // The line of step (1-based) in the current segment.
    std::optional<std::size_t> LineOfStep(int step) const;
    // The calculation of an earlier run, its lines kept there: its steps
    // can be corrected (and checked) until this run writes a line. A
    // correction re-runs it here from a calculator as it is now, after a
    // line that says so.
    void Resume(const std::vector<TapeLine>& lines);
    // A line of its own (a report), no key's.
    void Remark(std::u16string mark);
    // A switch of the calculator's face set, from the next key on: a line
    // of its own, and a place in the segment, so that a correction above it
    // re-runs with the switch as it was there.
    void SetSwitch(const DeskSwitch& desk, std::uint32_t value);
    // The segment begins from the calculator as it is now (an opened
    // file's starting rate); nothing keyed in it yet.
    void BeginSegmentHere() { start_ = calculator_; }
    // The kept totals (memory, GT…) taken late, as if the segment had
    // begun with them: a correction re-runs from them too.
    void RestoreStartTotals(const KeptState& kept) { start_.RestoreTotals(kept); }
    // The calculator the current segment began with, and the settings with
    // every switch set in it as it was before.
    const Calculator& SegmentStart() const { return start_; }
    CalculatorSettings SegmentStartSettings(CalculatorSettings now) const;
    // Resumed and not yet left: the earlier run's last lines are this segment's.
    bool Resumed() const { return resumed_; }

    const std::vector<TapeLine>& Lines() const { return lines_; }
    // Where the current segment's lines begin.
    std::size_t SegmentBegin() const { return segmentLines_; }
    // The first line changed since the last call (lines from there on are
    // new or rewritten); Lines().size() when none was.
    std::size_t TakeChangedFrom() { return std::exchange(changedFrom_, lines_.size()); }
    int Segment() const { return segment_; }
    // "検算" while armed, "NG2" from the first difference, "OK" / "NG…" at
    // the finalising key; out at the next key.
    const std::u16string& CheckAnnunciator() const { return checkWord_; }

private:
    struct Entry {
        const Command* command = nullptr;  // else a paste
        std::u16string paste;
        std::int64_t time = 0;
        std::uint64_t serial = 0;          // the same entry through corrections, for its notes
        const DeskSwitch* desk = nullptr;  // a switch set, to value, from before
        std::uint32_t value = 0;
        std::uint32_t before = 0;
    };

    // Runs the segment's command at index, then observes it.
    CommandOutcome Apply(std::size_t index);
    // What the command at index did, given the state before it.
    void Observe(std::size_t index, const CalculatorState& before);
    // The lines of what the command at index did that are no step.
    void WriteLines(std::size_t index, const CalculatorState& before, bool stepped);
    void AddStep(TapeStep step, const std::u16string& shown);
    // A line of the entry being applied, with the note it was given.
    void Push(TapeLine line);
    Entry NewEntry(const Command* command, std::u16string paste, std::int64_t time);
    void StartSegment();
    // This run's first entry: a resumed calculation is left as it is.
    void LeaveResumed();
    // Every entry, first: the check's last word goes out.
    void StartEntry();
    // A number typed with no operation under way: the calculation (and a
    // check's re-keying) begins with it.
    void BeginCalculation();
    // Writes its line "検算" when armed.
    bool ArmCheck(std::int64_t time);
    void CheckStep(std::size_t place);
    void FinishCheck();

    Calculator& calculator_;
    CalculatorSettings* settings_;
    Calculator start_;  // the calculator as the segment began
    std::vector<Entry> log_;
    std::vector<TapeStep> steps_;
    std::vector<TapeLine> lines_;
    std::size_t segmentLines_ = 0;  // where the current segment's lines begin
    std::size_t changedFrom_ = 0;
    int segment_ = 1;
    std::optional<std::size_t> typingFrom_;
    std::size_t calculationStart_ = 0;  // the first step of the calculation under way
    std::vector<TapeStep> lastCalculation_;
    std::vector<std::pair<int, std::u16string>> corrections_;  // step, earlier number
    std::uint64_t nextSerial_ = 1;
    std::uint64_t applying_ = 0;                                     // the serial of the entry being applied
    std::vector<std::uint64_t> origins_;                             // the serial that wrote each line of the segment
    std::map<std::pair<std::uint64_t, int>, std::u16string> notes_;  // serial, its nth line
    bool resumed_ = false;
    std::map<int, std::u16string> resumedNumbers_;  // a resumed step's number as its line shows it

    // 検算
    bool checking_ = false;
    std::vector<TapeStep> reference_;
    std::size_t checkFrom_ = 0;  // the re-keyed calculation's first step
    std::optional<std::size_t> firstDifference_;
    std::u16string checkWord_;
    KeptState beforeCheck_;
    bool checkWordGoes_ = false;  // "OK" / "NG…" go out at the next key
};

}  // namespace abacor
