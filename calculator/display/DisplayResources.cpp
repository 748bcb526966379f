#include "calculator/display/DisplayResources.h"

#include "look/CalculatorLook.h"

namespace abacor {

FontHeights ComputeFontHeights(const ScreenClass& screenClass, int dpiY)
{
    const auto height = [&](FontSize size) { return FontCellHeight(screenClass, dpiY, size); };
    return {height(FontSize::Display), height(FontSize::Line), height(FontSize::KeyCaption), height(FontSize::Label)};
}

DisplayResources CreateDisplayResources(const ScreenMetrics& screen, const CalculatorSettings& settings, double scale)
{
    DisplayResources resources;
    resources.scale = scale;
    // The class of the design's screen, which the device's shows at the scale.
    const ScreenMetrics design{Scaled(screen.width, 1.0 / scale), Scaled(screen.height, 1.0 / scale),
                               Scaled(screen.dpiY, 1.0 / scale)};
    resources.screenClass = ClassifyScreen(scale == 1.0 ? screen : design);
    FontHeights heights = ComputeFontHeights(resources.screenClass, scale == 1.0 ? screen.dpiY : design.dpiY);
    for (int* height : {&heights.display, &heights.small, &heights.key, &heights.caption})
        *height = Scaled(*height, scale);
    resources.heights = heights;
    resources.displayFont = LookFont(resources.heights.display, settings);
    resources.smallFont = LookFont(resources.heights.small, settings);
    resources.keyFont = LookFont(resources.heights.key, settings);
    resources.captionFont = LookFont(resources.heights.caption, settings);
    resources.statusFont = LookFont(resources.heights.caption * 3 / 2, settings);
    resources.dialogBackColor = settings.DialogBackColor;
    resources.staticBackBrush = Brush::Solid(settings.StaticBackColor);
    resources.boxFramePen = Pen::Solid(Scaled(2 / resources.screenClass.k, scale), settings.StaticLineColor);
    return resources;
}

}  // namespace abacor
