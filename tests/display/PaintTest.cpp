#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

#include <QFontMetrics>

#include "calculator/core/CommandTable.h"
#include "calculator/display/KeyFaceStrip.h"
#include "calculator/display/PressFeedback.h"
#include "calculator/display/SpokenChange.h"
#include "calculator/display/WindowPainter.h"
#include "platform/drawing/RoundCorners.h"
#include "tests/PhoneSettings.h"

using namespace Qt::StringLiterals;

namespace abacor {
namespace {

// A window painted in full from the given settings, as on the phone.
struct Painted {
    explicit Painted(CalculatorSettings s, ScreenMetrics screen = {480, 640, 192})
        : settings(s), resources(CreateDisplayResources(screen, settings)),
          corners(KeyCorners(settings)), client{0, 0, screen.width, screen.height - 52 / resources.screenClass.k},
          layout(LayoutWindow(screen, client, resources, settings)), faces(layout, settings, corners),
          surface(client.Width(), client.Height())
    {
        PaintWindow(surface, {layout, resources, settings, faces, KeyFacesFor(settings)}, texts, client, true);
    }
    ColorRef At(int x, int y) const { return surface.PixelAt(x, y); }

    CalculatorSettings settings;
    DisplayResources resources;
    RoundCorners corners;
    Rect client;
    WindowLayout layout;
    KeyFaceStrip faces;
    DrawSurface surface;
    DisplayTexts texts{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), QString(), QString()};
};

TEST(Paint, TheDefaultLook)
{
    const Painted p(test::PhoneSettings());
    const Rect key = p.layout.KeyRect(KeyId::Digit5);
    EXPECT_EQ(p.At(key.left + 3, key.top + 3), 0xE1E1E1u) << "flat key face";
    EXPECT_EQ(p.At(key.left + 10, key.top), 0xFFFFFFu) << "white top edge";
    EXPECT_EQ(p.At(key.left, key.top + 10), 0xFFFFFFu) << "white left edge";
    EXPECT_EQ(p.At(key.left + 10, key.bottom - 1), 0x000000u) << "black bottom edge";
    EXPECT_EQ(p.At(key.right - 1, key.top + 10), 0x000000u) << "black right edge";
    EXPECT_EQ(p.At(key.right, key.top + 10), 0xC8C8C8u) << "background in the gap";
    EXPECT_EQ(p.At(2, 300), 0xC8C8C8u) << "background beside the keys";
    // Boxes: white inside, a black frame 2 pixels wide around the box rectangle.
    const Rect box = p.layout.memoryBox;
    EXPECT_EQ(p.At(box.left + 5, box.top + 2), 0xFFFFFFu);
    EXPECT_EQ(p.At(box.left, box.top + 10), 0x000000u);
    EXPECT_EQ(p.At(box.left - 1, box.top + 10), 0x000000u);
    EXPECT_EQ(p.At(box.left - 2, box.top + 10), 0xC8C8C8u);
    EXPECT_EQ(p.At(box.left + 1, box.top + 10), 0xFFFFFFu);
    // Black captions: some ink on each key and in the display text.
    int ink = 0;
    for (int y = key.top + 5; y < key.bottom - 5; ++y)
        for (int x = key.left + 5; x < key.right - 5; ++x)
            ink += p.At(x, y) == 0 ? 1 : 0;
    EXPECT_GT(ink, 20);
}

// Runs of columns holding ink of the text colour within a rectangle: the glyphs.
std::vector<int> GlyphWidths(const DrawSurface& surface, const Rect& rect, ColorRef ink)
{
    std::vector<int> widths;
    int run = 0;
    for (int x = rect.left; x <= rect.right; ++x) {
        bool inked = false;
        for (int y = rect.top; x < rect.right && y < rect.bottom && !inked; ++y)
            inked = surface.PixelAt(x, y) == ink;
        if (inked) {
            ++run;
        } else if (run > 0) {
            widths.push_back(run);
            run = 0;
        }
    }
    return widths;
}

TEST(Paint, TextsTooWideForTheirBoxShrinkInsteadOfBeingCutOff)
{
    Painted p(test::PhoneSettings());
    const QString longest = QStringLiteral("-123,456,789,012");
    p.texts = {longest, longest, longest, QString(), QString()};
    PaintWindow(p.surface, {p.layout, p.resources, p.settings, p.faces, KeyFacesFor(p.settings)}, p.texts, p.client,
                true);
    for (const Rect* box : {&p.layout.displayTextRect, &p.layout.resultTextRect, &p.layout.memoryTextRect}) {
        // Inside the box's frame.
        const Rect inside{box->left + 3, box->top + 3, box->right, box->bottom - 3};
        const std::vector<int> glyphs = GlyphWidths(p.surface, inside, 0x000000);
        ASSERT_EQ(glyphs.size(), 16u) << "every character shows";
        EXPECT_EQ(glyphs[1], glyphs[14]) << "the first 1 is whole";
    }
}

// Two annunciators stand a letter's height apart, wider than the space
// inside one ("CUT 0").
TEST(Paint, AnnunciatorsStandApart)
{
    Painted lit(test::PhoneSettings());
    lit.texts = {QString(), QStringLiteral("0"), QStringLiteral("0"), QString(),
                 QStringLiteral("CUT 0") + kAnnunciatorGap.toString() + QStringLiteral("GT")};
    PaintWindow(lit.surface, {lit.layout, lit.resources, lit.settings, lit.faces, KeyFacesFor(lit.settings)}, lit.texts,
                lit.client, true);
    const QImage image = lit.surface.Image();
    const Rect box = lit.layout.displayBox;
    std::vector<int> blanks;  // runs of columns without ink, between ink
    int run = -1;
    for (int x = box.left + 3; x < box.right - 3; ++x) {
        bool ink = false;
        for (int y = box.top + 3; y < box.bottom - 3; ++y)
            ink = ink || qGray(image.pixel(x, y)) < 128;
        if (ink && run > 0)
            blanks.push_back(run);
        run = ink ? 0 : (run < 0 ? -1 : run + 1);
    }
    ASSERT_GE(blanks.size(), 4u);
    const int height = QFontMetrics(lit.resources.captionFont).height();
    std::sort(blanks.begin(), blanks.end());
    EXPECT_GE(blanks.back(), height) << "between the two";
    EXPECT_LT(blanks[blanks.size() - 2], height) << "inside one";
}

TEST(Paint, AnnunciatorsNeverStandUnderTheNumber)
{
    Painted lit(test::PhoneSettings());
    const QString longest = QStringLiteral("-123,456,789,012");
    const auto paint = [&](const QString& number, const QString& annunciators) {
        lit.texts = {number, QStringLiteral("0"), QStringLiteral("0"), QString(), annunciators};
        PaintWindow(lit.surface, {lit.layout, lit.resources, lit.settings, lit.faces, KeyFacesFor(lit.settings)},
                    lit.texts, lit.client, true);
        return lit.surface.Image().copy();
    };
    const QImage plain = paint(longest, {});
    const QImage alone = paint({}, QStringLiteral("5/4 ADD2 税8% GT 税額"));
    const QImage both = paint(longest, QStringLiteral("5/4 ADD2 税8% GT 税額"));
    EXPECT_EQ(paint(longest, {}), plain) << "no annunciator: the same picture";
    const Rect box = lit.layout.displayBox;
    int annunciatorInk = 0;
    int annunciatorsEnd = box.left;
    for (int y = box.top + 2; y < box.bottom - 2; ++y) {
        for (int x = box.left + 2; x < box.right - 2; ++x) {
            if (alone.pixel(x, y) == plain.pixel(box.left + 4, box.top + 4))
                continue;  // no annunciator here
            ++annunciatorInk;
            annunciatorsEnd = std::max(annunciatorsEnd, x + 1);
            ASSERT_EQ(both.pixel(x, y), alone.pixel(x, y)) << "the number covers the annunciators at " << x << "," << y;
        }
    }
    EXPECT_GT(annunciatorInk, 50);
    // The whole number still shows.
    const Rect inside{box.left + 3, box.top + 3, box.right - 3, box.bottom - 3};
    lit.surface.Image() = both;
    EXPECT_EQ(GlyphWidths(lit.surface, {annunciatorsEnd, inside.top, inside.right, inside.bottom}, 0x000000).size(),
              16u);
}

TEST(Paint, BoxFramesAreOnePixelOnTheSmallScreen)
{
    const Painted p(test::PhoneSettings(), {240, 320, 96});
    const Rect box = p.layout.memoryBox;
    EXPECT_EQ(p.At(box.left, box.top + 8), 0x000000u);
    EXPECT_EQ(p.At(box.left - 1, box.top + 8), 0xC8C8C8u);
}

TEST(Paint, GradationFadesFromTheGradationColourDown)
{
    CalculatorSettings settings = test::PhoneSettings();
    settings.GradationFlg = 1;
    settings.ButtonBackColor1 = 0x0000FF;
    settings.ButtonGradColor1 = 0xFFFFFF;
    const Painted p(settings);
    const Rect key = p.layout.KeyRect(KeyId::Digit5);
    const int x = key.left + 4;
    EXPECT_EQ(p.At(x, key.top + 1), Rgb(255, 250, 250));
    EXPECT_EQ(p.At(x, key.bottom - 2), Rgb(255, 8, 8));
    for (int y = key.top + 2; y < key.bottom - 1; ++y)
        EXPECT_LE(GreenOf(p.At(x, y)), GreenOf(p.At(x, y - 1))) << y;
    EXPECT_EQ(p.At(key.left + 10, key.bottom - 1), 0x000000u) << "line colour below";
    EXPECT_EQ(p.At(key.left, key.top + 10), 0xFFFFFFu) << "white on the left";
}

TEST(Paint, RoundKeysShowTheBackgroundInTheirCorners)
{
    CalculatorSettings settings = test::PhoneSettings();
    settings.RoundButtonFlg = 1;
    settings.DialogBackColor = 0x00FF00;
    for (std::uint32_t gradation : {0u, 1u}) {
        settings.GradationFlg = gradation;
        Painted p(settings);
        const Rect key = p.layout.KeyRect(KeyId::Digit5);
        const auto corners = [&](const char* when) {
            EXPECT_EQ(p.At(key.left, key.top), 0x00FF00u) << when;
            EXPECT_EQ(p.At(key.right - 1, key.top), 0x00FF00u) << when;
            EXPECT_EQ(p.At(key.left, key.bottom - 1), 0x00FF00u) << when;
            EXPECT_EQ(p.At(key.right - 1, key.bottom - 1), 0x00FF00u) << when;
            EXPECT_EQ(p.At(key.left + 20, key.top), 0x000000u) << when << ": outline";
        };
        corners("released");
        PressFeedback feedback(nullptr);
        const QImage before = p.surface.Image().copy();
        feedback.Apply(PressFeedback::Press, key, p.surface, p.corners);
        corners("pressed");
        EXPECT_EQ(p.At(key.left + 20, key.top + 20), 0xFFFFFFu ^ p.faces.Surface().PixelAt(20, 20))
            << "the inside is inverted";
        feedback.Apply(PressFeedback::Release, {}, p.surface, p.corners);
        EXPECT_EQ(p.surface.Image(), before) << "released exactly as before";
    }
}

TEST(Paint, TheTallEqualsIsOneFace)
{
    CalculatorSettings settings = test::PhoneSettings();
    const DisplayResources resources = CreateDisplayResources({480, 640, 192}, settings);
    const RoundCorners corners(KeyCorners(settings));
    const WindowLayout layout = LayoutWindow({640, 480, 192}, {0, 0, 640, 428}, resources, settings);
    const KeyFaceStrip faces(layout, settings, corners);
    DrawSurface surface(640, 428);
    PaintWindow(surface, {layout, resources, settings, faces, KeyFacesFor(settings)}, {}, {0, 0, 640, 428}, true);
    const Rect equals = layout.KeyRect(KeyId::Equals);
    // Across the row gap in its middle there is face, not background or an edge.
    const int gapRow = equals.top + layout.rowHeight + 1;
    EXPECT_EQ(surface.PixelAt(equals.left + 5, gapRow), 0xE1E1E1u);
    EXPECT_EQ(surface.PixelAt(equals.left + 5, equals.top + layout.rowHeight - 1), 0xE1E1E1u);
    EXPECT_EQ(surface.PixelAt(equals.left + 5, equals.bottom - 1), 0x000000u);
    EXPECT_EQ(faces.Band(KeyStyle::TallEquals), (Rect{0, 4 * 69, 119, 6 * 69 + 3}));
}

TEST(Paint, TheDigitDropKeyReadsItsOwnCaption)
{
    CalculatorSettings settings = test::PhoneSettings();
    EXPECT_EQ(KeyCaption(KeyId::ClearEntry, settings), u"CE");
    settings.ShiftKeyFlg = 1;
    EXPECT_EQ(KeyCaption(KeyId::ClearEntry, settings), u"⇒");
    const Painted plain(test::PhoneSettings());
    const Painted drop(settings);
    const Rect key = plain.layout.KeyRect(KeyId::ClearEntry);
    bool differs = false;
    for (int y = key.top; y < key.bottom; ++y)
        for (int x = key.left; x < key.right; ++x)
            differs = differs || plain.At(x, y) != drop.At(x, y);
    EXPECT_TRUE(differs);
}

TEST(Paint, UnplacedAdditionalKeysAreNotDrawn)
{
    CalculatorSettings settings = test::PhoneSettings();
    settings.AddButton1Type = 2;
    const Painted placed(settings);
    const Painted empty(test::PhoneSettings());
    const Rect cell = placed.layout.KeyRect(KeyId::AllClear);
    ASSERT_FALSE(cell.IsNull());
    EXPECT_EQ(placed.At(cell.left + 3, cell.top + 3), 0xE1E1E1u);
    EXPECT_EQ(empty.At(cell.left + 3, cell.top + 3), 0xC8C8C8u);
}

TEST(Paint, RepaintingADirtyBoxChangesOnlyThatBox)
{
    Painted p(test::PhoneSettings());
    const QImage before = p.surface.Image().copy();
    p.texts.display = QStringLiteral("123");
    PaintWindow(p.surface, {p.layout, p.resources, p.settings, p.faces, KeyFacesFor(p.settings)}, p.texts,
                p.layout.displayBox, false);
    const QImage after = p.surface.Image();
    bool changedInside = false;
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            if (after.pixel(x, y) == before.pixel(x, y))
                continue;
            changedInside = true;
            EXPECT_TRUE(p.layout.displayBox.Contains(x, y)) << x << "," << y;
        }
    }
    EXPECT_TRUE(changedInside);
}

