#include "platform/store/UserStore.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cstdio>
#ifndef Q_OS_WIN
#include <fcntl.h>
#include <unistd.h>
#endif

#include <charconv>
#include <string>

namespace abacor {

namespace {

constexpr qint64 kMaxKeyFileSize = 1024 * 1024;

#ifdef Q_OS_WIN
constexpr bool kNativeRegistry = true;
#else
constexpr bool kNativeRegistry = false;
#endif

// "\Software\Korvel\Abacor" -> "Korvel/Abacor".
QString RelativeKeyPath(QStringView path)
{
    QString relative = path.toString();
    relative.replace(u'\\', u'/');
    while (relative.startsWith(u'/'))
        relative.remove(0, 1);
    if (relative.startsWith(u"Software/", Qt::CaseInsensitive))
        relative.remove(0, 9);
    return relative;
}

QString ConfigDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

std::unique_ptr<QSettings> OpenSettings(QStringView path)
{
    const QString location = UserStoreKey::Location(path);
    return std::make_unique<QSettings>(location, kNativeRegistry ? QSettings::NativeFormat : QSettings::IniFormat);
}

bool KeyExists(QStringView path)
{
    if constexpr (kNativeRegistry) {
        // The parent lists the key among its child groups only when it exists.
        QString relative = RelativeKeyPath(path);
        const qsizetype slash = relative.lastIndexOf(u'/');
        const QString parent = QStringLiteral("HKEY_CURRENT_USER\\Software\\") +
                               QString(relative.left(slash < 0 ? 0 : slash)).replace(u'/', u'\\');
        QSettings parentKey(parent, QSettings::NativeFormat);
        return parentKey.childGroups().contains(relative.mid(slash + 1), Qt::CaseInsensitive);
    }
    // A key of 32-bit values is a small file; anything huge is not one of
    // ours and is not worth parsing.
    const QFileInfo file(UserStoreKey::Location(path));
    return file.isFile() && file.size() <= kMaxKeyFileSize;
}

#ifndef Q_OS_WIN
bool SyncFileToDisk(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}
#endif

}  // namespace

QString UserStoreKey::Location(QStringView path)
{
    if constexpr (kNativeRegistry)
        return QStringLiteral("HKEY_CURRENT_USER\\") + path.mid(path.startsWith(u'\\') ? 1 : 0).toString();
    return ConfigDirectory() + u'/' + RelativeKeyPath(path) + QStringLiteral(".conf");
}

std::optional<UserStoreKey> UserStoreKey::OpenForRead(QStringView path)
{
    if (!KeyExists(path))
        return std::nullopt;
    auto settings = OpenSettings(path);
    if (settings->status() != QSettings::NoError)
        return std::nullopt;
    UserStoreKey key(path.toString(), std::move(settings));
    key.existing_ = true;
    return key;
}

std::optional<UserStoreKey> UserStoreKey::CreateOrOpen(QStringView path)
{
    if constexpr (!kNativeRegistry) {
        const QFileInfo file(Location(path));
        if (!QDir().mkpath(file.absolutePath()) || file.isDir())
            return std::nullopt;
    }
    auto settings = OpenSettings(path);
    if (kNativeRegistry && !settings->isWritable())
        return std::nullopt;
    UserStoreKey key(path.toString(), std::move(settings));
    key.existing_ = KeyExists(path);
    // A key exists once created, even before any value is written.
    key.dirty_ = true;
    return key;
}

bool UserStoreKey::DeleteKey(QStringView path)
{
    if constexpr (kNativeRegistry) {
        QSettings key(Location(path), QSettings::NativeFormat);
        key.clear();
        key.sync();
        return key.status() == QSettings::NoError;
    }
    const QFileInfo file(Location(path));
    if (!file.exists() && !file.isSymLink())
        return true;
    if (file.isDir() && !file.isSymLink())
        return false;
    return QFile::remove(file.absoluteFilePath());
}

UserStoreKey::UserStoreKey(QString path, std::unique_ptr<QSettings> settings)
    : path_(std::move(path)), settings_(std::move(settings))
{
}
UserStoreKey::UserStoreKey(UserStoreKey&&) noexcept = default;
UserStoreKey& UserStoreKey::operator=(UserStoreKey&&) noexcept = default;

UserStoreKey::~UserStoreKey()
{
    if (settings_ && dirty_)
        Close();
}

std::optional<std::uint32_t> UserStoreKey::QueryValue(QStringView name) const
{
    if (const auto written = pending_.find(name.toString()); written != pending_.end())
        return *written;
    if (!existing_)
        return std::nullopt;
    const QVariant value = settings_->value(name.toString());
    if (!value.isValid())
        return std::nullopt;
    if (value.typeId() == QMetaType::QString || value.typeId() == QMetaType::QByteArray)
        return ParseStoredValue(value.toString());
    // The registry hands back numbers; a 64-bit or other value does not fit.
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    if (!ok || number < INT32_MIN || number > UINT32_MAX)
        return std::nullopt;
    return static_cast<std::uint32_t>(number);
}

void UserStoreKey::SetValue(QStringView name, std::uint32_t value)
{
    pending_.insert(name.toString(), value);
    dirty_ = true;
}

bool UserStoreKey::Close()
{
    if (!dirty_)
        return true;
    dirty_ = false;
    const bool written = WriteFile();
    pending_.clear();
    return written;
}

#ifdef Q_OS_WIN
// The registry replaces each value atomically and keeps no cache of ours.
bool UserStoreKey::WriteFile()
{
    for (auto value = pending_.cbegin(); value != pending_.cend(); ++value)
        settings_->setValue(value.key(), static_cast<uint>(value.value()));
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}
#else

// The whole key goes to a new file beside the old one, which then replaces it
// in one rename. QSettings is never asked to change the key's own file: it
// would keep changes it failed to write in its process-wide cache, and later
// readers in this process would see them as if stored.
bool UserStoreKey::WriteFile()
{
    const QString target = Location(path_);
    QTemporaryFile temporary(target + QStringLiteral(".XXXXXX"));
    temporary.setAutoRemove(true);
    if (!temporary.open())
        return false;
    temporary.close();
    {
        QSettings next(temporary.fileName(), QSettings::IniFormat);
        // The key's other values are kept; a file too big to be a key is not read.
        if (existing_) {
            for (const QString& name : settings_->allKeys())
                next.setValue(name, settings_->value(name));
        }
        for (auto value = pending_.cbegin(); value != pending_.cend(); ++value)
            next.setValue(value.key(), static_cast<uint>(value.value()));
        next.sync();
        if (next.status() != QSettings::NoError)
            return false;
    }
    if (!SyncFileToDisk(temporary.fileName()))
        return false;
    if (::rename(QFile::encodeName(temporary.fileName()).constData(), QFile::encodeName(target).constData()) != 0)
        return false;
    temporary.setAutoRemove(false);
    SyncFileToDisk(QFileInfo(target).absolutePath());
    return true;
}
#endif

std::optional<std::uint32_t> ParseStoredValue(QStringView text)
{
    const QString trimmed = text.trimmed().toString();
    const std::string ascii = trimmed.toStdString();
    if (ascii.empty())
        return std::nullopt;
    const char* first = ascii.data();
    const char* last = ascii.data() + ascii.size();
    bool negative = false;
    if (*first == '-' || *first == '+') {
        negative = *first == '-';
        ++first;
    }
    int base = 10;
    if (last - first > 2 && first[0] == '0' && (first[1] == 'x' || first[1] == 'X')) {
        base = 16;
        first += 2;
    }
    if (first == last || *first == '-' || *first == '+')
        return std::nullopt;
    std::uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(first, last, magnitude, base);
    if (error != std::errc{} || end != last)
        return std::nullopt;
    if (negative) {
        if (magnitude > 0x80000000ull)
            return std::nullopt;
        return static_cast<std::uint32_t>(-static_cast<std::int64_t>(magnitude));
    }
    if (magnitude > 0xFFFFFFFFull)
        return std::nullopt;
    return static_cast<std::uint32_t>(magnitude);
}

}  // namespace abacor
