#pragma once

#include <QString>

#include <string_view>

#include "text/Message.h"

namespace abacor {

// A table's text (marked ABACOR_TRANSLATABLE with this context) in the
// language of the program.
QString Translated(const char* context, std::u16string_view text);

// A message of the headless parts, its text and every argument in the
// language of the program.
QString Translated(const Message& message);

}  // namespace abacor
