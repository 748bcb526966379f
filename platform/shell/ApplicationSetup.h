#pragma once

#include <QString>

namespace abacor {

// What both programs do first, after making their application object: the
// registry key name "Korvel", the program's name (message boxes show it as
// their caption; no display name, which Qt would append to every window
// title), the icon, and the accessibility of painted parts.
void SetUpApplication(const QString& name);

}  // namespace abacor
