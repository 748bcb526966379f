#include "platform/store/StateFile.h"

#ifdef _WIN32
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#else
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>

#include "platform/store/PosixFile.h"
#endif

namespace abacor {

namespace {
constexpr char kFolder[] = "Korvel/Abacor";
}  // namespace

#ifdef _WIN32

std::filesystem::path StateFolder()
{
    const wchar_t* local = _wgetenv(L"LOCALAPPDATA");
    if (local == nullptr || !std::filesystem::path(local).is_absolute())
        return {};
    std::filesystem::path folder = std::filesystem::path(local) / kFolder;
    std::error_code failed;
    std::filesystem::create_directories(folder, failed);
    return failed ? std::filesystem::path() : folder;
}

FileBytes ReadUserFile(const std::filesystem::path& path, std::size_t limit)
{
    std::error_code failed;
    if (!std::filesystem::exists(path, failed))
        return {FileRead::Missing, {}};
    if (!std::filesystem::is_regular_file(path, failed))
        return {FileRead::NotRegular, {}};
    if (std::filesystem::file_size(path, failed) > limit || failed)
        return {failed ? FileRead::Unreadable : FileRead::TooBig, {}};
    FileBytes file{FileRead::Read, {}};
    try {
        std::ifstream in(path, std::ios::binary);
        if (!in.is_open())
            return {FileRead::Unreadable, {}};
        char chunk[64 * 1024];
        while (file.bytes.size() <= limit && in.read(chunk, sizeof chunk).gcount() > 0)
            file.bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
        if (in.bad())
            return {FileRead::Unreadable, {}};
    } catch (const std::ios_base::failure&) {
        // The stream buffer throws on a read error, whatever the stream's mask.
        return {FileRead::Unreadable, {}};
    }
    if (file.bytes.size() > limit)
        return {FileRead::TooBig, {}};
    return file;
}

std::optional<std::string> ReadStateFile(const std::filesystem::path& path, std::size_t limit)
{
    FileBytes file = ReadUserFile(path, limit);
    if (file.status != FileRead::Read)
        return std::nullopt;
    return std::move(file.bytes);
}

bool WriteStateFile(const std::filesystem::path& path, const std::string& text)
{
    std::filesystem::path temporary = path;
    temporary += L".saving";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file.write(text.data(), static_cast<std::streamsize>(text.size()));
        file.flush();
        if (!file.good()) {
            file.close();
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    if (MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return false;
}

bool WriteUserFile(const std::filesystem::path& path, const std::string& text) { return WriteStateFile(path, text); }

#else

std::filesystem::path StateFolder()
{
    const char* state = std::getenv("XDG_STATE_HOME");
    const char* home = std::getenv("HOME");
    std::string base;
    if (state != nullptr && state[0] == '/')
        base = state;
    else if (home != nullptr && home[0] == '/')
        base = std::string(home) + "/.local/state";
    else
        return {};
    const std::string folder = base + '/' + kFolder;
    return store::MakeFolders(folder) ? std::filesystem::path(folder) : std::filesystem::path();
}

std::optional<std::string> ReadStateFile(const std::filesystem::path& path, std::size_t limit)
{
    store::FileText file = store::ReadRegularFile(path.native(), static_cast<off_t>(limit));
    if (file.status != store::KeyStatus::Read)
        return std::nullopt;
    return std::move(file.text);
}

FileBytes ReadUserFile(const std::filesystem::path& path, std::size_t limit)
{
    // Opened without blocking and looked at as opened: a name swapped for a
    // FIFO between a look and the open cannot hold the program.
    store::FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0)
        return {errno == ENOENT || errno == ENOTDIR ? FileRead::Missing : FileRead::Unreadable, {}};
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        return {FileRead::Unreadable, {}};
    if (!S_ISREG(info.st_mode))
        return {FileRead::NotRegular, {}};
    if (info.st_size > static_cast<off_t>(limit))
        return {FileRead::TooBig, {}};
    // A size may lie or grow while read: never more than the limit and a byte.
    std::optional<std::string> bytes = store::ReadAtMost(fd.get(), limit);
    if (!bytes)
        return {FileRead::Unreadable, {}};
    if (bytes->size() > limit)
        return {FileRead::TooBig, {}};
    return {FileRead::Read, std::move(*bytes)};
}

bool WriteStateFile(const std::filesystem::path& path, const std::string& text)
{
    // What is no regular file (a FIFO, a folder) is someone's own doing: kept.
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
        return false;
    return store::ReplaceFile(path.native(), text) == StoreFailure::None;
}

bool WriteUserFile(const std::filesystem::path& path, const std::string& text)
{
    const std::string target = store::SaveTarget(path.native());
    if (target.empty())
        return false;
    store::FileText old;
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode))
            return false;
        old = {store::KeyStatus::Read, {}, static_cast<mode_t>(info.st_mode & 07777), info.st_uid, info.st_gid};
    } else if (errno == ENOENT) {
        // As any program makes a file: what the umask leaves of 0666.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        old.mode = 0666 & ~mask;
    } else {
        return false;
    }
    return store::ReplaceFile(target, text, [&old](int fd) { return store::KeepOwnership(fd, old); }) ==
           StoreFailure::None;
}

#endif

}  // namespace abacor
