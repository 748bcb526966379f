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
#include "platform/store/PosixFile.h"
#include "text/Utf.h"

namespace abacor::store {

namespace {

// A key of 32-bit values is a small file; anything bigger is not one of ours.
constexpr off_t kMaxKeyFileSize = 1024 * 1024;

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

}  // namespace

std::u16string KeyLocation(std::u16string_view path) { return Utf16(KeyFile(path)); }

KeyValues ReadKey(std::u16string_view path)
{
    const std::string location = KeyFile(path);
    if (location.empty())
        return {};
    const FileText file = ReadRegularFile(location, kMaxKeyFileSize);
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
    const FileText old = ReadRegularFile(target, kMaxKeyFileSize);
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

    return ReplaceFile(target, text, [&old](int fd) { return KeepOwnership(fd, old); });
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
