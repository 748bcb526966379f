// The store on Windows: the current user's registry (run under wine).
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/store/UserStore.h"
#include "settings/SettingsStore.h"

namespace abacor::test {
namespace {

constexpr char16_t kKey[] = u"\\Software\\Korvel\\Abacor";

bool Exists(const wchar_t* key)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    RegCloseKey(opened);
    return true;
}

class RegistryStore : public testing::Test {
protected:
    void SetUp() override
    {
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Korvel");
        RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Korvel");
    }
    void TearDown() override { SetUp(); }
};

TEST_F(RegistryStore, ALoadCreatesNothingAndASaveComesBackWhole)
{
    EXPECT_EQ(LoadSettings(), DefaultSettings());
    EXPECT_FALSE(UserStoreKey::OpenForRead(kKey).has_value());
    EXPECT_FALSE(Exists(L"Software\\Korvel")) << "a read created the parent key";
    EXPECT_EQ(UserStoreKey::Location(kKey), u"HKEY_CURRENT_USER\\Software\\Korvel\\Abacor");

    CalculatorSettings saved = DefaultSettings();
    saved.TaxPercent = 0xFFFFFFFFu;
    saved.DialogBackColor = 0x80000000u;
    saved.GrandTotalFlg = 1;
    ASSERT_TRUE(SaveSettings(saved));
    EXPECT_EQ(LoadSettings(), saved);
    EXPECT_EQ(UserStoreKey::OpenForRead(kKey)->QueryText(u"taxpercent"), u"4294967295") << "names in any case";

    ASSERT_TRUE(DeleteSettings());
    EXPECT_FALSE(Exists(L"Software\\Korvel\\Abacor"));
    EXPECT_TRUE(Exists(L"Software\\Korvel")) << "the parent key stays";
    EXPECT_EQ(LoadSettings(), DefaultSettings());
    EXPECT_TRUE(DeleteSettings()) << "a key that is gone is deleted";
}

TEST_F(RegistryStore, OnlyDwordValuesAreRead)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Korvel\\Abacor", 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    const wchar_t text[] = L"800";
    RegSetValueExW(key, L"TaxPercent", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof text);
    const DWORD comma = 1;
    RegSetValueExW(key, L"CommaFormatFlg", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&comma), sizeof comma);
    const unsigned long long wide = 7;
    RegSetValueExW(key, L"ShiftKeyFlg", 0, REG_QWORD, reinterpret_cast<const BYTE*>(&wide), sizeof wide);
    RegCloseKey(key);

    CalculatorSettings expected = DefaultSettings();
    expected.CommaFormatFlg = 1;
    EXPECT_EQ(LoadSettings(), expected) << "a REG_SZ or REG_QWORD of the right name reads as missing";
}

}  // namespace
}  // namespace abacor::test