TEST(Paint, AFlashInvertsUntilItEndsOrTheNextPress)
{
    Painted p(test::PhoneSettings());
    const Rect key = p.layout.KeyRect(KeyId::Equals);
    const Rect other = p.layout.KeyRect(KeyId::Add);
    const QImage before = p.surface.Image().copy();
    std::vector<Rect> flushed;
    PressFeedback feedback([&](const Rect& r) { flushed.push_back(r); });
    feedback.Apply(PressFeedback::Flash, key, p.surface, p.corners);
    EXPECT_EQ(FromPixel(p.surface.Image().pixel(key.left + 3, key.top + 3)), 0x1E1E1Eu);
    EXPECT_EQ(feedback.FlashingKeyRect(), key);
    EXPECT_EQ(feedback.EndFlash(p.surface, p.corners), key);
    EXPECT_EQ(p.surface.Image(), before);
    EXPECT_EQ(flushed, (std::vector<Rect>{key, key}));
    EXPECT_TRUE(feedback.EndFlash(p.surface, p.corners).IsNull()) << "ended once";
    // A key pressed while another flashes: the flash ends first.
    feedback.Apply(PressFeedback::Flash, key, p.surface, p.corners);
    feedback.Apply(PressFeedback::Press, other, p.surface, p.corners);
    feedback.Apply(PressFeedback::Release, Rect{}, p.surface, p.corners);
    EXPECT_EQ(p.surface.Image(), before);
    EXPECT_TRUE(feedback.PressedKeyRect().IsNull());
    feedback.Apply(PressFeedback::Press, Rect{}, p.surface, p.corners);
    feedback.Apply(PressFeedback::Release, Rect{}, p.surface, p.corners);
    EXPECT_EQ(p.surface.Image(), before) << "an empty rectangle and nothing pressed change nothing";
}

