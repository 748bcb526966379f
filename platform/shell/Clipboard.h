#pragma once

#include <QString>

namespace abacor {

// Places Unicode text on the system clipboard; false when it did not arrive.
[[nodiscard]] bool PlaceClipboardText(const QString& text);
// The clipboard's text; empty when there is none.
QString ClipboardText();

}  // namespace abacor
