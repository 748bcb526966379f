#pragma once

#include <QString>

namespace abacor {

// The folder the export and print dialogs start in: the last one a file was
// written to in this run, else the user's documents folder, else home.
QString DialogFolder();
void RememberDialogFolder(const QString& folder);

}  // namespace abacor
