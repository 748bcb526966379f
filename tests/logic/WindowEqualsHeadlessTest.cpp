// Random taps and hardware keys on the real window, portrait and landscape,
// under random settings: after every event its texts are those of a headless
// calculator given the same keys as tokens.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "calculator/logic/CCalculatorDlg.h"
#include "calculator/logic/KeyTokens.h"

namespace abacor {
namespace {

// The token of each key, by KeyId.
constexpr const char* kKeyTokens[kKeyCount] = {
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", ".", "+/-", "+", "-", "*", "/", "=", "CE",
    "%", "CA", "C", "sqrt", "tax+", "tax-"};

struct HardwareKey {
    std::uint32_t code;
    const char* token;  // null: no key
};

// What the phone's keys stand for; 0x33 and the Shift sequences are handled apart.
constexpr HardwareKey kHardwareKeys[] = {
    {0x30, "0"}, {0xBF, "0"}, {0x31, "1"}, {0x59, "1"}, {0x32, "2"}, {0x55, "2"}, {0x49, "3"},
    {0x34, "4"}, {0x48, "4"}, {0x35, "5"}, {0x4A, "5"}, {0x36, "6"}, {0x4B, "6"}, {0x37, "7"},
    {0x42, "7"}, {0x38, "8"}, {0x4E, "8"}, {0x39, "9"}, {0x4D, "9"}, {0xBE, "."}, {0x4C, "+/-"},
    {0x26, "+"}, {0x28, "-"}, {0x25, "*"}, {0x27, "/"}, {0x08, "CE"}, {0x6A, nullptr}, {0xDE, nullptr},
    {0x41, nullptr}, {0x09, nullptr}, {0x33, nullptr}, {0x10, nullptr},
};

TEST(WindowEqualsHeadless, AfterEveryEvent)
{
    std::mt19937 random(77);
    for (int round = 0; round < 12; ++round) {
        CalculatorSettings settings = DefaultSettings();
        settings.CommaFormatFlg = random() % 2;
        settings.ShiftKeyFlg = random() % 2;
        settings.NumKeyRevFlg = random() % 2;
        settings.RoundButtonFlg = random() % 2;
        settings.GradationFlg = random() % 2;
        settings.AddButton1Type = random() % 8;
        settings.AddButton2Type = random() % 8;
        settings.AddButton3Type = random() % 8;
        settings.AddButton4Type = random() % 8;
        settings.TaxPercent = random() % 3000;
        const bool landscape = round % 2 == 1;
        CCalculatorDlg window(settings, landscape ? ScreenMetrics{640, 480, 192} : ScreenMetrics{480, 640, 192});
        window.SetFlashPause([](int) {});
        CalculatorSettings headlessSettings = settings;
        Calculator headless(headlessSettings);
        headless.ResetCalculator(false);

        std::uint32_t last = 0, previous = 0;  // the phone's Shift tracking, as the keys define it
        std::string events;
        const auto feed = [&](const char* token) {
            ASSERT_EQ(ApplyKeyToken(headless, headlessSettings, token), TokenOutcome::Applied) << token;
        };
        for (int step = 0; step < 250; ++step) {
            const int kind = static_cast<int>(random() % 10);
            if (kind < 5) {
                const KeyId key = static_cast<KeyId>(random() % kKeyCount);
                const Rect r = window.layout().KeyRect(key);
                events += std::string("tap ") + kKeyTokens[Index(key)] + "; ";
                window.OnLButtonDown((r.left + r.right) / 2, (r.top + r.bottom) / 2);
                window.OnLButtonUp();
                if (!r.IsNull())
                    feed(kKeyTokens[Index(key)]);
            } else if (kind < 9) {
                const HardwareKey& key = kHardwareKeys[random() % std::size(kHardwareKeys)];
                events += "down " + std::to_string(key.code) + "; ";
                window.OnKeyDown(key.code);
                if (key.token)
                    feed(key.token);
                else if (key.code == 0x33 && last != 0x10)
                    feed("3");
                previous = last;
                last = key.code;
            } else {
                const bool shift = random() % 3 != 0;
                events += shift ? "up shift; " : "up a; ";
                window.OnKeyUp(shift ? 0x10 : 0x41);
                if (shift) {
                    if (previous == 0x10 && last == 0x33)
                        feed(".");
                    else if (previous == 0x10 && (last == 0x6A || last == 0xDE))
                        feed("+/-");
                    previous = last;
                    last = 0;
                }
            }
            const CalculatorState& a = window.calculator().state();
            const CalculatorState& b = headless.state();
            ASSERT_EQ(a.displayText, b.displayText) << events;
            ASSERT_EQ(a.resultText, b.resultText) << events;
            ASSERT_EQ(a.memoryText, b.memoryText) << events;
            ASSERT_EQ(a.operatorText, b.operatorText) << events;
        }
    }
}

}  // namespace
}  // namespace abacor
