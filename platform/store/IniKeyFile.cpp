// The store on systems without a registry: one INI file per key. Nothing
// here blocks on, follows into, or reads more than a key's file can be.
// Paths stay the bytes the environment gives: a folder name that is no
// UTF-8 must still name the user's own folder.

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <string>
#include <strings.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/store/IniKeyText.h"
#include "platform/store/KeyBackend.h"
#include "text/Utf.h"

namespace abacor::store {

namespace {

// A key of 32-bit values is a small file; anything bigger is not one of ours.
constexpr off_t kMaxKeyFileSize = 1024 * 1024;
// Folders the store creates are the user's alone.
constexpr mode_t kFolderMode = 0700;

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
std::string ConfigDirectory()
{
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && config[0] == '/')
        return config;
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/')
        return std::string(home) + "/.config";
    return {};
}

// "\Software\Korvel\Abacor" -> "Korvel/Abacor".
std::string RelativeKeyPath(std::u16string_view path)
{
    std::string relative = Utf8(path);
    std::replace(relative.begin(), relative.end(), '\\', '/');
    while (relative.starts_with('/'))
        relative.erase(0, 1);
    if (relative.size() >= 9 && strncasecmp(relative.c_str(), "Software/", 9) == 0)
        relative.erase(0, 9);
    return relative;
}

// The key's file as bytes; empty when there is no configuration directory.
std::string KeyFile(std::u16string_view path)
{
    const std::string folder = ConfigDirectory();
    if (folder.empty())
        return {};
    return folder + '/' + RelativeKeyPath(path) + ".conf";
}

// Bytes of the file as text, a byte-order mark kept: a name that begins with
// one, on a line of its own, is not the name without it (the writer agrees).
std::u16string TextOf(const std::string& bytes) { return Utf16(bytes); }

std::string FolderOf(const std::string& file) { return file.substr(0, file.rfind('/')); }
std::string NameOf(const std::string& file) { return file.substr(file.rfind('/') + 1); }

struct FileText {
    KeyStatus status = KeyStatus::Missing;
    std::string text;
    mode_t mode = 0600;
    uid_t owner = 0;
    gid_t group = 0;
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
    FileText file{KeyStatus::Read, {}, static_cast<mode_t>(info.st_mode & 07777), info.st_uid, info.st_gid};
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

bool SyncFolder(const std::string& folder)
{
    FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return fd.get() >= 0 && ::fsync(fd.get()) == 0;
}

// The folder and those above it, each one made that is missing; an existing
// folder's mode is left alone.
bool MakeFolders(const std::string& folder)
{
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (::mkdir(part.c_str(), kFolderMode) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            break;
    }
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// A save's new file until it replaces the key's: the key's file name, this
// infix, the saving process's id, "-" and mkostemp's six characters, a name
// no person gives a file by chance. A save holds an exclusive lock on it from
// its making until the rename, so such a file that can be locked is a dead
// save's.
constexpr std::string_view kTemporaryInfix = ".saving-";
constexpr std::size_t kTemporaryRandom = 6;

bool IsTemporaryOf(std::string_view entry, std::string_view name)
{
    if (!entry.starts_with(name))
        return false;
    entry.remove_prefix(name.size());
    if (!entry.starts_with(kTemporaryInfix))
        return false;
    entry.remove_prefix(kTemporaryInfix.size());
    const std::size_t dash = entry.find('-');
    if (dash == 0 || dash == std::string_view::npos || dash > 10 || entry.size() != dash + 1 + kTemporaryRandom)
        return false;
    for (std::size_t i = 0; i < entry.size(); ++i) {
        const char ch = entry[i];
        const bool digit = ch >= '0' && ch <= '9';
        const bool letter = (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
        if (i < dash ? !digit : i > dash && !digit && !letter)
            return false;
    }
    return true;
}

// The temporary files that saves of this file left when they were killed;
// a live save's file and anything else stay.
void RemoveLeftovers(const std::string& folder, const std::string& name)
{
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir.get())) {
        if (!IsTemporaryOf(entry->d_name, name))
            continue;
        const std::string path = folder + '/' + entry->d_name;
        FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat opened {
        }, named{};
        if (fd.get() < 0 || ::fstat(fd.get(), &opened) != 0 || !S_ISREG(opened.st_mode) ||
            ::flock(fd.get(), LOCK_EX | LOCK_NB) != 0)
            continue;
        // Still the file that was locked: a save that made it gave up its lock.
        if (::lstat(path.c_str(), &named) == 0 && named.st_ino == opened.st_ino && named.st_dev == opened.st_dev)
            ::unlink(path.c_str());
    }
}

// A new temporary file beside target, locked for this save.
int MakeTemporary(const std::string& target, std::string& temporary)
{
    for (int attempt = 0; attempt < 8; ++attempt) {
        temporary = target + std::string(kTemporaryInfix) + std::to_string(::getpid()) + '-' +
                    std::string(kTemporaryRandom, 'X');
        const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
        if (fd < 0)
            return -1;
        // A cleaner may have taken it in the moment before the lock: then anew.
        struct stat opened {
        }, named{};
        if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &opened) == 0 && ::lstat(temporary.c_str(), &named) == 0 &&
            named.st_ino == opened.st_ino && named.st_dev == opened.st_dev)
            return fd;
        ::close(fd);
    }
    return -1;
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

// The new file gets the old one's mode, owner and group: a save by another
// user (root through sudo) must not leave a file its owner cannot write.
StoreFailure KeepOwnership(int fd, const FileText& old)
{
    if (::fchmod(fd, old.mode) != 0)
        return StoreFailure::Failed;
    if (old.status != KeyStatus::Read)
        return StoreFailure::None;
    if (old.owner != ::geteuid())
        return ::fchown(fd, old.owner, old.group) == 0 ? StoreFailure::None : StoreFailure::NotOwner;
    // Only a member of the group can keep it; the owner keeps the file anyway,
    // so a refusal is no failure.
    [[maybe_unused]] const int groupKept = ::fchown(fd, static_cast<uid_t>(-1), old.group);
    return StoreFailure::None;
}

}  // namespace

