#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include "tests/settings/TempStore.h"

namespace abacor::test {

// The temporary store in Qt's terms, for the tests of the windows.
class TempStoreQt : public TempStore {
protected:
    QString ConfigDir() const { return QFile::decodeName(TempStore::ConfigDir().c_str()); }
    QString StoreFile() const { return QFile::decodeName(TempStore::StoreFile().c_str()); }
    void WriteStoreFile(const QByteArray& content) const { TempStore::WriteStoreFile(content.toStdString()); }
    QByteArray ReadStoreFile() const { return QByteArray::fromStdString(TempStore::ReadStoreFile()); }
};

}  // namespace abacor::test
