#include "calculator/display/DisplayResources.h"

#include "look/CalculatorLook.h"

namespace abacor {

FontHeights ComputeFontHeights(const ScreenClass& screenClass, int dpiY)
{
    const auto height = [&](FontSize size) { return FontCellHeight(screenClass, dpiY, size); };
    return {height(FontSize::Display), height(FontSize::Line), height(FontSize::KeyCaption), height(FontSize::Label)};
}

DisplayResources CreateDisplayResources(const ScreenMetrics& screen, const CalculatorSettings& settings)
{
    DisplayResources resources;
    resources.screenClass = ClassifyScreen(screen);
    resources.heights = ComputeFontHeights(resources.screenClass, screen.dpiY);
    resources.displayFont = LookFont(resources.heights.display, settings);
    resources.smallFont = LookFont(resources.heights.small, settings);
    resources.keyFont = LookFont(resources.heights.key, settings);
    resources.captionFont = LookFont(resources.heights.caption, settings);
    resources.dialogBackColor = settings.DialogBackColor;
    resources.staticBackBrush = Brush::Solid(settings.StaticBackColor);
    resources.boxFramePen = Pen::Solid(2 / resources.screenClass.k, settings.StaticLineColor);
    return resources;
}

}  // namespace abacor
