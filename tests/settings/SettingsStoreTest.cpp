#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "settings/SettingsStore.h"
#include "tests/settings/TempStore.h"

namespace abacor::test {
namespace {

// A record in which every value differs from its default and from Other().
CalculatorSettings Distinct(std::uint32_t base)
{
    CalculatorSettings settings = DefaultSettings();
    std::uint32_t n = base;
    // Within each value's range, which loads it back.
    for (const SettingDescriptor& entry : kSettingsTable) {
        ++n;
        settings.*entry.field = entry.maximum == 0xFFFFFFFFu ? entry.defaultValue + n : n % (entry.maximum + 1);
    }
    return settings;
}

using SettingsStore = TempStore;

TEST_F(SettingsStore, NoKeyGivesEveryDefaultAndCreatesNothing)
{
    EXPECT_EQ(LoadSettings(), DefaultSettings());
    EXPECT_TRUE(ConfigDirIsEmpty());
}

TEST_F(SettingsStore, SaveThenLoadReturnsExactlyWhatWasSaved)
{
    const CalculatorSettings saved = Distinct(1000);
    ASSERT_TRUE(SaveSettings(saved));
    EXPECT_EQ(LoadSettings(), saved);
    // Every value is written even when none differs from its default.
    ASSERT_TRUE(SaveSettings(DefaultSettings()));
    const std::string text = ReadStoreFile();
    for (const SettingDescriptor& entry : kSettingsTable)
        EXPECT_NE(text.find(std::string(entry.name) + '='), std::string::npos) << entry.name;
    EXPECT_EQ(LoadSettings(), DefaultSettings());
}

TEST_F(SettingsStore, ExtremeValuesSurviveTheRoundTrip)
{
    CalculatorSettings saved = DefaultSettings();
    saved.TaxPercent = 0xFFFFFFFFu;
    saved.DialogBackColor = 0x80000000u;
    saved.CommaFormatFlg = 2;
    ASSERT_TRUE(SaveSettings(saved));
    EXPECT_EQ(LoadSettings(), saved);
}

TEST_F(SettingsStore, DeleteThenLoadGivesDefaults)
{
    ASSERT_TRUE(SaveSettings(Distinct(5)));
    ASSERT_TRUE(DeleteSettings());
    EXPECT_FALSE(std::filesystem::exists(StoreFile()));
    EXPECT_TRUE(std::filesystem::is_directory(ConfigDir() + "/Korvel")) << "the parent key stays";
    EXPECT_EQ(LoadSettings(), DefaultSettings());
    EXPECT_TRUE(DeleteSettings()) << "nothing to delete is not a failure";
}

TEST_F(SettingsStore, MissingAndUnreadableValuesTakeTheirOwnDefaults)
{
    WriteStoreFile("[General]\n"
                   "DialogBackColor=255\n"
                   "StaticBackColor=hello\n"
                   "StaticTextColor=1099511627776\n"
                   "StaticLineColor=\n"
                   "ButtonBackColor1=0x00FF00\n"
                   "ButtonBackColor2=-1\n"
                   "ButtonBackColor3=1,2\n"
                   "ButtonBackColor4=-2147483649\n"
                   "ButtonGradColor1=4294967295\n"
                   "CommaFormatFlg=2\n"
                   "TaxPercent=800\n");
    CalculatorSettings expected = DefaultSettings();
    expected.DialogBackColor = 255;
    expected.ButtonBackColor1 = 0x00FF00;
    expected.ButtonGradColor1 = 0xFFFFFFFFu;
    expected.CommaFormatFlg = 2;
    expected.TaxPercent = 800;
    EXPECT_EQ(LoadSettings(), expected);
}

TEST_F(SettingsStore, DeskSettingsLoadWithinTheirRangesAndSaveBackUnchanged)
{
    WriteStoreFile("[General]\nRoundSelector=3\nDecimalSelector=6\nGrandTotalFlg=1\nDeskTaxFlg=2\nTaxPercent2=2001\n"
                   "TapeKeepFlg=0\nKeepStateFlg=2\n");
    CalculatorSettings expected = DefaultSettings();
    expected.RoundSelector = 3;
    expected.GrandTotalFlg = 1;
    expected.TapeKeepFlg = 0;
    EXPECT_EQ(LoadSettings(), expected) << "out of range: the default";

    std::string file = "[General]\n";
    CalculatorSettings stored = DefaultSettings();
    stored.RoundSelector = 1;
    stored.DecimalSelector = 5;
    stored.DeskTaxFlg = 1;
    stored.TaxPercent2 = 1000;
    stored.KeepStateFlg = 1;
    for (const SettingDescriptor& entry : kSettingsTable)
        file += std::string(entry.name) + '=' + std::to_string(stored.*entry.field) + '\n';
    WriteStoreFile(file);
    ASSERT_EQ(LoadSettings(), stored);
    ASSERT_TRUE(SaveSettings(LoadSettings()));
    EXPECT_EQ(ReadStoreFile(), file);
}

TEST_F(SettingsStore, GarbageFilesLoadDefaultsWithoutCrashing)
{
    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += char((i * 7919) % 256);
    WriteStoreFile(garbage);
    EXPECT_EQ(LoadSettings(), DefaultSettings());

    WriteStoreFile("[General]\nDialogBackColor=12\nStaticBackCo");
    CalculatorSettings expected = DefaultSettings();
    expected.DialogBackColor = 12;
    EXPECT_EQ(LoadSettings(), expected);

    WriteStoreFile("");
    EXPECT_EQ(LoadSettings(), DefaultSettings());
}

TEST_F(SettingsStore, AStoreFileThatIsADirectoryLoadsDefaultsAndCannotBeSaved)
{
    ASSERT_TRUE(std::filesystem::create_directories(StoreFile()));
    EXPECT_EQ(LoadSettings(), DefaultSettings());
    EXPECT_FALSE(SaveSettings(Distinct(3)));
    EXPECT_FALSE(DeleteSettings());
}

TEST_F(SettingsStore, ASaveThatCannotReachTheDiskFailsAndKeepsThePreviousRecord)
{
    const CalculatorSettings before = Distinct(100);
    ASSERT_TRUE(SaveSettings(before));
    const std::string fileBefore = ReadStoreFile();

    bool saved = true;
    {
        const ScopedFileSizeLimit limit;
        saved = static_cast<bool>(SaveSettings(Distinct(200)));
    }

    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadStoreFile(), fileBefore);
    EXPECT_EQ(LoadSettings(), before) << "a failed save must not show through later loads";
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(ConfigDir() + "/Korvel"))
        files.push_back(entry.path().filename().string());
    EXPECT_EQ(files, std::vector<std::string>{"Abacor.conf"}) << "no half-written file is left behind";
}

