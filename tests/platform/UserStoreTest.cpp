#include "platform/store/UserStore.h"
#include "tests/settings/TempStore.h"

namespace abacor::test {
namespace {

TEST(ParseStoredValue, AcceptsWhole32BitNumbers)
{
    const struct {
        const char16_t* text;
        std::optional<std::uint32_t> value;
    } cases[] = {
        {u"0", 0u},           {u"13158600", 13158600u}, {u"4294967295", 0xFFFFFFFFu},
        {u"-1", 0xFFFFFFFFu}, {u"-2147483648", 0x80000000u}, {u"0xC8C8C8", 0xC8C8C8u},
        {u"0XffFFffFF", 0xFFFFFFFFu}, {u" 42 ", 42u},   {u"+7", 7u},
        {u"4294967296", std::nullopt}, {u"1099511627776", std::nullopt}, {u"-2147483649", std::nullopt},
        {u"", std::nullopt},  {u"text", std::nullopt}, {u"12abc", std::nullopt}, {u"1.5", std::nullopt},
        {u"0x", std::nullopt}, {u"0x100000000", std::nullopt}, {u"--1", std::nullopt}, {u"-0x1", 0xFFFFFFFFu},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseStoredValue(c.text), c.value) << QString::fromUtf16(c.text).toStdString();
}

using UserStore = TempStore;

TEST_F(UserStore, KeysMapToFilesUnderTheConfigurationDirectory)
{
    EXPECT_EQ(UserStoreKey::Location(u"\\Software\\Korvel\\Abacor"), ConfigDir() + QStringLiteral("/Korvel/Abacor.conf"));
    EXPECT_EQ(UserStoreKey::Location(u"\\Software\\Sharp\\PhoneStatus"),
              ConfigDir() + QStringLiteral("/Sharp/PhoneStatus.conf"));
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
    EXPECT_EQ(key->QueryValue(u"Status22"), 7u);
    EXPECT_EQ(key->QueryValue(u"Other"), 0xFFFFFFFFu);
    EXPECT_EQ(key->QueryValue(u"Missing"), std::nullopt);

    // Writing one value keeps the key's others.
    {
        auto again = UserStoreKey::CreateOrOpen(u"\\Software\\Sharp\\PhoneStatus");
        ASSERT_TRUE(again.has_value());
        again->SetValue(u"Status22", 8);
        ASSERT_TRUE(again->Close());
    }
    const auto reread = UserStoreKey::OpenForRead(u"\\Software\\Sharp\\PhoneStatus");
    ASSERT_TRUE(reread.has_value());
    EXPECT_EQ(reread->QueryValue(u"Status22"), 8u);
    EXPECT_EQ(reread->QueryValue(u"Other"), 0xFFFFFFFFu);
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

}  // namespace
}  // namespace abacor::test
