#include "platform/store/PosixFile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace abacor::store {

namespace {

std::string NameOf(const std::string& file) { return file.substr(file.rfind('/') + 1); }

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

}  // namespace

FileText ReadRegularFile(const std::string& path, off_t limit)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return {errno == ENOENT ? KeyStatus::Missing : KeyStatus::Unreadable, {}};
    if (!S_ISREG(info.st_mode) || info.st_size > limit)
        return {KeyStatus::Unreadable, {}};
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0)
        return {errno == ENOENT ? KeyStatus::Missing : KeyStatus::Unreadable, {}};
    // The path may have changed since the stat.
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return {KeyStatus::Unreadable, {}};
    std::optional<std::string> text = ReadAtMost(fd.get(), static_cast<std::size_t>(limit));
    if (!text || text->size() > static_cast<std::size_t>(limit))
        return {KeyStatus::Unreadable, {}};
    return {KeyStatus::Read, std::move(*text), static_cast<mode_t>(info.st_mode & 07777), info.st_uid, info.st_gid};
}

std::optional<std::string> ReadAtMost(int fd, std::size_t limit)
{
    std::string text;
    char chunk[64 * 1024];
    while (text.size() <= limit) {
        const ssize_t got = ::read(fd, chunk, std::min(sizeof chunk, limit + 1 - text.size()));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        text.append(chunk, static_cast<std::size_t>(got));
    }
    return text;
}

// The file a save must replace: the file named, or the target of a link to it.
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

std::string FolderOf(const std::string& file)
{
    // A bare name is in the working folder, "/name" in the root.
    const std::size_t slash = file.rfind('/');
    return slash == std::string::npos ? std::string(".") : slash == 0 ? std::string("/") : file.substr(0, slash);
}

StoreFailure ReplaceFile(const std::string& target, const std::string& text,
                         const std::function<StoreFailure(int)>& prepare)
{
    const std::string folder = FolderOf(target);
    RemoveLeftovers(folder, NameOf(target));
    std::string temporary;
    FileDescriptor fd(MakeTemporary(target, temporary));
    if (fd.get() < 0)
        return StoreFailure::Failed;
    StoreFailure failure = prepare ? prepare(fd.get()) : StoreFailure::None;
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

}  // namespace abacor::store
