#include "calculator/tape/TapeNotes.h"

#include <string>

#include "text/Utf.h"

namespace abacor {

Message NoteRefusal(std::u16string_view note)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < note.size(); ++i) {
        const char16_t c = note[i];
        const bool high = c >= 0xD800 && c < 0xDC00;
        if (high && i + 1 < note.size() && note[i + 1] >= 0xDC00 && note[i + 1] < 0xE000)
            ++i;
        else if (high || (c >= 0xDC00 && c < 0xE000))
            return ABACOR_SAY("Note", u"注記に壊れた文字があります。");
        // A line of the tape is one line: no control, no line or paragraph end.
        if (c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0x2028 || c == 0x2029)
            return ABACOR_SAY("Note", u"注記に改行や制御文字は使えません。");
        ++characters;
    }
    if (characters > kMaxNoteLength)
        return ABACOR_SAY("Note", u"注記は%1文字までです（%2文字あります）。").With(kMaxNoteLength).With(characters);
    return {};
}

Message NoteRefusal(std::string_view utf8)
{
    if (!IsUtf8(utf8))
        return ABACOR_SAY("Note", u"注記がUTF-8の文字ではありません。");
    return NoteRefusal(std::u16string_view(Utf16(utf8)));
}

namespace {
constexpr std::u16string_view kFormulaStarts = u"=+-@\t\r'";
// Where a spreadsheet reading ";" or tabs (de, fr, it, es) starts a cell.
constexpr std::u16string_view kOtherSeparators = u";\t";
}  // namespace

std::u16string CellOfNote(const std::u16string& note)
{
    std::u16string cell;
    if (!note.empty() && kFormulaStarts.find(note.front()) != std::u16string_view::npos)
        cell += u'\'';
    for (std::size_t i = 0; i < note.size(); ++i) {
        cell += note[i];
        if (kOtherSeparators.find(note[i]) != std::u16string_view::npos && i + 1 < note.size() &&
            kFormulaStarts.find(note[i + 1]) != std::u16string_view::npos)
            cell += u'\'';
    }
    return cell;
}

std::u16string NoteOfCell(const std::u16string& cell)
{
    std::u16string note;
    for (std::size_t i = cell.starts_with(u'\'') ? 1 : 0; i < cell.size(); ++i) {
        note += cell[i];
        if (kOtherSeparators.find(cell[i]) != std::u16string_view::npos && i + 1 < cell.size() && cell[i + 1] == u'\'')
            ++i;
    }
    return note;
}

}  // namespace abacor
