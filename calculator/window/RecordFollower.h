#pragma once

#include <functional>

#include <QFileSystemWatcher>
#include <QObject>

namespace abacor {

// Tells when the settings record may have changed under the calculator (a
// save of AbacorSet's): the file's folder is watched where the record is a
// file, since a save replaces the file. Where it is the registry, the window
// reads the record again when it is activated.
class RecordFollower : public QObject {
    Q_OBJECT
public:
    RecordFollower(QObject* parent, std::function<void()> changed);

private:
    void Watch();

    QFileSystemWatcher watcher_;
    std::function<void()> changed_;
};

}  // namespace abacor