TEST_F(SettingsStore, AConfigurationDirectoryThatCannotBeCreatedFailsTheSave)
{
    // The configuration "directory" is a plain file.
    const std::string blocker = ConfigDir() + "/blocked";
    ASSERT_TRUE(std::ofstream(blocker));
    setenv("XDG_CONFIG_HOME", blocker.c_str(), 1);
    EXPECT_FALSE(SaveSettings(Distinct(1)));
    EXPECT_EQ(LoadSettings(), DefaultSettings());
}

TEST_F(SettingsStore, AReaderRacingAWriterSeesAWholeRecord)
{
    const CalculatorSettings first = Distinct(10);
    const CalculatorSettings second = Distinct(5000);
    ASSERT_TRUE(SaveSettings(first));

    const pid_t writer = fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
        bool ok = true;
        for (int round = 0; round < 300; ++round)
            ok = SaveSettings(round % 2 ? first : second) && ok;
        _exit(ok ? 0 : 1);
    }
    int loads = 0;
    int torn = 0;
    int status = 0;
    while (waitpid(writer, &status, WNOHANG) == 0) {
        const CalculatorSettings read = LoadSettings();
        ++loads;
        if (!(read == first) && !(read == second))
            ++torn;
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the writer failed";
    EXPECT_EQ(torn, 0) << "of " << loads << " loads";
    EXPECT_GT(loads, 0);
}

}  // namespace
}  // namespace abacor::test
