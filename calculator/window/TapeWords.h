#pragma once

#include <QString>

#include <string_view>

namespace abacor {

// A tape line's mark in the program's language, on screen and on paper; the
// files keep the mark as it is.
QString ShownTapeMark(std::u16string_view mark);

// A corrected step's earlier number as the line shows it ("(訂正前 120)"),
// empty for none.
QString CorrectedPhrase(std::u16string_view was);

}  // namespace abacor
