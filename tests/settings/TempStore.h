#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace abacor::test {

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
