#pragma once

#include <QString>

#include <string_view>

namespace abacor {

// A table's text (marked ABACOR_TRANSLATABLE with this context) in the
// language of the program.
QString Translated(const char* context, std::u16string_view text);

}  // namespace abacor
