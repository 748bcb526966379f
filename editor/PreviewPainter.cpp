#include "editor/PreviewPainter.h"

#include "look/CalculatorLook.h"
#include "platform/shell/Translated.h"
#include "text/Translatable.h"

namespace abacor {

namespace {

struct SampleKeyFace {
    SampleKey key;
    std::u16string_view caption;
    KeyGroup group;
};

// Drawing order: digit, calculation, clear, tax.
constexpr SampleKeyFace kSampleKeys[] = {
    {SampleKey::Digit, u"９", KeyGroup::Digit},
    {SampleKey::Calculation, u"＋", KeyGroup::Calculation},
    {SampleKey::Clear, u"CE", KeyGroup::Clear},
    {SampleKey::Tax, ABACOR_TRANSLATABLE("Key", u"税込"), KeyGroup::Tax},
};

}  // namespace

PreviewFonts CreatePreviewFonts(const ScreenMetrics& screen, const CalculatorSettings& settings)
{
    const PreviewFontHeights heights = ComputePreviewFontHeights(screen);
    return {LookFont(heights.large, settings), LookFont(heights.medium, settings), LookFont(heights.small, settings)};
}

QString SampleDisplayText(const CalculatorSettings& settings)
{
    return FlagOn(settings.CommaFormatFlg) ? QStringLiteral("19,800") : QStringLiteral("19800");
}

void DrawSampleKey(DrawSurface& surface, const Rect& rect, const QString& caption, ColorRef text, ColorRef background,
                   ColorRef gradation, const CalculatorSettings& settings)
{
    const RoundCorners corners = KeyCorners(settings);
    DrawKeyFace(surface, rect, background, gradation, KeyLook(settings, corners));
    DrawKeyCaption(surface, rect, caption, text);
}

void DrawPreview(DrawSurface& surface, const PreviewLayout& layout, const PreviewFonts& fonts,
                 const CalculatorSettings& settings)
{
    // The background with the default pen: black, one pixel.
    {
        ScopedSelection background(surface);
        background.Select(Pen::Solid(1, 0x000000)).Select(Brush::Solid(settings.DialogBackColor));
        surface.Rectangle(layout.background);
    }

    ScopedSelection selection(surface);
    selection.Select(fonts.medium);
    surface.SetBackgroundMode(BackgroundMode::Transparent);
    for (const SampleKeyFace& key : kSampleKeys) {
        const std::u16string_view caption =
            key.key == SampleKey::Clear && FlagOn(settings.ShiftKeyFlg) ? kDigitDropCaption : key.caption;
        const KeyColours colours = KeyGroupColours(settings, key.group);
        DrawSampleKey(surface, layout.Key(key.key), Translated("Key", caption), colours.text, colours.background,
                      colours.gradation, settings);
    }

    selection.Select(fonts.small);
    surface.SetTextColor(settings.LabelTextColor);
    surface.SetBackgroundColor(settings.DialogBackColor);
    surface.DrawText(Translated("Display", kMemoryLabel), layout.caption, TextAlign::Left);

    selection.Select(Pen::Solid(4 / layout.divisor, settings.StaticLineColor)).Select(Brush::Hollow());
    surface.Rectangle(layout.display);
}

}  // namespace abacor
