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

TEST(SettingsTable, HoldsThirtyDistinctValuesInRecordOrder)
{
    std::set<std::string_view> names;
    for (const SettingDescriptor& entry : kSettingsTable) {
        names.insert(entry.name);
        const auto sameField = [&](const SettingDescriptor& other) { return other.field == entry.field; };
        EXPECT_EQ(std::count_if(kSettingsTable.begin(), kSettingsTable.end(), sameField), 1) << entry.name;
    }
    EXPECT_EQ(names.size(), 30u);
    EXPECT_EQ(kSettingsTable.front().name, "DialogBackColor");
    EXPECT_EQ(kSettingsTable[17].name, "LabelTextColor");
    EXPECT_EQ(kSettingsTable[18].name, "RoundButtonFlg");
    EXPECT_EQ(kSettingsTable[25].name, "AddButton1Type");
    EXPECT_EQ(kSettingsTable.back().name, "TaxPercent");
}

TEST(SettingsTable, DefaultsAreTheDefaultLook)
{
    const CalculatorSettings d = DefaultSettings();
    EXPECT_EQ(d.DialogBackColor, 13158600u);
    EXPECT_EQ(d.StaticBackColor, 0xFFFFFFu);
    EXPECT_EQ(d.StaticTextColor, 0u);
    EXPECT_EQ(d.ButtonBackColor1, 14803425u);
    EXPECT_EQ(d.ButtonBackColor4, 0xE1E1E1u);
    EXPECT_EQ(d.ButtonGradColor3, 0xFFFFFFu);
    EXPECT_EQ(d.ButtonTextColor2, 0u);
    EXPECT_EQ(d.ButtonLineColor, 0u);
    EXPECT_EQ(d.CommaFormatFlg, 0u);
    EXPECT_EQ(d.GradationFlg, 0u);
    EXPECT_EQ(d.AddButton4Type, 0u);
    EXPECT_EQ(d.TaxPercent, 500u);
}

TEST(ColourList, InterleavesPerKeyGroup)
{
    ASSERT_EQ(kColourList.size(), 18u);
    EXPECT_EQ(kColourList[0].field, &CalculatorSettings::DialogBackColor);
    EXPECT_EQ(QStringView(kColourList[5].text).toString(), QStringLiteral("数字キーの文字色"));
    EXPECT_EQ(kColourList[5].field, &CalculatorSettings::ButtonTextColor1);
    EXPECT_EQ(kColourList[6].field, &CalculatorSettings::ButtonGradColor1);
    EXPECT_EQ(kColourList[15].field, &CalculatorSettings::ButtonGradColor4);
    EXPECT_EQ(kColourList[17].field, &CalculatorSettings::LabelTextColor);
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
    EXPECT_EQ(AddButtonKind(7), AddButtonType::None);
    EXPECT_EQ(AddButtonKind(9), AddButtonType::None);
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
    for (const char* bad : {"TaxPercent", "Nope=1", "TaxPercent=", "=5", "taxpercent=1", "TaxPercent=x"}) {
        EXPECT_FALSE(ApplySettingAssignment(settings, bad)) << bad;
        EXPECT_EQ(settings, expected) << bad;
    }
}

}  // namespace
}  // namespace abacor