std::u16string KeyLocation(std::u16string_view path) { return Utf16(KeyFile(path)); }

KeyValues ReadKey(std::u16string_view path)
{
    const std::string location = KeyFile(path);
    if (location.empty())
        return {};
    const FileText file = ReadKeyFile(location);
    KeyValues key{file.status, {}};
    for (const auto& [name, text] : ReadIniValues(file.text))
        key.texts.emplace(TextOf(name), TextOf(text));
    return key;
}

// The whole key goes to a new file beside the one it replaces, which it then
// replaces in one rename; a link to the key's file stays a link.
StoreFailure WriteKey(std::u16string_view path, const std::vector<std::pair<std::u16string, std::uint32_t>>& values)
{
    const std::string location = KeyFile(path);
    if (location.empty())
        return StoreFailure::Failed;
    const std::string target = SaveTarget(location);
    if (target.empty())
        return StoreFailure::Failed;
    const std::string folder = FolderOf(target);
    if (!MakeFolders(folder))
        return StoreFailure::Failed;

    // Never replace what could not be read whole: it would be lost.
    const FileText old = ReadKeyFile(target);
    if (old.status == KeyStatus::Unreadable)
        return StoreFailure::Failed;
    if (old.status == KeyStatus::Read && (old.mode & S_IWUSR) == 0)
        return StoreFailure::ReadOnly;
    std::vector<std::pair<std::string, std::uint32_t>> update;
    for (const auto& [name, value] : values)
        update.emplace_back(Utf8(name), value);
    const std::string text = WriteIniValues(old.text, update);
    // A file the next load would refuse must not be reported as saved.
    if (text.size() > static_cast<std::size_t>(kMaxKeyFileSize))
        return StoreFailure::Failed;

    RemoveLeftovers(folder, NameOf(target));
    std::string temporary;
    FileDescriptor fd(MakeTemporary(target, temporary));
    if (fd.get() < 0)
        return StoreFailure::Failed;
    StoreFailure failure = KeepOwnership(fd.get(), old);
    if (failure == StoreFailure::None &&
        !(WriteAll(fd.get(), text) && ::fsync(fd.get()) == 0 && ::rename(temporary.c_str(), target.c_str()) == 0))
        failure = StoreFailure::Failed;
    if (failure != StoreFailure::None) {
        ::unlink(temporary.c_str());
        return failure;
    }
    // The lock goes with the descriptor, after the rename.
    if (!fd.Close())
        return StoreFailure::Failed;
    // Renamed but not durable: a crash now could bring the old file back.
    return SyncFolder(folder) ? StoreFailure::None : StoreFailure::Failed;
}

bool RemoveKey(std::u16string_view path)
{
    const std::string location = KeyFile(path);
    if (location.empty())
        return true;
    struct stat info {};
    if (::lstat(location.c_str(), &info) != 0)
        return errno == ENOENT;
    if (S_ISDIR(info.st_mode))
        return false;
    return ::unlink(location.c_str()) == 0 || errno == ENOENT;
}

}  // namespace abacor::store
