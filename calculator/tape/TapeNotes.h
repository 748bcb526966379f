#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "text/Message.h"

namespace abacor {

// A note beside a line: the user's words, any script, one line.
inline constexpr std::size_t kMaxNoteLength = 200;  // characters

// Why a note cannot be kept as it is, as the user is told it; empty when it
// can. Nothing is ever cut to fit.
Message NoteRefusal(std::u16string_view note);
// The same for a note given as bytes (a token, a file): UTF-8 only.
Message NoteRefusal(std::string_view utf8);

// A note as a spreadsheet cell: one a spreadsheet would run as a formula
// (=, +, -, @, a tab or a carriage return first), or one that begins with
// the apostrophe itself, gets an apostrophe in front, and so does each part
// after a ";" or a tab (where de, fr, it and es spreadsheets split cells);
// NoteOfCell undoes it.
std::u16string CellOfNote(const std::u16string& note);
std::u16string NoteOfCell(const std::u16string& cell);

}  // namespace abacor
