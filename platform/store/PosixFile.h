#pragma once

// Files of the user's own, on POSIX systems: read without blocking on what
// is no regular file and never beyond a limit, replaced whole in one rename
// or not at all. Paths are the environment's bytes.
#include <functional>
#include <optional>
#include <string>
#include <sys/types.h>
#include <unistd.h>

#include "platform/store/KeyBackend.h"
#include "platform/store/UserStore.h"

namespace abacor::store {

// Folders the store creates are the user's alone.
inline constexpr mode_t kFolderMode = 0700;

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

struct FileText {
    KeyStatus status = KeyStatus::Missing;
    std::string text;
    mode_t mode = 0600;
    uid_t owner = 0;
    gid_t group = 0;
};

// A regular file's text, read without blocking and never beyond limit.
FileText ReadRegularFile(const std::string& path, off_t limit);
// What a descriptor gives up to limit and one byte more (so that more than
// limit shows, whatever a size said); none on a read error.
std::optional<std::string> ReadAtMost(int fd, std::size_t limit);
std::string FolderOf(const std::string& file);
// The file a save of location replaces: location, or the target of a link
// (the link stays a link); empty when it cannot be known (a dangling link).
std::string SaveTarget(const std::string& location);
// The new file gets the old one's mode, owner and group: a save by another
// user (root through sudo) must not leave a file its owner cannot write.
StoreFailure KeepOwnership(int fd, const FileText& old);
// The folder and those above it, each one made that is missing; an existing
// folder's mode is left alone.
bool MakeFolders(const std::string& folder);
// target's text replaced by text in one rename, durable when it returns
// None; prepare is given the new file first (its mode and owner).
StoreFailure ReplaceFile(const std::string& target, const std::string& text,
                         const std::function<StoreFailure(int)>& prepare = {});

}  // namespace abacor::store
