#include <gtest/gtest.h>

#include <QString>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "settings/CalculatorSettings.h"
#include "settings/SettingValueText.h"

namespace abacor {
namespace {

TEST(SettingsTable, NamesEveryFieldOnce)
{
    std::set<std::string_view> names;
    for (const SettingDescriptor& entry : kSettingsTable) {
        names.insert(entry.name);
        const auto sameField = [&](const SettingDescriptor& other) { return other.field == entry.field; };
        EXPECT_EQ(std::count_if(kSettingsTable.begin(), kSettingsTable.end(), sameField), 1) << entry.name;
    }
    EXPECT_EQ(names.size(), kSettingsTable.size());
}

TEST(ColourList, ListsEveryColourOnce)
{
    // Every colour of the record is in the list exactly once.
    for (const SettingDescriptor& entry : kSettingsTable) {
        const auto listed = std::count_if(kColourList.begin(), kColourList.end(),
                                          [&](const ColourListEntry& item) { return item.field == entry.field; });
        EXPECT_EQ(listed, entry.name.find("Color") != std::string_view::npos ? 1 : 0) << entry.name;
    }
}

TEST(AddButtonKind, OutOfRangePlacesNoKey)
{
    EXPECT_EQ(AddButtonKind(0), AddButtonType::None);
    EXPECT_EQ(AddButtonKind(1), AddButtonType::Percent);
    EXPECT_EQ(AddButtonKind(6), AddButtonType::TaxExcluded);
    EXPECT_EQ(AddButtonKind(9), AddButtonType::DoubleZero);
    EXPECT_EQ(AddButtonKind(10), AddButtonType::None);
    EXPECT_EQ(AddButtonKind(0xFFFFFFFFu), AddButtonType::None);
    EXPECT_TRUE(FlagOn(2));
    EXPECT_FALSE(FlagOn(0));
}

TEST(SettingValueText, ParsesDecimalAndHexadecimal32Bit)
{
    EXPECT_EQ(ParseSettingValue("0"), 0u);
    EXPECT_EQ(ParseSettingValue("500"), 500u);
    EXPECT_EQ(ParseSettingValue("4294967295"), 0xFFFFFFFFu);
    EXPECT_EQ(ParseSettingValue("0xC8C8C8"), 0xC8C8C8u);
    EXPECT_EQ(ParseSettingValue("0Xff"), 255u);
    for (const char* bad : {"", "4294967296", "-1", "+1", "0x", "12a", "0x1FFFFFFFF", " 1", "1.5", "0xg"})
        EXPECT_FALSE(ParseSettingValue(bad).has_value()) << bad;
}

TEST(SettingValueText, AssignmentChangesOneValueOnly)
{
    CalculatorSettings settings = DefaultSettings();
    ASSERT_TRUE(ApplySettingAssignment(settings, "TaxPercent=800"));
    CalculatorSettings expected = DefaultSettings();
    expected.TaxPercent = 800;
    EXPECT_EQ(settings, expected);
    for (const char* bad : {"TaxPercent", "Nope=1", "TaxPercent=", "=5", "TaxPercent=x"}) {
        EXPECT_FALSE(ApplySettingAssignment(settings, bad)) << bad;
        EXPECT_EQ(settings, expected) << bad;
    }
    // Names match without regard to case, as in the store.
    ASSERT_TRUE(ApplySettingAssignment(settings, "taxpercent=900"));
    EXPECT_EQ(settings.TaxPercent, 900u);
}

}  // namespace
}  // namespace abacor
