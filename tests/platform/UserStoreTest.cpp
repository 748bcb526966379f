#include "platform/store/UserStore.h"
#include "platform/store/StateFile.h"
#include "tests/settings/TempStore.h"
#include "text/Utf.h"

namespace abacor::test {
namespace {

using UserStore = TempStore;

TEST_F(UserStore, KeysMapToFilesUnderTheConfigurationDirectory)
{
    EXPECT_EQ(UserStoreKey::Location(u"\\Software\\Korvel\\Abacor"), Utf16(ConfigDir() + "/Korvel/Abacor.conf"));
    EXPECT_EQ(UserStoreKey::Location(u"\\Software\\Sharp\\PhoneStatus"),
              Utf16(ConfigDir() + "/Sharp/PhoneStatus.conf"));
}

TEST_F(UserStore, OpeningAMissingKeyForReadingCreatesNothing)
{
    EXPECT_FALSE(UserStoreKey::OpenForRead(u"\\Software\\Sharp\\PhoneStatus").has_value());
    EXPECT_TRUE(ConfigDirIsEmpty());
}

TEST_F(UserStore, ValuesWrittenTogetherAreReadBack)
{
    {
        auto key = UserStoreKey::CreateOrOpen(u"\\Software\\Sharp\\PhoneStatus");
        ASSERT_TRUE(key.has_value());
        key->SetValue(u"Status22", 7);
        key->SetValue(u"Other", 0xFFFFFFFFu);
        ASSERT_TRUE(key->Close());
    }
    const auto key = UserStoreKey::OpenForRead(u"\\Software\\Sharp\\PhoneStatus");
    ASSERT_TRUE(key.has_value());
    EXPECT_EQ(key->QueryText(u"status22"), u"7") << "names match without regard to case";
    EXPECT_EQ(key->QueryText(u"Other"), u"4294967295");
    EXPECT_EQ(key->QueryText(u"Missing"), std::nullopt);

    // Writing one value keeps the key's others.
    {
        auto again = UserStoreKey::CreateOrOpen(u"\\Software\\Sharp\\PhoneStatus");
        ASSERT_TRUE(again.has_value());
        again->SetValue(u"Status22", 8);
        ASSERT_TRUE(again->Close());
    }
    const auto reread = UserStoreKey::OpenForRead(u"\\Software\\Sharp\\PhoneStatus");
    ASSERT_TRUE(reread.has_value());
    EXPECT_EQ(reread->QueryText(u"Status22"), u"8");
    EXPECT_EQ(reread->QueryText(u"Other"), u"4294967295");
}

TEST_F(UserStore, AnEmptyCreatedKeyExists)
{
    auto created = UserStoreKey::CreateOrOpen(u"\\Software\\Sharp\\PhoneStatus");
    ASSERT_TRUE(created.has_value());
    ASSERT_TRUE(created->Close());
    EXPECT_TRUE(UserStoreKey::OpenForRead(u"\\Software\\Sharp\\PhoneStatus").has_value());
    EXPECT_TRUE(UserStoreKey::DeleteKey(u"\\Software\\Sharp\\PhoneStatus"));
    EXPECT_FALSE(UserStoreKey::OpenForRead(u"\\Software\\Sharp\\PhoneStatus").has_value());
}

// A file the user names: a size that lies (procfs says 0) is read only to the
// limit and a byte; a read error (EIO) and what is no regular file are
// outcomes, never an abort or a wait.
TEST(UserFile, ReadsNeverBeyondItsLimitAndNeverAborts)
{
    struct Row {
        const char* path;
        std::size_t limit;
        FileRead status;
    };
    for (const Row& row :
         {Row{"/proc/self/status", 1 << 20, FileRead::Read}, Row{"/proc/self/status", 16, FileRead::TooBig},
          Row{"/proc/self/mem", 1 << 20, FileRead::Unreadable}, Row{"/", 1 << 20, FileRead::NotRegular},
          Row{"/nonexistent/file", 1 << 20, FileRead::Missing}}) {
        const FileBytes read = ReadUserFile(row.path, row.limit);
        EXPECT_EQ(read.status, row.status) << row.path << " " << row.limit;
        EXPECT_LE(read.bytes.size(), row.limit);
    }
}

}  // namespace
}  // namespace abacor::test
