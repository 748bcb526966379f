#include "calculator/tape/TapeReplay.h"

#include <array>
#include <string>
#include <string_view>

#include "calculator/engine/Grouping.h"
#include "calculator/tape/TapeMarks.h"
#include "text/Utf.h"

namespace abacor {

namespace {

struct KeyOfMark {
    std::u16string_view word;  // a mark's first word
    std::string_view token;
};

// The key a line that is no step was written by; other marks are a key's
// own (√, M+…), or what no key writes alone (K, M, ERROR, OK…).
constexpr std::array kKeysOfMarks{
    KeyOfMark{MarkOf(LineKind::Total), "="},        KeyOfMark{MarkOf(LineKind::PriceWithTax), "tax+"},
    KeyOfMark{MarkOf(LineKind::PriceWithoutTax), "tax-"}, KeyOfMark{MarkOf(LineKind::Average), "avg"},
    KeyOfMark{MarkOf(LineKind::GrandTotal), "GT"},  KeyOfMark{MarkOf(LineKind::MemoryRecall), "MR"},
    KeyOfMark{MarkOf(LineKind::MemoryClear), "MC"}, KeyOfMark{MarkOf(LineKind::Clear), "C"},
    KeyOfMark{MarkOf(LineKind::AllClear), "CA"},    KeyOfMark{MarkOf(LineKind::RateSwitch), "rate"},
    KeyOfMark{MarkOf(LineKind::NonAdd), "nonadd"},  KeyOfMark{u"税込計", "taxsum"},
    KeyOfMark{u"税抜計", "taxsum"},                 KeyOfMark{u"税額計", "taxsum"},
};

// Lines no key writes: the separators of runs and earlier reports.
bool Skipped(const TapeLine& line)
{
    return (line.mark == MarkOf(LineKind::RunBegins) && line.number.empty()) ||
           line.mark.starts_with(MarkOf(LineKind::Differs)) || line.mark == MarkOf(LineKind::Recomputed);
}

const Command* KeyOf(const TapeLine& line)
{
    const std::u16string_view mark = line.mark;
    if (line.step > 0) {
        for (const Command& command : kCommands)
            if (command.tape.consumes && command.tape.mark == mark)
                return &command;
        return nullptr;
    }
    const std::u16string_view word = mark.substr(0, mark.find(u' '));
    for (const KeyOfMark& entry : kKeysOfMarks)
        if (entry.word == word)
            return CommandOfToken(entry.token);
    for (const Command& command : kCommands)
        if (!command.tape.mark.empty() && command.tape.mark == word)
            return &command;
    return nullptr;
}

void Press(TapeSession& tape, const TapeLine& line)
{
    if (line.mark == MarkOf(LineKind::CheckBegins)) {
        static_cast<void>(tape.Check());
        return;
    }
    const Command* key = KeyOf(line);
    if (key == nullptr)
        return;
    if (line.step > 0 || key->menuId == IdNonAdd)
        for (const Command* typed : NumberKeys(Utf8(StripGrouping(line.number))))
            tape.Run(*typed);
    tape.Run(*key);
}

}  // namespace

ReplayOutcome ReplayLines(TapeSession& tape, const std::vector<TapeLine>& lines)
{
    ReplayOutcome outcome;
    std::size_t at = tape.Lines().size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const TapeLine& line = lines[i];
        if (Skipped(line))
            continue;
        if (at == tape.Lines().size())
            Press(tape, line);
        if (at == tape.Lines().size()) {
            outcome.differing.push_back(i);
            continue;
        }
        const TapeLine& written = tape.Lines()[at];
        if (StripGrouping(written.number) != StripGrouping(line.number) || written.mark != line.mark)
            outcome.differing.push_back(i);
        if (!line.note.empty())
            static_cast<void>(tape.SetNote(at, line.note));
        ++at;
    }
    if (at < tape.Lines().size())
        outcome.differing.push_back(lines.size());
    return outcome;
}

}  // namespace abacor
