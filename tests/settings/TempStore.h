#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

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
        ASSERT_TRUE(dir_.isValid());
        previous_ = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", dir_.path().toUtf8());
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", previous_); }

    QString ConfigDir() const { return dir_.path(); }
    QString StoreFile() const { return dir_.path() + QStringLiteral("/Korvel/Abacor.conf"); }

    void WriteStoreFile(const QByteArray& content) const
    {
        ASSERT_TRUE(QDir().mkpath(dir_.path() + QStringLiteral("/Korvel")));
        QFile file(StoreFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

    QByteArray ReadStoreFile() const
    {
        QFile file(StoreFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    bool ConfigDirIsEmpty() const
    {
        return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty();
    }

private:
    QTemporaryDir dir_;
    QByteArray previous_;
};

}  // namespace abacor::test
