#pragma once

#include <QString>

namespace abacor {

// Places Unicode text on the system clipboard; false when it did not arrive.
bool PlaceClipboardText(const QString& text);

}  // namespace abacor
