#pragma once

#include <QString>

#include <string_view>

namespace abacor {

// A tape line's mark in the program's language, on screen and on paper; the
// files keep the mark as it is.
QString ShownTapeMark(std::u16string_view mark);

// The word before a corrected step's earlier number ("訂正前").
QString CorrectedWord();

}  // namespace abacor
