#include "editor/PreviewPainter.h"

#include "platform/drawing/Fonts.h"
#include "platform/drawing/KeyFace.h"
#include "platform/drawing/RoundCorners.h"

namespace abacor {

namespace {

struct SampleKeyFace {
    SampleKey key;
    std::u16string_view caption;
    std::uint32_t CalculatorSettings::*text;
    std::uint32_t CalculatorSettings::*background;
    std::uint32_t CalculatorSettings::*gradation;
};

// Drawing order: digit, calculation, clear, tax.
constexpr SampleKeyFace kSampleKeys[] = {
    {SampleKey::Digit, u"９", &CalculatorSettings::ButtonTextColor1, &CalculatorSettings::ButtonBackColor1,
     &CalculatorSettings::ButtonGradColor1},
    {SampleKey::Calculation, u"＋", &CalculatorSettings::ButtonTextColor2, &CalculatorSettings::ButtonBackColor2,
     &CalculatorSettings::ButtonGradColor2},
    {SampleKey::Clear, u"CE", &CalculatorSettings::ButtonTextColor3, &CalculatorSettings::ButtonBackColor3,
     &CalculatorSettings::ButtonGradColor3},
    {SampleKey::Tax, u"税込", &CalculatorSettings::ButtonTextColor4, &CalculatorSettings::ButtonBackColor4,
     &CalculatorSettings::ButtonGradColor4},
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

void DrawSampleKey(DrawSurface& surface, const Rect& rect, const QString& caption, ColorRef text,
                   ColorRef background, ColorRef gradation, const CalculatorSettings& settings)
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
        DrawSampleKey(surface, layout.Key(key.key),
                      QString::fromUtf16(caption.data(), static_cast<qsizetype>(caption.size())),
                      settings.*key.text, settings.*key.background, settings.*key.gradation, settings);
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
