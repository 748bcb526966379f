#include "calculator/window/RecordFollower.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>

#include "platform/store/UserStore.h"
#include "settings/SettingsStore.h"

namespace abacor {

RecordFollower::RecordFollower(QObject* parent, std::function<void()> changed)
    : QObject(parent), changed_(std::move(changed))
{
    const auto follow = [this] {
        Watch();
        // After the writer's rename has settled, once for a burst of events.
        QTimer::singleShot(0, this, [this] { changed_(); });
    };
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, follow);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, follow);
    Watch();
}

void RecordFollower::Watch()
{
    const QString location = QString::fromStdU16String(UserStoreKey::Location(kSettingsKeyPath));
    if (location.isEmpty() || location.startsWith(u'\\') || location.contains(u"HKEY"))
        return;
    const QFileInfo file(location);
    // The nearest folder there is: AbacorSet's first save makes the others.
    QDir folder = file.absoluteDir();
    while (!folder.exists() && folder.cdUp()) {
    }
    const QStringList watched = watcher_.directories() + watcher_.files();
    for (const QString& path : {folder.absolutePath(), file.exists() ? file.absoluteFilePath() : QString()})
        if (!path.isEmpty() && !watched.contains(path))
            watcher_.addPath(path);
}

}  // namespace abacor
