#include "platform/store/StateFile.h"

#ifdef _WIN32
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#else
#include <cstdlib>
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

std::optional<std::string> ReadStateFile(const std::filesystem::path& path, std::size_t limit)
{
    std::error_code failed;
    if (!std::filesystem::is_regular_file(path, failed) || std::filesystem::file_size(path, failed) > limit || failed)
        return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    std::string text(std::istreambuf_iterator<char>(file), {});
    if (file.bad() || text.size() > limit)
        return std::nullopt;
    return text;
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

bool WriteStateFile(const std::filesystem::path& path, const std::string& text)
{
    // What is no regular file (a FIFO, a folder) is someone's own doing: kept.
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
        return false;
    return store::ReplaceFile(path.native(), text) == StoreFailure::None;
}

#endif

}  // namespace abacor
