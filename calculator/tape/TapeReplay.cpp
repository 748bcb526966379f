#include "calculator/tape/TapeReplay.h"

#include <array>
#include <string>
#include <string_view>

#include "calculator/engine/Grouping.h"
#include "calculator/tape/TapeMarks.h"
#include "text/Utf.h"

namespace abacor {

namespace {

// The key that wrote a line that is no step, by the line its row says it
// writes; other marks are a key's own (√, M+…), name the key after them
// ("K ×", "ERROR 売価"), or come with another line (M, OK…).
const Command* KeyOfOwnLine(std::u16string_view word)
{
    for (const Command& command : kCommands)
        if (command.tape.line != OwnLine::None && command.tape.line != OwnLine::MemoryTotal &&
            MarkOf(LineKindOf(command.tape.line)) == word)
            return &command;
    return nullptr;
}

// Lines no key writes: the separators of runs and earlier reports.
bool Skipped(const TapeLine& line)
{
    return (line.mark == MarkOf(LineKind::RunBegins) && line.number.empty()) ||
           line.mark.starts_with(MarkOf(LineKind::Differs)) || line.mark.starts_with(MarkOf(LineKind::Stopped)) ||
           line.mark == MarkOf(LineKind::Recomputed);
}

// A named value (税額, 税抜 per rate) is the next of the values its key
// shows in turn, a constant the operator pressed twice: that key again.
bool Again(std::u16string_view word, const Command* last)
{
    if (last == nullptr || !last->key)
        return false;
    const KeyId key = *last->key;
    return (word == LabelText(ValueLabel::TaxAmount) &&
            (key == KeyId::TaxIncluded || key == KeyId::TaxExcluded || key == KeyId::TaxSum)) ||
           (word == LabelText(ValueLabel::TaxExcluded) && key == KeyId::TaxSum);
}

// The key after a mark (" ×" after K, " 売価" after ERROR); none when the
// line came by itself.
const Command* KeyAfter(std::u16string_view rest)
{
    for (const Command& command : kCommands)
        if (rest.size() > 1 && command.tape.mark == rest.substr(1))
            return &command;
    return nullptr;
}

// The invoice's totals are 税合計's.
bool InvoiceTotal(std::u16string_view word)
{
    return word == LabelText(ValueLabel::TaxIncludedTotal) || word == LabelText(ValueLabel::TaxExcludedTotal) ||
           word == LabelText(ValueLabel::TaxAmountTotal);
}

const Command* KeyOf(const TapeLine& line, const Command* last)
{
    const std::u16string_view mark = line.mark;
    if (line.step > 0) {
        for (const Command& command : kCommands)
            if (command.tape.consumes && command.tape.mark == mark)
                return &command;
        return nullptr;
    }
    const std::u16string_view word = mark.substr(0, mark.find(u' '));
    if (Again(word, last))
        return last;
    if (word == MarkOf(LineKind::Constant) || word == MarkOf(LineKind::Error))
        return KeyAfter(mark.substr(word.size()));
    if (InvoiceTotal(word))
        return &CommandOfKey(KeyId::TaxSum);
    if (const Command* own = KeyOfOwnLine(word))
        return own;
    for (const Command& command : kCommands)
        if (!command.tape.mark.empty() && command.tape.mark == word)
            return &command;
    return nullptr;
}

void Press(TapeSession& tape, const TapeLine& line, const Command*& last)
{
    if (line.mark == MarkOf(LineKind::CheckBegins)) {
        static_cast<void>(tape.Check());
        return;
    }
    if (const std::optional<SwitchSetting> set = SwitchOfLine(line.mark)) {
        tape.SetSwitch(*set->desk, set->value);
        return;
    }
    const Command* key = KeyOf(line, last);
    if (key == nullptr)
        return;
    // The two ends of 〜 are dates.
    const bool dateExpected = key->menuId == IdDaysTo || (last != nullptr && last->menuId == IdDaysTo);
    last = key;
    if (line.step > 0 || key->tape.line == OwnLine::NonAdd)
        for (const Command* typed : ShownValueKeys(line.number, dateExpected).value_or(std::vector<const Command*>{}))
            tape.Run(*typed);
    // An operator on a result writes nothing the first time: a constant is
    // the operator pressed until it is written.
    const std::size_t lines = tape.Lines().size();
    for (int press = 0; press < (line.mark.starts_with(MarkOf(LineKind::Constant)) ? 3 : 1); ++press)
        if (tape.Lines().size() == lines)
            tape.Run(*key);
}

}  // namespace

LineReplay::LineReplay(TapeSession& tape, const std::vector<TapeLine>& lines)
    : tape_(tape), lines_(lines), at_(tape.Lines().size())
{
}

bool LineReplay::Continue(std::size_t count)
{
    for (; count > 0 && next_ < lines_.size(); --count) {
        const std::size_t i = next_++;
        const TapeLine& line = lines_[i];
        if (Skipped(line))
            continue;
        if (at_ == tape_.Lines().size())
            Press(tape_, line, last_);
        if (at_ == tape_.Lines().size()) {
            outcome_.differing.push_back(i);
            continue;
        }
        const TapeLine& written = tape_.Lines()[at_];
        if (StripGrouping(written.number) != StripGrouping(line.number) || written.mark != line.mark)
            outcome_.differing.push_back(i);
        if (!line.note.empty())
            static_cast<void>(tape_.SetNote(at_, line.note));
        if (!line.was.empty())
            static_cast<void>(tape_.KeepEarlier(at_, line.was));
        ++at_;
    }
    return next_ == lines_.size();
}

ReplayOutcome LineReplay::Outcome() const
{
    ReplayOutcome outcome = outcome_;
    if (next_ == lines_.size() && at_ < tape_.Lines().size())
        outcome.differing.push_back(lines_.size());
    return outcome;
}

ReplayOutcome ReplayLines(TapeSession& tape, const std::vector<TapeLine>& lines)
{
    LineReplay replay(tape, lines);
    replay.Continue(lines.size());
    return replay.Outcome();
}

}  // namespace abacor
