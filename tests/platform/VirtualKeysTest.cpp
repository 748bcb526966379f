#include <gtest/gtest.h>

#include <QKeyEvent>

#include "platform/input/VirtualKeys.h"

namespace abacor {
namespace {

TEST(VirtualKeys, X11KeycodesArePhysicalKeys)
{
    // clang-format off
    const struct {
        std::uint32_t keycode;
        std::uint32_t vk;
    } cases[] = {
        {19, 0x30}, {10, 0x31}, {12, 0x33}, {18, 0x39}, {29, 'Y'}, {30, 'U'}, {31, 'I'}, {43, 'H'},
        {44, 'J'},  {45, 'K'},  {56, 'B'},  {57, 'N'},  {58, 'M'}, {46, 'L'}, {61, 0xBF}, {60, 0xBE},
        {48, 0xDE}, {63, 0x6A}, {111, 0x26}, {116, 0x28}, {113, 0x25}, {114, 0x27}, {22, 0x08},
        {50, 0x10}, {62, 0x10}, {36, 0x0D}, {104, 0x0D}, {67, 0x70}, {68, 0x71}, {87, 0x31}, {91, 0x6E},
        {86, 0x6B}, {82, 0x6D}, {106, 0x6F}, {9, 0x1B}, {119, 0x2E},
        // Keys the calculator does not know are none, whatever they type.
        {23, 0},    {21, 0},   {34, 0},   {35, 0},  {51, 0},  {20, 0},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(VirtualKeyFromX11Keycode(c.keycode), c.vk) << c.keycode;
}

TEST(VirtualKeys, WindowsScanCodesAreTheSamePlaces)
{
    // Y's place types the digit 1 whatever the layout prints on it; the
    // arrows, keypad Enter and / and Delete are extended keys.
    const std::uint32_t cases[][2] = {
        {0x15, 'Y'},   {0x2C, 'Z'},   {0x02, 0x31},  {0x0B, 0x30},  {0x4F, 0x31},  {0x53, 0x6E},  {0x37, 0x6A},
        {0x148, 0x26}, {0x150, 0x28}, {0x14B, 0x25}, {0x14D, 0x27}, {0x11C, 0x0D}, {0x135, 0x6F}, {0x153, 0x2E},
        {0x1C, 0x0D},  {0x3B, 0x70},  {0x01, 0x1B},  {0x0E, 0x08},  {0x147, 0},    {0x1D, 0},     {0xFF, 0},
    };
    for (const auto& [scan, vk] : cases)
        EXPECT_EQ(VirtualKeyFromWindowsScanCode(scan), vk) << std::hex << scan;
}

TEST(VirtualKeys, QtKeysOfTheUsLayoutNameTheirKeys)
{
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_3, false), 0x33u);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_NumberSign, false), 0x33u) << "Shift+3";
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Asterisk, false), 0x38u) << "Shift+8";
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Asterisk, true), 0x6Au) << "keypad *";
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_QuoteDbl, false), 0xDEu);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Apostrophe, false), 0xDEu);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Slash, false), 0xBFu);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Period, false), 0xBEu);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_M, false), 0x4Du);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Backspace, false), 0x08u);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Shift, false), 0x10u);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Enter, true), 0x0Du);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_F2, false), 0x71u);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Left, false), 0x25u);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Tab, false), 0u);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Escape, false), 0x1Bu);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Plus, true), 0x6Bu) << "keypad +";
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Plus, false), 0u) << "+ of the letter keys: by its text";
}

TEST(VirtualKeys, EventsWithoutNativeCodesFallBackToQtKeys)
{
    const QKeyEvent shift(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
    const QKeyEvent hash(QEvent::KeyPress, Qt::Key_NumberSign, Qt::ShiftModifier, QStringLiteral("#"));
    EXPECT_EQ(VirtualKeyFromEvent(shift), 0x10u);
    EXPECT_EQ(VirtualKeyFromEvent(hash), 0x33u);
}

}  // namespace
}  // namespace abacor
