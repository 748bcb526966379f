#include "calculator/window/DialogFolder.h"

#include <QDir>
#include <QStandardPaths>

namespace abacor {

namespace {
QString& LastFolder()
{
    static QString last;
    return last;
}
}  // namespace

QString DialogFolder()
{
    if (!LastFolder().isEmpty() && QDir(LastFolder()).exists())
        return LastFolder();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

void RememberDialogFolder(const QString& folder) { LastFolder() = folder; }

}  // namespace abacor
