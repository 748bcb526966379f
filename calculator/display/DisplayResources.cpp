#include "calculator/display/DisplayResources.h"

#include "platform/drawing/Fonts.h"
#include "platform/drawing/MulDiv.h"

namespace abacor {

FontHeights ComputeFontHeights(const ScreenClass& screenClass, int dpiY)
{
    const auto height = [&](double n) { return MulDiv(static_cast<int>(screenClass.S * n), dpiY, 720); };
    return {height(220.0), height(105.0), height(120.0), height(40.0)};
}

DisplayResources CreateDisplayResources(const ScreenMetrics& screen, const CalculatorSettings& settings)
{
    DisplayResources resources;
    resources.screenClass = ClassifyScreen(screen);
    resources.heights = ComputeFontHeights(resources.screenClass, screen.dpiY > 0 ? screen.dpiY : 192);
    const FontQuality quality = FlagOn(settings.ClearTypeFlg) ? FontQuality::ClearType : FontQuality::Default;
    resources.displayFont = MakeFont(resources.heights.display, quality);
    resources.smallFont = MakeFont(resources.heights.small, quality);
    resources.keyFont = MakeFont(resources.heights.key, quality);
    resources.captionFont = MakeFont(resources.heights.caption, quality);
    resources.dialogBackColor = settings.DialogBackColor;
    resources.staticBackBrush = Brush::Solid(settings.StaticBackColor);
    resources.boxFramePen = Pen::Solid(2 / resources.screenClass.k, settings.StaticLineColor);
    return resources;
}

}  // namespace abacor
