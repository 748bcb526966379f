// The editor against a store that another process reads while it saves, and
// against a store that breaks under it.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

#include "tests/editor/EditorFixture.h"

namespace abacor::test {
namespace {

CalculatorSettings Distinct(std::uint32_t base)
{
    CalculatorSettings settings = DefaultSettings();
    for (const SettingDescriptor& entry : kSettingsTable)
        settings.*entry.field = entry.defaultValue + ++base;
    return settings;
}

QString Line(const CalculatorSettings& settings)
{
    QString line;
    for (const SettingDescriptor& entry : kSettingsTable)
        line += QString::number(settings.*entry.field) + u' ';
    return line;
}

using StoreFaults = Editor;

TEST_F(StoreFaults, AReaderInAnotherProcessSeesWholeRecordsWhileTheEditorSaves)
{
    const CalculatorSettings first = Distinct(10);
    const CalculatorSettings second = Distinct(5000);
    ASSERT_TRUE(SaveSettings(first));
    CPropertySheet1& s = Open();

    QProcess reader;
    // The helper is built beside the tests.
    reader.start(QCoreApplication::applicationDirPath() + QStringLiteral("/abacor_store_reader"),
                 {QStringLiteral("1000")});
    ASSERT_TRUE(reader.waitForStarted());
    int saves = 0;
    while (reader.state() != QProcess::NotRunning) {
        s.m_settings = saves % 2 ? first : second;
        s.OnCommand(IdSave);
        ++saves;
        reader.waitForFinished(0);
    }
    ASSERT_EQ(reader.exitCode(), 0);
    const QStringList lines = QString::fromLocal8Bit(reader.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1000);
    int torn = 0;
    for (const QString& line : lines)
        torn += line == Line(first) || line == Line(second) ? 0 : 1;
    EXPECT_EQ(torn, 0) << "of 1000 loads during " << saves << " saves";
    EXPECT_GT(saves, 1);
    for (const Asked& a : asked)
        ASSERT_EQ(a.text, "設定を保存しました。");
}

TEST_F(StoreFaults, AConfigurationFolderThatDisappearsIsMadeAgain)
{
    CPropertySheet1& s = Open();
    Click(page1().controls().Check(IdcGradation));
    ASSERT_TRUE(QDir(ConfigDir()).removeRecursively());
    s.OnCommand(IdSave);
    EXPECT_EQ(asked.back().text, "設定を保存しました。");
    EXPECT_EQ(LoadSettings().GradationFlg, 1u);
}

TEST_F(StoreFaults, AStoreThatCannotBeWrittenAnyMoreKeepsTheCopyUnsaved)
{
    ASSERT_TRUE(SaveSettings(Distinct(1)));
    CPropertySheet1& s = Open();
    Click(page1().controls().Check(IdcGradation));
    const CalculatorSettings copy = s.m_settings;
    // Writes fail from here on: a read-only folder for a user, a file-size
    // limit for root, who may write anywhere.
    ASSERT_TRUE(QFile::setPermissions(ConfigDir() + QStringLiteral("/Korvel"),
                                      QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit tiny = previous;
    tiny.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    s.OnCommand(IdSave);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &previous), 0);
    QFile::setPermissions(ConfigDir() + QStringLiteral("/Korvel"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    EXPECT_EQ(asked.back().text, "設定を保存できませんでした。");
    EXPECT_EQ(s.m_bModified, 1);
    EXPECT_EQ(s.m_settings, copy);
    EXPECT_EQ(LoadSettings(), Distinct(1)) << "the stored record is intact";
}

TEST_F(StoreFaults, BrokenStoreFilesLoadDefaults)
{
    const QString file = StoreFile();
    ASSERT_TRUE(QDir().mkpath(ConfigDir() + QStringLiteral("/Korvel")));

    ASSERT_TRUE(QDir().mkpath(file));
    EXPECT_EQ(LoadSettings(), DefaultSettings()) << "a directory";
    ASSERT_TRUE(QDir(file).removeRecursively());

    ASSERT_EQ(::symlink(QFile::encodeName(file).constData(), QFile::encodeName(file).constData()), 0);
    EXPECT_EQ(LoadSettings(), DefaultSettings()) << "a symlink to itself";
    EXPECT_TRUE(SaveSettings(Distinct(3))) << "a save replaces the broken link";
    EXPECT_EQ(LoadSettings(), Distinct(3));
    ASSERT_TRUE(QFile::remove(file));

    QByteArray garbage(10 * 1024 * 1024, '\0');
    std::uint32_t x = 12345;
    for (char& byte : garbage) {
        x = x * 1103515245u + 12345u;
        byte = static_cast<char>(x >> 24);
    }
    WriteStoreFile(garbage);
    EXPECT_EQ(LoadSettings(), DefaultSettings()) << "10 MB of garbage";
    ASSERT_TRUE(SaveSettings(Distinct(7)));
    EXPECT_LT(QFileInfo(file).size(), 4096) << "a save writes a record, not the garbage again";
    EXPECT_EQ(LoadSettings(), Distinct(7));
}

}  // namespace
}  // namespace abacor::test
