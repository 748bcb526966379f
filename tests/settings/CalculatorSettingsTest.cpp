#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "settings/CalculatorSettings.h"
#include "settings/ColourPresets.h"
#include "settings/SettingValueText.h"
#include "text/Utf.h"

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
    EXPECT_EQ(AddButtonKind(14), AddButtonType::Average);
    EXPECT_EQ(AddButtonKind(17), AddButtonType::DaysTo);
    EXPECT_EQ(AddButtonKind(18), AddButtonType::None);
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

// WCAG 2 contrast ratio of two colours 0x00BBGGRR.
double Contrast(std::uint32_t a, std::uint32_t b)
{
    const auto luminance = [](std::uint32_t c) {
        const auto channel = [](std::uint32_t v) {
            const double s = v / 255.0;
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c & 0xFF) + 0.7152 * channel((c >> 8) & 0xFF) + 0.0722 * channel((c >> 16) & 0xFF);
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(ColourPresets, EveryTextStandsOutFromItsBackground)
{
    using S = CalculatorSettings;
    ASSERT_EQ(kColourPresets.size(), 3u);
    const double needed[] = {0.0, 4.5, 7.0};  // 標準 is the design's own
    for (std::size_t p = 1; p < kColourPresets.size(); ++p) {
        CalculatorSettings c = DefaultSettings();
        for (std::size_t i = 0; i < kColourList.size(); ++i)
            c.*kColourList[i].field = kColourPresets[p].colours[i];
        const struct {
            std::uint32_t S::*text;
            std::uint32_t S::*background;
        } pairs[] = {
            {&S::StaticTextColor, &S::StaticBackColor},   {&S::LabelTextColor, &S::DialogBackColor},
            {&S::ButtonTextColor1, &S::ButtonBackColor1}, {&S::ButtonTextColor1, &S::ButtonGradColor1},
            {&S::ButtonTextColor2, &S::ButtonBackColor2}, {&S::ButtonTextColor2, &S::ButtonGradColor2},
            {&S::ButtonTextColor3, &S::ButtonBackColor3}, {&S::ButtonTextColor3, &S::ButtonGradColor3},
            {&S::ButtonTextColor4, &S::ButtonBackColor4}, {&S::ButtonTextColor4, &S::ButtonGradColor4},
        };
        for (const auto& pair : pairs)
            EXPECT_GE(Contrast(c.*pair.text, c.*pair.background), needed[p])
                << Utf8(kColourPresets[p].name) << " " << std::hex << c.*pair.text << " on " << c.*pair.background;
    }
    // 標準 is every colour's default.
    for (std::size_t i = 0; i < kColourList.size(); ++i)
        EXPECT_EQ(kColourPresets[0].colours[i], DefaultSettings().*kColourList[i].field) << i;
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

#ifdef ABACOR_SOURCE_DIR
// The manual page of the settings file names every value with its default,
// on one line (a numbered series once, as "ButtonBackColor1\-4").
TEST(SettingsTable, TheManualPageDescribesEveryValueWithItsDefault)
{
    std::ifstream file(ABACOR_SOURCE_DIR "/docs/man/Abacor.conf.5");
    ASSERT_TRUE(file) << "docs/man/Abacor.conf.5";
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    for (const SettingDescriptor& entry : kSettingsTable) {
        std::string name(entry.name);
        if (name.starts_with("Button") && std::isdigit(static_cast<unsigned char>(name.back())))
            name = name.substr(0, name.size() - 1) + "1\\-";
        char value[16];
        std::snprintf(value, sizeof value, name.find("Color") != std::string::npos ? "(0x%06X" : "(%u",
                      entry.defaultValue);
        const bool described = std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
            const std::size_t at = line.find(name);
            return at != std::string::npos && line.find(value, at) != std::string::npos;
        });
        EXPECT_TRUE(described) << entry.name << " " << value;
    }
}
#endif

}  // namespace
}  // namespace abacor
