// The store on systems without a registry: one INI file per key. Nothing
// here blocks on, follows into, or reads more than a key's file can be.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/store/IniKeyText.h"
#include "platform/store/KeyBackend.h"

namespace abacor::store {

namespace {

// A key of 32-bit values is a small file; anything bigger is not one of ours.
constexpr off_t kMaxKeyFileSize = 1024 * 1024;

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes now, reporting what close reports.
    bool Close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// XDG_CONFIG_HOME when absolute (a relative one is ignored), else
// $HOME/.config; nothing when neither gives an absolute folder.
QString ConfigDirectory()
{
    const QByteArray config = qgetenv("XDG_CONFIG_HOME");
    if (config.startsWith('/'))
        return QFile::decodeName(config);
    const QByteArray home = qgetenv("HOME");
    if (home.startsWith('/'))
        return QFile::decodeName(home) + QStringLiteral("/.config");
    return {};
}

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

struct FileText {
    KeyStatus status = KeyStatus::Missing;
    std::string text;
    mode_t mode = 0600;
};

// A regular file's text, read without blocking and never beyond the limit.
FileText ReadKeyFile(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return {errno == ENOENT ? KeyStatus::Missing : KeyStatus::Unreadable, {}};
    if (!S_ISREG(info.st_mode) || info.st_size > kMaxKeyFileSize)
        return {KeyStatus::Unreadable, {}};
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0)
        return {errno == ENOENT ? KeyStatus::Missing : KeyStatus::Unreadable, {}};
    // The path may have changed since the stat.
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return {KeyStatus::Unreadable, {}};
    FileText file{KeyStatus::Read, {}, static_cast<mode_t>(info.st_mode & 07777)};
    file.text.resize(static_cast<std::size_t>(kMaxKeyFileSize) + 1);
    std::size_t length = 0;
    while (length < file.text.size()) {
        const ssize_t got = ::read(fd.get(), file.text.data() + length, file.text.size() - length);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return {KeyStatus::Unreadable, {}};
        if (got == 0)
            break;
        length += static_cast<std::size_t>(got);
    }
    if (length > static_cast<std::size_t>(kMaxKeyFileSize))
        return {KeyStatus::Unreadable, {}};
    file.text.resize(length);
    return file;
}

bool WriteAll(int fd, const std::string& text)
{
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t put = ::write(fd, text.data() + written, text.size() - written);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        written += static_cast<std::size_t>(put);
    }
    return true;
}

void SyncFolder(const std::string& folder)
{
    FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0)
        ::fsync(fd.get());
}

// A save's new file until it replaces the key's; the name says whose it is,
// so that a file the user named alike is never taken for one.
const char kTemporarySuffix[] = ".saving-XXXXXX";

// The temporary files of interrupted saves of this key.
void RemoveLeftovers(const QString& folder, const QString& name)
{
    const QDir dir(folder);
    const QStringList found =
        dir.entryList({name + QStringLiteral(".saving-??????")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& leftover : found)
        QFile::remove(dir.filePath(leftover));
}

// The file a save must replace: the key's file, or the target of a link to it.
// Empty when it cannot be known (a dangling link, a loop).
std::string SaveTarget(const std::string& location)
{
    struct stat info {};
    if (::lstat(location.c_str(), &info) != 0)
        return errno == ENOENT ? location : std::string();
    if (!S_ISLNK(info.st_mode))
        return location;
    char resolved[PATH_MAX];
    if (::realpath(location.c_str(), resolved) == nullptr)
        return {};
    return resolved;
}

}  // namespace

QString KeyLocation(QStringView path)
{
    const QString folder = ConfigDirectory();
    if (folder.isEmpty())
        return {};
    return folder + u'/' + RelativeKeyPath(path) + QStringLiteral(".conf");
}

KeyValues ReadKey(QStringView path)
{
    const QString location = KeyLocation(path);
    if (location.isEmpty())
        return {};
    const FileText file = ReadKeyFile(QFile::encodeName(location).toStdString());
    KeyValues key{file.status, {}};
    for (const auto& [name, text] : ReadIniValues(file.text))
        key.texts.insert(QString::fromStdString(name), QString::fromStdString(text));
    return key;
}

// The whole key goes to a new file beside the one it replaces, which it then
// replaces in one rename; a link to the key's file stays a link.
bool WriteKey(QStringView path, const QList<QPair<QString, std::uint32_t>>& values)
{
    const QString location = KeyLocation(path);
    if (location.isEmpty())
        return false;
    const std::string target = SaveTarget(QFile::encodeName(location).toStdString());
    if (target.empty())
        return false;
    const QFileInfo targetInfo(QFile::decodeName(QByteArray::fromStdString(target)));
    if (!QDir().mkpath(targetInfo.absolutePath()))
        return false;

    // Never replace what could not be read whole: it would be lost.
    const FileText old = ReadKeyFile(target);
    if (old.status == KeyStatus::Unreadable)
        return false;
    std::vector<std::pair<std::string, std::uint32_t>> update;
    for (const auto& [name, value] : values)
        update.emplace_back(name.toStdString(), value);
    const std::string text = WriteIniValues(old.text, update);
    // A file the next load would refuse must not be reported as saved.
    if (text.size() > static_cast<std::size_t>(kMaxKeyFileSize))
        return false;

    RemoveLeftovers(targetInfo.absolutePath(), targetInfo.fileName());
    std::string temporary = target + kTemporarySuffix;
    FileDescriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (fd.get() < 0)
        return false;
    const bool durable = ::fchmod(fd.get(), old.mode) == 0 && WriteAll(fd.get(), text) && ::fsync(fd.get()) == 0 &&
                         fd.Close() && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!durable) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolder(QFile::encodeName(targetInfo.absolutePath()).toStdString());
    return true;
}

bool RemoveKey(QStringView path)
{
    const QString location = KeyLocation(path);
    if (location.isEmpty())
        return true;
    const QFileInfo file(location);
    if (!file.exists() && !file.isSymLink())
        return true;
    if (file.isDir() && !file.isSymLink())
        return false;
    return QFile::remove(file.absoluteFilePath());
}

}  // namespace abacor::store
