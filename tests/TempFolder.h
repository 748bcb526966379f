#pragma once

#include <filesystem>
#include <random>
#include <string>

namespace abacor::test {

// A new empty folder under the system's temporary folder, removed with all it
// holds at the end of the scope.
class TempFolder {
public:
    TempFolder()
    {
        std::random_device random;
        for (;;) {
            path_ = std::filesystem::temp_directory_path() / ("abacor-test-" + std::to_string(random()));
            if (std::filesystem::create_directory(path_))
                break;
        }
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path File(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

}  // namespace abacor::test
