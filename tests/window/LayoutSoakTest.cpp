// Layouts for every window size a desktop can produce, with every setting:
// nothing crashes and nothing is drawn with a negative size.
#include <gtest/gtest.h>

#include <QTest>

#include <random>

#include "calculator/window/CalculatorWindow.h"
#include "tests/PhoneSettings.h"

namespace abacor {
namespace {

ScreenMetrics RandomScreen(std::mt19937& random)
{
    switch (random() % 60) {
    case 0: return {1, 1, 192};
    case 1:
    case 6:
    case 7: return {480, static_cast<int>(random() % 60), 192};  // no room below the soft-key bar
    case 2: return {4000, 4000, 96};
    case 3:
    case 4:
    case 5:
        return {static_cast<int>(random() % 4000 + 1), static_cast<int>(random() % 40 + 1),
                static_cast<int>(random() % 400 + 1)};
    default:
        return {static_cast<int>(random() % 1200 + 1), static_cast<int>(random() % 1200 + 1),
                static_cast<int>(random() % 2 ? 192 : 96)};
    }
}

TEST(LayoutSoak, AnySizeAnySettings)
{
    std::mt19937 random(4242);
    for (int window = 0; window < 8; ++window) {
        CalculatorSettings settings = test::PhoneSettings();
        // Flags and additional-key kinds, any of them.
        for (const SettingDescriptor& entry : kSettingsTable)
            if (entry.name.ends_with("Flg") || entry.name.starts_with("AddButton"))
                settings.*entry.field = random() % 9;
        settings.DialogBackColor = 0x123456;
        CalculatorWindow dialog(settings, RandomScreen(random));
        for (int layout = 0; layout < 60; ++layout) {
            dialog.SetScreen(RandomScreen(random));
            QTest::keyClick(&dialog, static_cast<Qt::Key>(Qt::Key_1 + static_cast<int>(random() % 9)));
            const QImage& framebuffer = dialog.Framebuffer();
            const Rect client = dialog.ClientRect();
            ASSERT_EQ(framebuffer.width(), std::max(client.Width(), 1));
            ASSERT_EQ(framebuffer.height(), std::max(client.Height(), 1));
            const WindowLayout& l = dialog.layout();
            if (l.rowHeight > 0 && l.columnWidth > 0)
                continue;
            // A keypad without room: no key face anywhere, only background, boxes and texts.
            const QRgb face = ToPixel(settings.ButtonBackColor1);
            for (int y = std::max(l.keypadTop, 0); y < framebuffer.height(); ++y)
                for (int x = 0; x < framebuffer.width(); ++x)
                    ASSERT_NE(framebuffer.pixel(x, y), face)
                        << x << "," << y << " at " << client.Width() << "x" << client.Height();
        }
    }
}

}  // namespace
}  // namespace abacor
