#pragma once

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <sys/resource.h>

#include "tests/TempFolder.h"

namespace abacor::test {

// While one lives, no file may grow beyond a few bytes: every write of a new
// store file fails, even for root, who may write anywhere.
class ScopedFileSizeLimit {
public:
    ScopedFileSizeLimit()
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit tiny = previous_;
        tiny.rlim_cur = 16;
        setrlimit(RLIMIT_FSIZE, &tiny);
    }
    ~ScopedFileSizeLimit() { setrlimit(RLIMIT_FSIZE, &previous_); }
    ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
    ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

private:
    rlimit previous_{};
};

// Points the user's configuration directory at a fresh temporary folder,
// so that no test touches the real settings.
class TempStore : public testing::Test {
protected:
    void SetUp() override
    {
        if (const char* previous = std::getenv("XDG_CONFIG_HOME"))
            previous_ = previous;
        setenv("XDG_CONFIG_HOME", folder_.path().c_str(), 1);
    }
    void TearDown() override
    {
        if (previous_)
            setenv("XDG_CONFIG_HOME", previous_->c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
    }

    std::string ConfigDir() const { return folder_.path().string(); }
    std::string StoreFile() const { return ConfigDir() + "/Korvel/Abacor.conf"; }

    void WriteStoreFile(std::string_view content) const
    {
        std::filesystem::create_directories(ConfigDir() + "/Korvel");
        std::ofstream file(StoreFile(), std::ios::binary | std::ios::trunc);
        ASSERT_TRUE(file);
        file.write(content.data(), static_cast<std::streamsize>(content.size()));
    }

    std::string ReadStoreFile() const
    {
        std::ifstream file(StoreFile(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

    bool ConfigDirIsEmpty() const { return std::filesystem::is_empty(folder_.path()); }

private:
    TempFolder folder_;
    std::optional<std::string> previous_;
};

}  // namespace abacor::test
