#include "calculator/tape/CalculatorSession.h"

#include <optional>
#include <string>
#include <utility>

#include "calculator/engine/Grouping.h"
#include "calculator/tape/TapeMarks.h"
#include "calculator/tape/TapeNotes.h"
#include "calculator/tape/TapeReplay.h"
#include "text/Translatable.h"
#include "text/Utf.h"

namespace abacor {

namespace {
Message TapeNotKept()
{
    return ABACOR_SAY("TapeKeeping", u"テープを終了後も残さない設定です。テープはこの実行の間だけ残ります。");
}
// Lit while the tape or the state meant to be kept is not.
constexpr char16_t kNotKeptAnnunciator[] = ABACOR_TRANSLATABLE("Annunciator", u"テープ×");
// Nothing of what is kept beyond a run has been given a value by this one.
bool KeepsNothingOfItsOwn(const KeptState& state)
{
    const KeptState none;
    return state.memory == none.memory && state.grandTotal == none.grandTotal && state.taxTotals == none.taxTotals &&
           state.profit == none.profit && state.secondRate == none.secondRate;
}
}  // namespace

struct CalculatorSession::Opening {
    Opening(TapeSession& tape, const TapeFile& file, const CalculatorSettings& own)
        : file(file), own(own), replay(tape, file.lines)
    {
    }
    const TapeFile& file;
    CalculatorSettings own;                    // the session's, back at the end
    std::optional<CalculatorSettings> record;  // a record saved meanwhile
    LineReplay replay;
};

CalculatorSession::CalculatorSession(const CalculatorSettings& settings, RepaintSink* sink)
    : settings_(settings), calculator_(settings_, sink),
      // The tape's segment begins with the calculator as a start leaves it.
      tape_((calculator_.ResetCalculator(false), calculator_), &settings_), sink_(sink)
{
    if (!FlagOn(settings_.TapeKeepFlg))
        problem_ = TapeNotKept();
}

CalculatorSession::~CalculatorSession() { Flush(); }

CommandOutcome CalculatorSession::Run(const Command& command)
{
    if (command.menuId == IdCheck) {
        static_cast<void>(Check());
        return CommandOutcome::Calculated;
    }
    if (const DeskSwitch* desk = SwitchOfMenuId(command.menuId)) {
        calculator_.StartKey();
        SetSwitch(*desk, NextPosition(*desk, settings_.*desk->field));
        return CommandOutcome::Switched;
    }
    if (command.menuId == IdSetRate) {
        // The rate in force becomes the number shown.
        calculator_.StartKey();
        const std::optional<std::uint32_t> rate =
            state().error ? std::nullopt : RateOfShown(StripGrouping(state().displayText));
        if (!rate) {
            calculator_.Refuse(Refusal::NotARate);
            return CommandOutcome::Calculated;
        }
        calculator_.EndEntry();
        SetSwitch(
            *SwitchOfField(state().secondRate ? &CalculatorSettings::TaxPercent2 : &CalculatorSettings::TaxPercent),
            *rate);
        return CommandOutcome::Switched;
    }
    // Copy, exit and the like are no keys of the calculator's: not on the tape.
    if (command.handler == nullptr)
        return CommandOutcome::ForWindow;
    const CommandOutcome outcome = tape_.Run(command);
    Changed();
    return outcome;
}

void CalculatorSession::SetSwitch(const DeskSwitch& desk, std::uint32_t value)
{
    tape_.SetSwitch(desk, value);
    Changed();
    if (sink_ != nullptr)
        sink_->Invalidate(DisplayRegion::DisplayBox);
}

bool CalculatorSession::FollowRecord(const CalculatorSettings& stored)
{
    // A file being opened keys under its own settings: the record's change
    // comes after it.
    if (opening_) {
        opening_->record = stored;
        return false;
    }
    if (stored == settings_)
        return false;
    // Everything but the switches as it is, then each switch set as a key sets it.
    CalculatorSettings rest = stored;
    for (const DeskSwitch& desk : kDeskSwitches)
        rest.*desk.field = settings_.*desk.field;
    settings_ = rest;
    for (const DeskSwitch& desk : kDeskSwitches)
        if (stored.*desk.field != settings_.*desk.field)
            SetSwitch(desk, stored.*desk.field);
    return true;
}

std::string CalculatorSession::SaveText(const std::vector<TapeLine>& lines) const
{
    return TapeFileText(lines, tape_.SegmentStartSettings(settings_), tape_.SegmentStart().Kept());
}

CommandOutcome CalculatorSession::RunMenuCommand(int id)
{
    const Command* command = CommandOfMenuId(id);
    return command != nullptr ? Run(*command) : CommandOutcome::Unknown;
}

bool CalculatorSession::Paste(std::u16string_view text)
{
    const bool pasted = tape_.Paste(text);
    if (pasted)
        Changed();
    return pasted;
}

bool CalculatorSession::Check()
{
    const bool armed = tape_.Check();
    Changed();
    return armed;
}

CorrectionOutcome CalculatorSession::Correct(int step, std::string_view number)
{
    const CorrectionOutcome outcome = tape_.Correct(step, number);
    if (outcome == CorrectionOutcome::Corrected)
        Changed();
    return outcome;
}

void CalculatorSession::NewCalculation()
{
    Run(CommandOfKey(KeyId::Clear));
    tape_.NewSegment();
    Changed();
}

void CalculatorSession::ClearTape()
{
    tape_.Clear();
    if (keeper_ && FlagOn(settings_.TapeKeepFlg))
        keeper_->ClearAll();
}

Message CalculatorSession::SetNote(std::size_t line, const std::u16string& note)
{
    if (Message why = NoteRefusal(std::u16string_view(note)); !why.empty())
        return why;
    if (!tape_.SetNote(line, note))
        return ABACOR_SAY("Note", u"この行には注記を書けません。");
    Changed();
    return {};
}

Message CalculatorSession::SetNote(const TapeLine& earlier, const std::u16string& note)
{
    if (Message why = NoteRefusal(std::u16string_view(note)); !why.empty())
        return why;
    if (!keeper_ || earlier.id == 0 || !FlagOn(settings_.TapeKeepFlg))
        return ABACOR_SAY("Note", u"この行には注記を書けません。");
    keeper_->SubmitNote(earlier.id, note);
    for (TapeLine& line : resumed_)
        if (line.id == earlier.id)
            line.note = note;
    return {};
}

std::vector<int> CalculatorSession::Open(const TapeFile& file)
{
    BeginOpen(file);
    ContinueOpen(file.lines.size());
    return EndOpen();
}

void CalculatorSession::BeginOpen(const TapeFile& file)
{
    // A new calculation, from a calculator as CA leaves it.
    if (!tape_.Lines().empty() || tape_.Resumed() || state().entryState == EntryState::Typing)
        Run(CommandOfKey(KeyId::AllClear));
    // From the rate, memory and totals the file's calculation began with,
    // whichever key came before (a first action too: never onto a kept
    // memory); a file of an older Abacor, which says none, from CA's state at
    // the rate in force.
    opening_ = std::make_unique<Opening>(tape_, file, settings_);
    settings_ = file.settings;
    KeptState start = file.start;
    if (!file.startGiven)
        start = KeptState{.secondRate = state().secondRate};
    calculator_.Restore(start);
    tape_.BeginSegmentHere();
}

bool CalculatorSession::ContinueOpen(std::size_t lines) { return !opening_ || opening_->replay.Continue(lines); }

std::size_t CalculatorSession::OpenedLines() const { return opening_ ? opening_->replay.Done() : 0; }

std::vector<int> CalculatorSession::EndOpen()
{
    if (!opening_)
        return {};
    const std::unique_ptr<Opening> opening = std::move(opening_);
    const TapeFile& file = opening->file;
    settings_ = opening->own;
    if (opening->record)
        FollowRecord(*opening->record);
    const auto fileLine = [&file](std::size_t line) {
        return line < file.fileLines.size() ? file.fileLines[line]
               : file.fileLines.empty()     ? 0
                                            : file.fileLines.back() + 1;
    };
    std::vector<int> differing;
    std::u16string where;
    for (const std::size_t line : opening->replay.Outcome().differing) {
        differing.push_back(fileLine(line));
        if (differing.size() <= 10)
            where += u" #" + Utf16(std::to_string(differing.back()));
    }
    if (differing.size() > 10)
        where += u" …";
    if (!differing.empty())
        tape_.Remark(std::u16string(MarkOf(LineKind::Differs)) + where);
    // Stopped: the tape says at which of the file's lines.
    if (const std::size_t done = opening->replay.Done(); done < file.lines.size())
        tape_.Remark(std::u16string(MarkOf(LineKind::Stopped)) + u" #" + Utf16(std::to_string(fileLine(done))));
    Changed();
    return differing;
}

std::vector<TapeLine> CalculatorSession::CalculationLines() const
{
    if (tape_.Resumed())
        return resumed_;
    const std::vector<TapeLine>& lines = tape_.Lines();
    return {lines.begin() + static_cast<std::ptrdiff_t>(tape_.SegmentBegin()), lines.end()};
}

void CalculatorSession::Changed()
{
    if (tape_.CheckAnnunciator() != shownCheck_) {
        shownCheck_ = tape_.CheckAnnunciator();
        if (sink_ != nullptr)
            sink_->Invalidate(DisplayRegion::DisplayBox);
    }
    if (!keeper_)
        return;
    if (FlagOn(settings_.TapeKeepFlg)) {
        const std::size_t from = tape_.TakeChangedFrom();
        const std::vector<TapeLine>& lines = tape_.Lines();
        if (from < lines.size())
            keeper_->Submit(from,
                            std::vector<TapeLine>(lines.begin() + static_cast<std::ptrdiff_t>(from), lines.end()));
    }
    if (FlagOn(settings_.KeepStateFlg))
        keeper_->SubmitState(calculator_.Kept());
}

std::vector<std::u16string> CalculatorSession::Annunciators(bool withSelector) const
{
    std::vector<std::u16string> lit = calculator_.Annunciators(withSelector);
    if (KeepingFails())
        lit.push_back(kNotKeptAnnunciator);
    if (!tape_.CheckAnnunciator().empty())
        lit.push_back(tape_.CheckAnnunciator());
    return lit;
}

bool CalculatorSession::WantsKeeper() const { return FlagOn(settings_.TapeKeepFlg) || FlagOn(settings_.KeepStateFlg); }

bool CalculatorSession::Keep(std::unique_ptr<TapeKeeper> keeper, Message problem)
{
    keepTried_ = true;
    awaitingKeeper_ = false;
    problem_ = !problem.empty() || FlagOn(settings_.TapeKeepFlg) ? std::move(problem) : TapeNotKept();
    keeper_ = std::move(keeper);
    if (!keeper_)
        return false;
    bool restored = false;
    // Only a calculator nothing was keyed into yet starts from a kept state.
    // Keyed into while the store was busy, but with nothing of its own to
    // keep yet (no memory, GT, total), it takes the kept totals: never the
    // run's zeros over what was kept.
    if (FlagOn(settings_.KeepStateFlg))
        if (const std::optional<KeptState> kept = keeper_->LoadState()) {
            if (tape_.Lines().empty()) {
                calculator_.Restore(*kept);
                tape_.Restart();
                restored = true;
            } else if (KeepsNothingOfItsOwn(calculator_.Kept())) {
                // The run's last answer is its own.
                KeptState merged = *kept;
                merged.lastAnswer = calculator_.Kept().lastAnswer;
                merged.lastAnswerText = calculator_.Kept().lastAnswerText;
                calculator_.RestoreTotals(merged);
                tape_.RestoreStartTotals(*kept);
                restored = true;
            }
        }
    // Yesterday's calculation can still be corrected today.
    if (FlagOn(settings_.TapeKeepFlg) && tape_.Lines().empty()) {
        resumed_ = keeper_->LastCalculation();
        tape_.Resume(resumed_);
    }
    Changed();
    return restored;
}

std::vector<TapeLine> CalculatorSession::History() const
{
    if (!keeper_ || !FlagOn(settings_.TapeKeepFlg))
        return {};
    std::vector<TapeLine> history = keeper_->History();
    // A resumed calculation's lines are the current segment's: their steps
    // show their numbers (above the separator of this run).
    if (tape_.Resumed() && history.size() > resumed_.size())
        for (std::size_t i = history.size() - 1 - resumed_.size(); i + 1 < history.size(); ++i)
            history[i].segment = tape_.Segment();
    return history;
}

bool CalculatorSession::Flush() { return !keeper_ || keeper_->Flush(); }

Message CalculatorSession::KeepProblem() const
{
    if (keeper_)
        if (Message failing = keeper_->Status().problem; !failing.empty())
            return failing;
    return problem_;
}

bool CalculatorSession::KeepingFails() const
{
    return keepTried_ && WantsKeeper() && (!keeper_ || !keeper_->Status().problem.empty());
}

bool CalculatorSession::ClearPending() const { return keeper_ && keeper_->Status().clearPending; }

long long CalculatorSession::ClearedElsewhere() const { return keeper_ ? keeper_->Status().clearedElsewhere : 0; }

}  // namespace abacor
