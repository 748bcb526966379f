#include "calculator/tape/TapeSession.h"

#include <algorithm>
#include <chrono>
#include <string>

#include "calculator/engine/Grouping.h"
#include "calculator/engine/NumberText.h"
#include "calculator/tape/TapeMarks.h"
#include "calculator/tape/TapeReplay.h"
#include "text/Digits.h"
#include "text/Translatable.h"
#include "text/Utf.h"

namespace abacor {

namespace {

// What a command means to the tape; null for none (a paste, a digit).
const TapeRole* RoleOf(const Command* command)
{
    return command != nullptr && (command->tape.consumes || command->tape.result) ? &command->tape : nullptr;
}

// A number as the tape prints it: grouped as the RESULT line groups.
std::u16string TapeNumber(const std::u16string& shown)
{
    // A time or a date is written as shown.
    if (shown.find(u':') != std::u16string::npos || std::count(shown.begin(), shown.end(), u'.') > 1)
        return shown;
    return GroupDigits(StripGrouping(shown), GroupingMode::Always, false);
}

// Now, in ms since the epoch (UTC).
std::int64_t Now()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

std::u16string Mark(LineKind kind) { return std::u16string(MarkOf(kind)); }

// A result's mark: a price with tax, an average or a total, with the count
// of items beside it while one is kept. A function on a shown result says
// which it was, as no step above it does.
std::u16string ResultMark(const CalculatorState& state, const Command& command, bool stepped)
{
    const OwnLine own = command.tape.line;
    std::u16string mark = own == OwnLine::PriceWithTax || own == OwnLine::PriceWithoutTax || own == OwnLine::Average
                              ? Mark(LineKindOf(own))
                          : stepped || own == OwnLine::Total ? Mark(LineKind::Total)
                                                             : std::u16string(command.tape.mark);
    if (state.itemCount == 0)
        return mark;
    return mark + u"  " + Widened(std::to_string(state.itemCount)) + u"件";
}

// A named value's mark: its name, and the rate it belongs to.
std::u16string LabelMark(const Calculator& calculator)
{
    std::u16string mark(LabelText(calculator.state().label));
    if (const std::u16string rate = calculator.ShownRateText();
        !rate.empty() && calculator.state().rateShown != RateShown::Active)
        mark += u' ' + rate;
    return mark;
}

OwnLine OwnLineOf(const Command* command) { return command != nullptr ? command->tape.line : OwnLine::None; }

bool BeginsNumber(const Command* command) { return command != nullptr && command->tape.number == NumberPart::Begins; }

bool Recalls(const Command* command) { return command != nullptr && command->tape.number == NumberPart::Recalls; }

// A key that is part of a number being given: typed, pasted (no command)
// or recalled. A correction replaces all of them.
bool PartOfNumber(const Command* command) { return command == nullptr || command->tape.number != NumberPart::None; }

// A correction's number: at most 12 digits, an optional leading "-", at
// most one ".".
bool IsNumber(std::string_view text)
{
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    const auto digits = std::count_if(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    const auto points = std::count(text.begin(), text.end(), '.');
    return digits >= 1 && digits <= kMaxDigits && points <= 1 && digits + points == static_cast<long>(text.size());
}

// The keys of fields separated by sep, each of at most widths[i] digits
// (the first of at least one), with the field key after each but the last.
std::optional<std::vector<const Command*>> FieldKeys(std::string_view text, char sep, std::size_t count,
                                                     std::size_t firstWidth, const Command& fieldKey)
{
    std::vector<const Command*> keys;
    std::size_t fields = 0;
    while (true) {
        const std::size_t end = std::min(text.find(sep), text.size());
        const std::string_view field = text.substr(0, end);
        const std::size_t width = fields == 0 ? firstWidth : 2;
        if (!IsDigits(field, 1, width))
            return std::nullopt;
        const std::vector<const Command*> digits = NumberKeys(field);
        keys.insert(keys.end(), digits.begin(), digits.end());
        if (++fields == count || end == text.size())
            return end == text.size() && fields == count ? std::optional(keys) : std::nullopt;
        keys.push_back(&fieldKey);
        text.remove_prefix(end + 1);
    }
}

// A step's new value as keys: a number; for a time "h:mm:ss" or hours; for
// a date "YYYY.MM.DD" or "MM.DD".
std::optional<std::vector<const Command*>> CorrectionKeys(ValueKind kind, std::string_view given)
{
    const Command& hms = CommandOfKey(KeyId::Hms);
    const Command& date = CommandOfKey(KeyId::Date);
    if (kind == ValueKind::Time && given.find(':') != std::string_view::npos) {
        const bool negative = given.starts_with('-');
        auto keys = FieldKeys(given.substr(negative ? 1 : 0), ':', 3, 7, hms);
        if (keys && negative)
            keys->push_back(&CommandOfKey(KeyId::Sign));
        return keys;
    }
    if (kind == ValueKind::Date) {
        const bool year = std::count(given.begin(), given.end(), '.') == 2;
        return year ? FieldKeys(given, '.', 3, 4, date) : FieldKeys(given, '.', 2, 2, date);
    }
    // Read as a paste reads it: "1,980" is 1980 here too.
    const std::optional<std::u16string> plain = PastedNumber(Utf16(given));
    const std::string text = plain ? Utf8(*plain) : std::string();
    if (!IsNumber(text))
        return std::nullopt;
    std::vector<const Command*> keys = NumberKeys(text);
    // Hours typed with a point are converted; a whole number is the hours field.
    if (kind == ValueKind::Time)
        keys.push_back(&hms);
    return keys;
}

// An entry's lines follow one another: the line at end is its entry's nth,
// n of the entry's lines coming just before it.
int NthOf(const std::vector<std::uint64_t>& origins, std::size_t end, std::uint64_t origin)
{
    int nth = 0;
    while (end > 0 && origins[--end] == origin)
        ++nth;
    return nth;
}

}  // namespace

ValueKind KindOfShown(std::u16string_view shown)
{
    if (shown.find(u':') != std::u16string_view::npos)
        return ValueKind::Time;
    const auto points = std::count(shown.begin(), shown.end(), u'.');
    if (points == 2 || (shown.size() == 5 && shown.starts_with(u'0') && shown[2] == u'.'))
        return ValueKind::Date;
    return ValueKind::Number;
}

std::optional<std::vector<const Command*>> ShownValueKeys(std::u16string_view shown, bool dateExpected)
{
    if (dateExpected)
        if (auto keys = CorrectionKeys(ValueKind::Date, Utf8(shown)))
            return keys;
    const ValueKind kind = KindOfShown(shown);
    const std::string text = Utf8(kind == ValueKind::Number ? StripGrouping(std::u16string(shown)) : shown);
    // A time is typed field by field: hours given as a number would convert.
    if (kind == ValueKind::Time || kind == ValueKind::Date)
        return CorrectionKeys(kind, text);
    return CorrectionKeys(ValueKind::Number, text);
}

std::vector<const Command*> NumberKeys(std::string_view plain)
{
    std::vector<const Command*> keys;
    const bool negative = plain.starts_with('-');
    for (const char c : negative ? plain.substr(1) : plain)
        if (const Command* key = CommandOfToken(std::string_view(&c, 1)))
            keys.push_back(key);
    if (negative)
        keys.push_back(&CommandOfKey(KeyId::Sign));
    return keys;
}

std::u16string TapeLine::Text(int currentSegment) const
{
    return Text(currentSegment, mark, was.empty() ? std::u16string() : u"(訂正前 " + was + u')');
}

std::u16string TapeLine::Text(int currentSegment, std::u16string_view shownMark, std::u16string_view shownWas) const
{
    std::u16string text = number.empty() ? std::u16string(shownMark) : number + u' ' + std::u16string(shownMark);
    if (step > 0 && segment == currentSegment)
        text += u"  #" + Widened(std::to_string(step));
    if (!shownWas.empty())
        text += u"  " + std::u16string(shownWas);
    if (!note.empty())
        text += u"  " + note;
    return text;
}

TapeSession::TapeSession(Calculator& calculator, CalculatorSettings* settings)
    : calculator_(calculator), settings_(settings), start_(calculator)
{
}

void TapeSession::Clear()
{
    changedFrom_ = 0;
    lines_.clear();
    StartSegment();
    segmentLines_ = 0;
}

void TapeSession::Restart()
{
    Clear();
    segment_ = 1;
}

void TapeSession::StartEntry()
{
    if (checkWordGoes_) {
        checkWord_.clear();
        checkWordGoes_ = false;
    }
}

TapeSession::Entry TapeSession::NewEntry(const Command* command, std::u16string paste, std::int64_t time)
{
    return {command, std::move(paste), time, nextSerial_++};
}

void TapeSession::LeaveResumed()
{
    // This run's first key: the earlier run's calculation stays as it is.
    if (!std::exchange(resumed_, false))
        return;
    const std::vector<TapeStep> last = lastCalculation_;
    StartSegment();
    lastCalculation_ = last;  // still checked by 検算
}

CommandOutcome TapeSession::Run(const Command& command)
{
    LeaveResumed();
    StartEntry();
    changedFrom_ = std::min(changedFrom_, lines_.size());
    log_.push_back(NewEntry(&command, {}, Now()));
    const CommandOutcome outcome = Apply(log_.size() - 1);
    if (command.tape.line == OwnLine::AllClear)
        StartSegment();
    return outcome;
}

bool TapeSession::Paste(std::u16string_view text)
{
    LeaveResumed();
    changedFrom_ = std::min(changedFrom_, lines_.size());
    log_.push_back(NewEntry(nullptr, std::u16string(text), Now()));
    applying_ = log_.back().serial;
    const CalculatorState before = calculator_.state();
    if (!calculator_.PasteNumber(text)) {
        log_.pop_back();
        return false;
    }
    Observe(log_.size() - 1, before);
    return true;
}

CommandOutcome TapeSession::Apply(std::size_t index)
{
    applying_ = log_[index].serial;
    if (const DeskSwitch* desk = log_[index].desk) {
        if (settings_ != nullptr)
            settings_->*desk->field = log_[index].value;
        Push({0, segment_, {}, SwitchLine(*desk, log_[index].value), {}, log_[index].time, {}});
        return CommandOutcome::Calculated;
    }
    if (log_[index].command != nullptr && log_[index].command->menuId == IdCheck) {
        static_cast<void>(ArmCheck(log_[index].time));
        return CommandOutcome::Calculated;
    }
    const CalculatorState before = calculator_.state();
    CommandOutcome outcome = CommandOutcome::Calculated;
    if (const Command* command = log_[index].command)
        outcome = RunCommand(calculator_, *command);
    else
        static_cast<void>(calculator_.PasteNumber(log_[index].paste));
    Observe(index, before);
    return outcome;
}

void TapeSession::Observe(std::size_t index, const CalculatorState& before)
{
    const CalculatorState& after = calculator_.state();
    // A refused key changed nothing: no step, no line.
    if (after.refused != Refusal::None)
        return;
    const Command* command = log_[index].command;
    const TapeRole* role = RoleOf(command);
    const std::int64_t time = log_[index].time;

    // A number begins with its first key, typed or pasted, or with a recall.
    const bool recalled = Recalls(command) && after.entryState == EntryState::Operand;
    if (recalled || ((BeginsNumber(command) || command == nullptr) && before.entryState != EntryState::Typing &&
                     after.entryState == EntryState::Typing)) {
        typingFrom_ = index;
        // A number with no operation under way begins a calculation: a
        // function's result before it (税込, √, 原価) was one of its own.
        if (before.pendingOperator == Operator::None && !before.error && !after.constantLit)
            BeginCalculation();
    }
    const bool given = before.entryState == EntryState::Typing ||
                       (before.entryState == EntryState::Operand && typingFrom_ && Recalls(log_[*typingFrom_].command));
    const bool stepped = role != nullptr && role->consumes && given && !before.error && typingFrom_;
    if (stepped) {
        const EndedEntry entry = EntryAsEnded(before);
        AddStep({entry.value, entry.kind, command, *typingFrom_, index, time}, entry.text);
    }
    if (after.entryState != EntryState::Typing && !recalled)
        typingFrom_.reset();

    WriteLines(index, before, stepped);

    if (role != nullptr && role->finalises && !before.error) {
        lastCalculation_.assign(steps_.begin() + static_cast<std::ptrdiff_t>(calculationStart_), steps_.end());
        calculationStart_ = steps_.size();
        if (checking_)
            FinishCheck();
    } else if (OwnLineOf(command) == OwnLine::Clear || OwnLineOf(command) == OwnLine::AllClear) {
        calculationStart_ = steps_.size();
        checking_ = false;
        checkWord_.clear();
    }
}

void TapeSession::WriteLines(std::size_t index, const CalculatorState& before, bool stepped)
{
    const CalculatorState& after = calculator_.state();
    const Command* command = log_[index].command;
    const TapeRole* role = RoleOf(command);
    const std::int64_t time = log_[index].time;
    const auto line = [&](std::u16string number, std::u16string mark) {
        Push({0, segment_, std::move(number), std::move(mark), {}, time, {}});
    };
    const std::u16string shown = TapeNumber(after.displayText);
    const bool fine = !after.error && !before.error;
    bool named = false;  // the value's name is on its line already
    if (after.error && !before.error) {
        // With the key that gave it, where no step above says which.
        const bool keyed = !stepped && command != nullptr && !command->tape.mark.empty();
        line({}, Mark(LineKind::Error) + (keyed ? u' ' + std::u16string(command->tape.mark) : u""));
    } else if (role != nullptr && role->result && fine) {
        if (command->tape.line == OwnLine::MemoryTotal) {
            // On a result, the amount added or subtracted is no step: its own line.
            if (!stepped)
                line(shown, std::u16string(command->tape.mark));
            line(TapeNumber(after.memoryText), Mark(LineKind::MemoryTotal));
        } else {
            named = after.label != ValueLabel::None;
            line(shown, named ? LabelMark(calculator_) : ResultMark(after, *command, stepped));
        }
    } else if (OwnLineOf(command) == OwnLine::GrandTotal && !after.error) {
        // Pressed again it clears, as the calculator's own rule says.
        const bool clears = index > 0 && log_[index - 1].command == command;
        if (clears)
            line({}, Mark(LineKind::GrandTotalClear));
        else
            line(shown, Mark(LineKind::GrandTotal));
    } else if (OwnLineOf(command) == OwnLine::MemoryRecall && fine) {
        line(shown, Mark(LineKind::MemoryRecall));
    } else if (OwnLineOf(command) == OwnLine::MemoryClear) {
        line({}, Mark(LineKind::MemoryClear));
    } else if (OwnLineOf(command) == OwnLine::RateSwitch && fine) {
        line({}, Mark(LineKind::RateSwitch) + u' ' + calculator_.ActiveRateText().substr(1));
    } else if (OwnLineOf(command) == OwnLine::Clear) {
        // A run of C with nothing between is one line.
        if (lines_.size() == segmentLines_ || lines_.back().mark != MarkOf(LineKind::Clear))
            line({}, Mark(LineKind::Clear));
    } else if (OwnLineOf(command) == OwnLine::AllClear) {
        line({}, Mark(LineKind::AllClear));
    } else if (OwnLineOf(command) == OwnLine::Converted && before.entryState != EntryState::Typing && fine) {
        // A value shown, converted: no step says so.
        line(shown, Mark(LineKind::Converted));
    } else if (OwnLineOf(command) == OwnLine::NonAdd && fine) {
        // As typed: an invoice number or a date is no amount to group.
        line(StripGrouping(before.displayText), Mark(LineKind::NonAdd));
    } else if (after.constantLit && !before.constantLit && fine) {
        // With its operator where a second press of it set the constant.
        const bool twice = command != nullptr && role != nullptr && !role->finalises && !command->tape.mark.empty();
        line(shown, Mark(LineKind::Constant) + (twice ? u' ' + std::u16string(command->tape.mark) : u""));
    } else if (command != nullptr && command->tape.takesShown && !stepped && fine) {
        // A shown result taken on as the first number: the paper says so.
        line(shown, std::u16string(command->tape.mark));
    }
    // A value a function names is a line with its name, unless its step
    // or its result line already says it.
    if (command != nullptr && command->handler != nullptr && after.label != ValueLabel::None && !after.error &&
        !named && !(stepped && command->tape.mark == LabelText(after.label)))
        line(shown, LabelMark(calculator_));
}

void TapeSession::AddStep(TapeStep step, const std::u16string& shown)
{
    steps_.push_back(step);
    const int number = static_cast<int>(steps_.size());
    std::u16string was;
    for (const auto& [corrected, earlier] : corrections_)
        if (corrected == number)
            was = earlier;
    Push({number, segment_, TapeNumber(shown), std::u16string(step.key->tape.mark), was, step.time, {}});
    if (checking_)
        CheckStep(steps_.size() - 1);
}

void TapeSession::Push(TapeLine line)
{
    const int nth = NthOf(origins_, origins_.size(), applying_);
    if (const auto note = notes_.find({applying_, nth}); note != notes_.end())
        line.note = note->second;
    lines_.push_back(std::move(line));
    origins_.push_back(applying_);
}

bool TapeSession::SetNote(std::size_t line, std::u16string note)
{
    if (line >= lines_.size())
        return false;
    if (line >= segmentLines_) {
        // Kept with the entry that wrote the line: a re-run finds it again.
        const std::uint64_t origin = origins_[line - segmentLines_];
        notes_[{origin, NthOf(origins_, line - segmentLines_, origin)}] = note;
    }
    lines_[line].note = std::move(note);
    changedFrom_ = std::min(changedFrom_, line);
    return true;
}

bool TapeSession::KeepEarlier(std::size_t line, std::u16string was)
{
    if (line < segmentLines_ || line >= lines_.size() || lines_[line].step == 0 || was.empty())
        return false;
    const int step = lines_[line].step;
    std::erase_if(corrections_, [step](const auto& c) { return c.first == step; });
    corrections_.emplace_back(step, was);
    lines_[line].was = std::move(was);
    changedFrom_ = std::min(changedFrom_, line);
    return true;
}

void TapeSession::Remark(std::u16string mark)
{
    changedFrom_ = std::min(changedFrom_, lines_.size());
    applying_ = 0;
    Push({0, segment_, {}, std::move(mark), {}, Now(), {}});
}

void TapeSession::SetSwitch(const DeskSwitch& desk, std::uint32_t value)
{
    LeaveResumed();
    StartEntry();
    changedFrom_ = std::min(changedFrom_, lines_.size());
    Entry entry = NewEntry(nullptr, {}, Now());
    entry.desk = &desk;
    entry.value = value;
    entry.before = settings_ != nullptr ? settings_->*desk.field : value;
    log_.push_back(std::move(entry));
    static_cast<void>(Apply(log_.size() - 1));
}

CalculatorSettings TapeSession::SegmentStartSettings(CalculatorSettings now) const
{
    for (auto entry = log_.rbegin(); entry != log_.rend(); ++entry)
        if (entry->desk != nullptr)
            now.*entry->desk->field = entry->before;
    return now;
}

std::optional<std::size_t> TapeSession::LineOfStep(int step) const
{
    for (std::size_t i = lines_.size(); i > segmentLines_; --i)
        if (lines_[i - 1].step == step)
            return i - 1;
    return std::nullopt;
}

void TapeSession::Resume(const std::vector<TapeLine>& lines)
{
    // (A calculation longer than a day's work is not keyed again at every start.)
    constexpr std::size_t kResumedLines = 10000;
    if (!lines_.empty() || !log_.empty() || lines.empty() || lines.size() > kResumedLines)
        return;
    // The keys that wrote the lines, found by writing them again aside,
    // where nothing is drawn for them.
    Calculator scratch = calculator_.Aside();
    TapeSession replay(scratch);
    replay.segment_ = segment_;
    static_cast<void>(ReplayLines(replay, lines));
    log_ = std::move(replay.log_);
    steps_ = std::move(replay.steps_);
    calculationStart_ = replay.calculationStart_;
    lastCalculation_ = std::move(replay.lastCalculation_);
    notes_ = std::move(replay.notes_);
    nextSerial_ = replay.nextSerial_;
    for (const TapeLine& line : lines)
        if (line.step > 0)
            resumedNumbers_[line.step] = line.was.empty() ? line.number : line.was;
    BeginSegmentHere();
    resumed_ = true;
}

void TapeSession::StartSegment()
{
    ++segment_;
    BeginSegmentHere();
    origins_.clear();
    notes_.clear();
    resumed_ = false;
    resumedNumbers_.clear();
    log_.clear();
    steps_.clear();
    segmentLines_ = lines_.size();
    typingFrom_.reset();
    calculationStart_ = 0;
    lastCalculation_.clear();
    corrections_.clear();
    checking_ = false;
    checkWord_.clear();
}

CorrectionOutcome TapeSession::Correct(int step, std::string_view given)
{
    if (step < 1 || step > static_cast<int>(steps_.size()))
        return CorrectionKeys(ValueKind::Number, given) ? CorrectionOutcome::NoSuchStep : CorrectionOutcome::NotANumber;
    const TapeStep corrected = steps_[static_cast<std::size_t>(step - 1)];
    const std::optional<std::vector<const Command*>> keys = CorrectionKeys(corrected.kind, given);
    if (!keys)
        return CorrectionOutcome::NotANumber;

    // The new number's keys take the place of the old number's; any other
    // command given while it was typed stays where it was.
    std::vector<Entry> log(log_.begin(), log_.begin() + static_cast<std::ptrdiff_t>(corrected.from));
    for (const Command* key : *keys)
        log.push_back(NewEntry(key, {}, corrected.time));
    for (std::size_t i = corrected.from; i < corrected.to; ++i)
        if (!PartOfNumber(log_[i].command))
            log.push_back(log_[i]);
    log.insert(log.end(), log_.begin() + static_cast<std::ptrdiff_t>(corrected.to), log_.end());

    std::u16string earlier;
    if (const std::optional<std::size_t> line = LineOfStep(step))
        earlier = lines_[*line].was.empty() ? lines_[*line].number : lines_[*line].was;
    else if (const auto was = resumedNumbers_.find(step); was != resumedNumbers_.end())
        earlier = was->second;
    std::erase_if(corrections_, [step](const auto& c) { return c.first == step; });
    corrections_.emplace_back(step, earlier);

    // The segment again from its start, as if the new number had been typed,
    // with the switches as they were there; the user's own after it.
    const std::optional<CalculatorSettings> own = settings_ != nullptr ? std::optional(*settings_) : std::nullopt;
    if (settings_ != nullptr)
        *settings_ = SegmentStartSettings(*settings_);
    changedFrom_ = std::min(changedFrom_, segmentLines_);
    calculator_ = start_;
    lines_.resize(segmentLines_);
    origins_.clear();
    if (std::exchange(resumed_, false)) {
        // An earlier run's calculation, written anew in this one.
        ++segment_;
        applying_ = 0;
        Push({0, segment_, {}, Mark(LineKind::Recomputed), {}, Now(), {}});
        segmentLines_ = lines_.size();
        origins_.clear();
    }
    steps_.clear();
    typingFrom_.reset();
    calculationStart_ = 0;
    lastCalculation_.clear();
    checking_ = false;
    checkWord_.clear();
    checkWordGoes_ = false;
    log_ = std::move(log);
    for (std::size_t i = 0; i < log_.size(); ++i) {
        StartEntry();
        Apply(i);
    }
    if (own)
        *settings_ = *own;
    return CorrectionOutcome::Corrected;
}

void TapeSession::BeginCalculation()
{
    calculationStart_ = steps_.size();
    if (!checking_ || steps_.size() == checkFrom_)
        return;
    // Re-keyed from here: what came before it is no part of the check.
    checkFrom_ = steps_.size();
    firstDifference_.reset();
    checkWord_ = ABACOR_TRANSLATABLE("Annunciator", u"検算");
}

bool TapeSession::Check()
{
    LeaveResumed();
    changedFrom_ = std::min(changedFrom_, lines_.size());
    // In the log, so that a correction re-runs the check where it was.
    log_.push_back(NewEntry(CommandOfMenuId(IdCheck), {}, Now()));
    applying_ = log_.back().serial;
    return ArmCheck(log_.back().time);
}

bool TapeSession::ArmCheck(std::int64_t time)
{
    // 検算 is a key too: it ends a check under way and puts out the last word.
    checking_ = false;
    checkWord_.clear();
    checkWordGoes_ = false;
    if (calculator_.state().entryState == EntryState::Typing || lastCalculation_.empty())
        return false;
    checking_ = true;
    Push({0, segment_, {}, Mark(LineKind::CheckBegins), {}, time, {}});
    // What the re-keyed calculation must leave as it found it.
    beforeCheck_ = calculator_.Kept();
    reference_ = lastCalculation_;
    checkFrom_ = steps_.size();
    firstDifference_.reset();
    checkWord_ = ABACOR_TRANSLATABLE("Annunciator", u"検算");
    return true;
}

void TapeSession::CheckStep(std::size_t index)
{
    if (firstDifference_)
        return;
    const std::size_t place = index - checkFrom_;
    if (place >= reference_.size() || reference_[place].value != steps_[index].value ||
        reference_[place].key != steps_[index].key) {
        firstDifference_ = place;
        checkWord_ = u"NG" + Widened(std::to_string(place + 1));
    }
}

void TapeSession::FinishCheck()
{
    const std::size_t count = steps_.size() - checkFrom_;
    if (!firstDifference_ && count == reference_.size()) {
        checkWord_ = u"OK";
    } else {
        const std::size_t place = firstDifference_ ? *firstDifference_ : std::min(count, reference_.size());
        checkWord_ = u"NG" + Widened(std::to_string(place + 1));
    }
    checking_ = false;
    checkWordGoes_ = true;
    Push({0, segment_, {}, checkWord_, {}, steps_.empty() ? Now() : steps_.back().time, {}});
    // A check is no second entry: GT, memory, the last answer and the
    // invoice totals are as they were before it.
    calculator_.RestoreTotals(beforeCheck_);
}

}  // namespace abacor
