// The editor against a store that another process reads while it saves, and
// against a store that breaks under it.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/store/UserStore.h"
#include "settings/SettingsStore.h"
#include "tests/editor/EditorFixture.h"

namespace abacor::test {
namespace {

CalculatorSettings Distinct(std::uint32_t base)
{
    CalculatorSettings settings = DefaultSettings();
    // Within each value's range, which loads it back.
    for (const SettingDescriptor& entry : kSettingsTable) {
        ++base;
        settings.*entry.field = entry.maximum == 0xFFFFFFFFu ? entry.defaultValue + base : base % (entry.maximum + 1);
    }
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
    SettingsSheet& s = Open();

    QProcess reader;
    // The helper is built beside the tests.
    reader.start(QCoreApplication::applicationDirPath() + QStringLiteral("/abacor_store_reader"),
                 {QStringLiteral("1000")});
    ASSERT_TRUE(reader.waitForStarted());
    int saves = 0;
    while (reader.state() != QProcess::NotRunning) {
        for (const SettingDescriptor& value : kSettingsTable)
            s.SetValue(value.field, (saves % 2 ? first : second).*value.field);
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
    SettingsSheet& s = Open();
    Click(page1().controls().Check(IdcGradation));
    ASSERT_TRUE(QDir(ConfigDir()).removeRecursively());
    s.OnCommand(IdSave);
    EXPECT_EQ(asked.back().text, "設定を保存しました。");
    EXPECT_EQ(LoadSettings().GradationFlg, 1u);
}

TEST_F(StoreFaults, AStoreThatCannotBeWrittenAnyMoreKeepsTheCopyUnsaved)
{
    ASSERT_TRUE(SaveSettings(Distinct(1)));
    SettingsSheet& s = Open();
    Click(page1().controls().Check(IdcGradation));
    const CalculatorSettings copy = s.settings();
    // Writes fail from here on: a read-only folder for a user, a file-size
    // limit for root, who may write anywhere.
    ASSERT_TRUE(
        QFile::setPermissions(ConfigDir() + QStringLiteral("/Korvel"), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    {
        const ScopedFileSizeLimit limit;
        s.OnCommand(IdSave);
    }
    QFile::setPermissions(ConfigDir() + QStringLiteral("/Korvel"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    EXPECT_EQ(asked.back().text, "設定を保存できませんでした。");
    EXPECT_EQ(s.modified(), 1);
    EXPECT_EQ(s.settings(), copy);
    EXPECT_EQ(LoadSettings(), Distinct(1)) << "the stored record is intact";
}

// What lstat says of a path, to show it was left as it was.
std::string Kind(const QString& path)
{
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return "missing";
    return S_ISLNK(info.st_mode)    ? "link"
           : S_ISDIR(info.st_mode)  ? "dir"
           : S_ISFIFO(info.st_mode) ? "fifo"
           : S_ISSOCK(info.st_mode) ? "socket"
           : S_ISREG(info.st_mode)  ? "file"
                                    : "other";
}

void Link(const QString& target, const QString& link)
{
    ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()), 0);
}

// Store paths that are not a plain, readable key file: the load gives
// defaults at once, the editor's save fails with its message at once, and
// the path is left exactly as it was.
TEST_F(StoreFaults, PathsThatAreNoKeyFileLoadDefaultsAndAreNeverReplaced)
{
    ::alarm(20);  // a save that blocks fails the test instead of hanging it
    const QString file = StoreFile();
    const QString folder = ConfigDir() + QStringLiteral("/Korvel");
    QByteArray oversized(1024 * 1024 + 1, 'x');
    oversized.prepend("[General]\nTaxPercent=800\n");
    const struct {
        const char* name;
        std::function<void()> make;
        std::string kind;
    } cases[] = {
        {"directory", [&] { QDir().mkpath(file); }, "dir"},
        {"fifo", [&] { ::mkfifo(QFile::encodeName(file).constData(), 0600); }, "fifo"},
        {"socket",
         [&] {
             sockaddr_un address{};
             address.sun_family = AF_UNIX;
             std::strncpy(address.sun_path, QFile::encodeName(file).constData(), sizeof address.sun_path - 1);
             const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
             ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
             ::close(fd);
         },
         "socket"},
        {"link to a device", [&] { Link(QStringLiteral("/dev/zero"), file); }, "link"},
        {"link to itself", [&] { Link(file, file); }, "link"},
        {"dangling link", [&] { Link(folder + QStringLiteral("/elsewhere/Abacor.conf"), file); }, "link"},
        {"oversized file", [&] { WriteStoreFile(oversized); }, "file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(QDir().mkpath(folder));
        c.make();
        ASSERT_EQ(Kind(file), c.kind);
        const QStringList before = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        EXPECT_EQ(LoadSettings(), DefaultSettings());
        SettingsSheet& s = Open();
        Click(page1().controls().Check(IdcGradation));
        s.OnCommand(IdSave);
        EXPECT_EQ(asked.back().text, "設定を保存できませんでした。");
        EXPECT_EQ(s.modified(), 1);
        EXPECT_EQ(Kind(file), c.kind);
        EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
        if (c.kind == "file") {
            EXPECT_EQ(ReadStoreFile(), oversized);
        }
        EXPECT_FALSE(QFileInfo::exists(folder + QStringLiteral("/elsewhere")));
        ASSERT_TRUE(QDir(folder).removeRecursively());
    }
    ::alarm(0);
}

TEST_F(StoreFaults, AHandEditedFileKeepsEveryReadableValueThroughASave)
{
    const QByteArray edited = "; my calculator\n[General]\ntaxpercent=800\n[Notes\nCommaFormatFlg = 1\n"
                              "ButtonBackColor1=0x669933\nnot a value\n[Notes]\nTaxPercent=5\n";
    WriteStoreFile(edited);
    ASSERT_TRUE(QFile::setPermissions(StoreFile(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                       QFileDevice::ReadGroup | QFileDevice::ReadOther));
    CalculatorSettings expected = DefaultSettings();
    expected.TaxPercent = 800;
    expected.CommaFormatFlg = 1;
    expected.ButtonBackColor1 = 0x669933;
    ASSERT_EQ(LoadSettings(), expected);

    SettingsSheet& s = Open();
    EXPECT_EQ(s.settings(), expected);
    Click(page1().controls().Check(IdcGradation));
    s.OnCommand(IdSave);
    ASSERT_EQ(asked.back().text, "設定を保存しました。");
    expected.GradationFlg = 1;
    EXPECT_EQ(LoadSettings(), expected);
    const QByteArray saved = ReadStoreFile();
    for (const char* kept : {"; my calculator\n", "[Notes\n", "not a value\n", "[Notes]\nTaxPercent=5\n"})
        EXPECT_TRUE(saved.contains(kept)) << kept;
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(StoreFile()).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0644u) << "the file's mode is kept";
}

TEST_F(StoreFaults, ASaveWritesThroughALinkAndKeepsTheTargetsMode)
{
    const QString target = ConfigDir() + QStringLiteral("/dotfiles/abacor.conf");
    ASSERT_TRUE(QDir().mkpath(ConfigDir() + QStringLiteral("/dotfiles")));
    ASSERT_TRUE(QDir().mkpath(ConfigDir() + QStringLiteral("/Korvel")));
    {
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[General]\nTaxPercent=1000\n");
    }
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0640), 0);
    Link(QStringLiteral("../dotfiles/abacor.conf"), StoreFile());
    CalculatorSettings settings = LoadSettings();
    ASSERT_EQ(settings.TaxPercent, 1000u);
    settings.CommaFormatFlg = 1;
    ASSERT_TRUE(SaveSettings(settings));
    EXPECT_EQ(Kind(StoreFile()), "link");
    EXPECT_EQ(LoadSettings(), settings);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(QDir(ConfigDir() + QStringLiteral("/dotfiles")).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("abacor.conf")});
}

TEST_F(StoreFaults, ASaveThatWouldOutgrowTheLoadLimitFailsAndKeepsTheFile)
{
    QByteArray notes = "[General]\nTaxPercent=800\n[Notes]\n";
    while (notes.size() < 1024 * 1024 - 200)
        notes += "remark=a note that the user keeps beside the settings\n";
    WriteStoreFile(notes);
    ASSERT_EQ(LoadSettings().TaxPercent, 800u);
    EXPECT_FALSE(SaveSettings(Distinct(2)));
    EXPECT_EQ(ReadStoreFile(), notes);
}

TEST_F(StoreFaults, LeftoversOfAnInterruptedSaveAreClearedAndNothingElse)
{
    WriteStoreFile("[General]\n");
    const QString folder = ConfigDir() + QStringLiteral("/Korvel/");
    for (const char* name :
         {"Abacor.conf.saving-4242-a1B2c3", "Abacor.conf.saving-4243-Zz9999", "Abacor.conf.lock", "Abacor.conf.backup",
          "Abacor.conf.saving-backup", "Abacor.conf.saving-42-a1B2c", "xAbacor.conf.saving-1-abcdef"}) {
        QFile file(folder + QLatin1String(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    // A save in progress elsewhere holds its file locked.
    const QByteArray live = QFile::encodeName(folder + QStringLiteral("Abacor.conf.saving-4243-Zz9999"));
    const int liveFd = ::open(live.constData(), O_RDONLY);
    ASSERT_GE(liveFd, 0);
    ASSERT_EQ(::flock(liveFd, LOCK_EX), 0);
    ASSERT_TRUE(SaveSettings(Distinct(4)));
    ::close(liveFd);
    EXPECT_EQ(
        QDir(folder).entryList(QDir::Files | QDir::Hidden),
        (QStringList{QStringLiteral("Abacor.conf"), QStringLiteral("Abacor.conf.backup"),
                     QStringLiteral("Abacor.conf.lock"), QStringLiteral("Abacor.conf.saving-42-a1B2c"),
                     QStringLiteral("Abacor.conf.saving-4243-Zz9999"), QStringLiteral("Abacor.conf.saving-backup"),
                     QStringLiteral("xAbacor.conf.saving-1-abcdef")}));

    // A link to a name with wildcards: only that name's leftovers are its own.
    const QString other = ConfigDir() + QStringLiteral("/other/");
    ASSERT_TRUE(QDir().mkpath(other));
    for (const char* name : {"a*.conf", "abc.conf.lock", "aQ.conf.saving-1-123456", "[ab].conf", "a.conf.lock"}) {
        QFile file(other + QLatin1String(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QFile::remove(StoreFile()));
    Link(QStringLiteral("../other/a*.conf"), StoreFile());
    ASSERT_TRUE(SaveSettings(Distinct(5)));
    EXPECT_EQ(QDir(other).entryList(QDir::Files | QDir::Hidden).size(), 5);
}

TEST_F(StoreFaults, TwoSavesAtOnceBothSucceed)
{
    const pid_t other = fork();
    ASSERT_GE(other, 0);
    int failures = 0;
    for (int round = 0; round < 200; ++round)
        failures += SaveSettings(Distinct(other == 0 ? 10 : 20)) ? 0 : 1;
    if (other == 0)
        _exit(failures == 0 ? 0 : 1);
    int status = 0;
    waitpid(other, &status, 0);
    EXPECT_EQ(failures, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the other saver failed";
    EXPECT_EQ(QDir(ConfigDir() + QStringLiteral("/Korvel")).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Abacor.conf")});
}

// Hand-written files: after a save of TaxPercent=900 the file loads it, has
// one TaxPercent line, and keeps the rest of its bytes as they were.
TEST_F(StoreFaults, HandWrittenFilesSaveBackAsTheyRead)
{
    const struct {
        const char* file;
        const char* after;
    } cases[] = {
        {"\xEF\xBB\xBFTaxPercent=800\n", "\xEF\xBB\xBFTaxPercent=900\n"},
        {"\xEF\xBB\xBF[General]\r\nMine=keep\r\n", "\xEF\xBB\xBF[General]\r\nMine=keep\r\nTaxPercent=900\r\n"},
        {"TaxPercent=800\rMine=keep\r", "TaxPercent=900\rMine=keep\r"},
        {"[General]\r\nTaxPercent=800\r\nMine=keep", "[General]\r\nTaxPercent=900\r\nMine=keep\r\n"},
        {"Mine=keep\r\rTaxPercent=7\n", "Mine=keep\r\rTaxPercent=900\n"},
        // A mark inside the file belongs to its line's name: that line is no TaxPercent.
        {"a\r\xEF\xBB\xBFTaxPercent=+800\n", "a\r\xEF\xBB\xBFTaxPercent=+800\nTaxPercent=900\r"},
    };
    for (const auto& c : cases) {
        WriteStoreFile(c.file);
        auto key = UserStoreKey::CreateOrOpen(kSettingsKeyPath);
        ASSERT_TRUE(key.has_value());
        key->SetValue(u"TaxPercent", 900);
        ASSERT_TRUE(key->Close()) << c.file;
        EXPECT_EQ(ReadStoreFile(), QByteArray(c.after)) << c.file;
        EXPECT_EQ(LoadSettings().TaxPercent, 900u) << c.file;
    }
    // Names fold alike on both sides, letters beyond ASCII as they stand.
    WriteStoreFile("\xC3\x84"
                   "B=7\n");
    EXPECT_EQ(UserStoreKey::OpenForRead(kSettingsKeyPath)->QueryText(u"ÄB"), u"7");
    EXPECT_EQ(UserStoreKey::OpenForRead(kSettingsKeyPath)->QueryText(u"Äb"), u"7");
}

TEST_F(StoreFaults, AReadOnlyFileIsNotReplacedAndSaysWhy)
{
    WriteStoreFile("[General]\nTaxPercent=800\n");
    ASSERT_EQ(::chmod(QFile::encodeName(StoreFile()).constData(), 0444), 0);
    EXPECT_EQ(SaveSettings(Distinct(3)).failure, StoreFailure::ReadOnly);
    EXPECT_EQ(ReadStoreFile(), QByteArray("[General]\nTaxPercent=800\n"));
}

TEST_F(StoreFaults, AnotherUsersFileKeepsItsOwner)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can save another user's file";
    WriteStoreFile("[General]\nTaxPercent=800\n");
    const QByteArray path = QFile::encodeName(StoreFile());
    ASSERT_EQ(::chown(path.constData(), 65534, 65534), 0);
    ASSERT_TRUE(SaveSettings(Distinct(3)));
    struct stat info {};
    ASSERT_EQ(::stat(path.constData(), &info), 0);
    EXPECT_EQ(info.st_uid, 65534u);
    EXPECT_EQ(info.st_gid, 65534u);
}

TEST_F(StoreFaults, AFolderNameThatIsNoUtf8IsKeptAsItsBytes)
{
    const QByteArray latin = QFile::encodeName(ConfigDir()) + "/lat\xe9n";
    qputenv("XDG_CONFIG_HOME", latin);
    ASSERT_TRUE(SaveSettings(Distinct(6)));
    struct stat info {};
    EXPECT_EQ(::stat((latin + "/Korvel/Abacor.conf").constData(), &info), 0);
    EXPECT_EQ(LoadSettings(), Distinct(6));
    EXPECT_NE(::stat((QFile::encodeName(ConfigDir()) + "/lat\xef\xbf\xbdn").constData(), &info), 0)
        << "no stray folder";
    ASSERT_EQ(::stat((latin + "/Korvel").constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u) << "folders the store makes are the user's alone";
}

TEST_F(StoreFaults, ConfigurationFoldersThatAreNotAbsoluteAreIgnored)
{
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", ConfigDir().toUtf8());
    qputenv("XDG_CONFIG_HOME", "relative/config");
    EXPECT_EQ(QString::fromStdU16String(UserStoreKey::Location(kSettingsKeyPath)),
              ConfigDir() + QStringLiteral("/.config/Korvel/Abacor.conf"));
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("HOME");
    EXPECT_EQ(UserStoreKey::Location(kSettingsKeyPath), u"");
    EXPECT_EQ(LoadSettings(), DefaultSettings());
    EXPECT_FALSE(SaveSettings(Distinct(5)));
    qputenv("HOME", home);
}

}  // namespace
}  // namespace abacor::test
