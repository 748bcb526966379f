#include "editor/PreviewPainter.h"

#include "platform/drawing/Fonts.h"
#include "platform/drawing/KeyFace.h"
#include "platform/drawing/RoundCorners.h"

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
    {SampleKey::Tax, u"税込", KeyGroup::Tax},
};

}  // namespace

PreviewFonts CreatePreviewFonts(const ScreenMetrics& screen, const CalculatorSettings& settings)
{
    const PreviewFontHeights heights = ComputePreviewFontHeights(screen);
    const FontQuality quality = FlagOn(settings.ClearTypeFlg) ? FontQuality::ClearType : FontQuality::Default;
    return {MakeFont(heights.large, quality), MakeFont(heights.medium, quality), MakeFont(heights.small, quality)};
}

QString SampleDisplayText(const CalculatorSettings& settings)
{
    return FlagOn(settings.CommaFormatFlg) ? QStringLiteral("19,800") : QStringLiteral("19800");
}

void DrawSampleKey(DrawSurface& surface, const Rect& rect, const QString& caption, ColorRef text, ColorRef background,
                   ColorRef gradation, const CalculatorSettings& settings)
{
    const RoundCorners corners(settings.DialogBackColor, settings.ButtonLineColor, FlagOn(settings.RoundButtonFlg));
    DrawKeyFace(surface, rect, background, gradation,
                {FlagOn(settings.GradationFlg), settings.ButtonLineColor, &corners});
    surface.SetTextColor(text);
    surface.DrawText(caption, rect, TextAlign::Center);
}

void DrawPreview(DrawSurface& surface, const PreviewLayout& layout, const PreviewFonts& fonts,
                 const CalculatorSettings& settings)
{
    // The background with the default pen: black, one pixel.
    const Pen previousPen = surface.SelectPen(Pen::Solid(1, 0x000000));
    const Brush previousBrush = surface.SelectBrush(Brush::Solid(settings.DialogBackColor));
    surface.Rectangle(layout.background);
    surface.SelectBrush(previousBrush);
    surface.SelectPen(previousPen);

    const QFont previousFont = surface.SelectFont(fonts.medium);
    surface.SetBackgroundMode(BackgroundMode::Transparent);
    for (const SampleKeyFace& key : kSampleKeys) {
        const std::u16string_view caption =
            key.key == SampleKey::Clear && FlagOn(settings.ShiftKeyFlg) ? u"⇒" : key.caption;
        const KeyColours colours = KeyGroupColours(settings, key.group);
        DrawSampleKey(surface, layout.Key(key.key),
                      QString::fromUtf16(caption.data(), static_cast<qsizetype>(caption.size())), colours.text,
                      colours.background, colours.gradation, settings);
    }

    surface.SelectFont(fonts.small);
    surface.SetTextColor(settings.LabelTextColor);
    surface.SetBackgroundColor(settings.DialogBackColor);
    surface.DrawText(QStringLiteral("M E M O R Y"), layout.caption, TextAlign::Left);
    surface.SelectFont(previousFont);

    const Pen framePen = surface.SelectPen(Pen::Solid(4 / layout.divisor, settings.StaticLineColor));
    const Brush noBrush = surface.SelectBrush(Brush::Hollow());
    surface.Rectangle(layout.display);
    surface.SelectPen(framePen);
    surface.SelectBrush(noBrush);
}

}  // namespace abacor