// What a screen reader hears after a key: the display when it is news, with
// whatever else the key changed after it.
TEST(Spoken, NewsFollowsTheDisplay)
{
    struct Row {
        DisplayTexts before, after;
        bool typing;
        const char16_t* text;
        bool spoken;
    };
    const DisplayTexts twelve{u"12"_s, u"0"_s, u"0"_s, {}, {}};
    const Row rows[] = {
        {{u"1"_s, u"0"_s, u"0"_s, {}, {}}, twelve, true, u"12", false},  // the reader echoes typed digits
        {twelve, {u"12"_s, u"12"_s, u"0"_s, u"＋"_s, {}}, false, u"12 ＋", true},
        {{u"3"_s, u"12"_s, u"0"_s, u"＋"_s, {}}, {u"15"_s, u"15"_s, u"0"_s, {}, {}}, false, u"15", true},
        {{u"15"_s, u"15"_s, u"0"_s, {}, {}}, {u"15"_s, u"15"_s, u"15"_s, {}, {}}, false, u"15 メモリー 15", true},
        {{u"5"_s, u"5"_s, u"0"_s, {}, {}}, {u"5"_s, u"5"_s, u"0"_s, {}, u"GT"_s}, false, u"5 GT", true},
        {{u"0"_s, u"1"_s, u"0"_s, u"÷"_s, {}}, {u"ERROR"_s, u"0"_s, u"0"_s, {}, {}}, false, u"ERROR", true},
        {{u"7"_s, u"7"_s, u"0"_s, {}, u"K  GT"_s}, {u"7"_s, u"7"_s, u"0"_s, {}, u"K"_s}, false, u"7 GT クリア", true},
        // What stays lit or goes out is not read again.
        {{u"3"_s, u"12"_s, u"0"_s, u"＋"_s, u"税8%  GT"_s},
         {u"15"_s, u"15"_s, u"0"_s, {}, u"GT"_s},
         false,
         u"15",
         true},
        {twelve, {u"-12"_s, u"0"_s, u"0"_s, {}, {}}, false, u"-12", true},  // a sign change while typing
        // Times and dates in words; their annunciators are the words.
        {twelve, {u"-1:23:05"_s, u"0"_s, u"0"_s, {}, u"時間"_s}, false, u"マイナス1時間23分5秒", true},
        {twelve, {u"2024.05.15"_s, u"0"_s, u"0"_s, {}, u"GT  日付"_s}, false, u"2024年5月15日 GT", true},
        {twelve, {u"04.27"_s, u"0"_s, u"0"_s, u"〜"_s, u"日付"_s}, false, u"4月27日 〜", true},
        {twelve, {u"2024."_s, u"0"_s, u"0"_s, {}, u"日付"_s}, false, u"2024.", true},
        {twelve, {u"1:2:03"_s, u"0"_s, u"0"_s, {}, u"時間"_s}, false, u"1:2:03", true},
    };
    for (const Row& row : rows) {
        const DisplaySpeech speech = SpeakDisplay(row.before, row.after, row.typing);
        EXPECT_EQ(speech.text, QString::fromUtf16(row.text));
        EXPECT_EQ(speech.spoken, row.spoken) << speech.text.toStdString();
        EXPECT_EQ(speech.value, row.after.display);
    }
    EXPECT_EQ(DisplayName({u"3"_s, {}, {}, u"＋"_s, u"税8%  GT"_s}, u"3"_s), u"表示 ＋ 税8% GT"_s);
    EXPECT_EQ(DisplayName({u"3"_s, {}, {}, u"＋"_s, u"税8%  GT"_s}, u"3 ＋ 税8%"_s), u"表示 GT"_s);
}

}  // namespace
}  // namespace abacor
