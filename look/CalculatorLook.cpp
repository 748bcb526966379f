#include "look/CalculatorLook.h"

#include "platform/drawing/Fonts.h"
#include "platform/drawing/MulDiv.h"

namespace abacor {

namespace {
constexpr int kDefaultDpi = 192;
}

int FontCellHeight(const ScreenClass& screenClass, int dpiY, FontSize size)
{
    const int dpi = dpiY > 0 ? dpiY : kDefaultDpi;
    return MulDiv(static_cast<int>(screenClass.S * static_cast<int>(size)), dpi, 720);
}

QFont LookFont(int cellHeight, const CalculatorSettings& settings)
{
    return MakeFont(cellHeight, FlagOn(settings.ClearTypeFlg) ? FontQuality::ClearType : FontQuality::Default);
}

RoundCorners KeyCorners(const CalculatorSettings& settings)
{
    return RoundCorners(settings.DialogBackColor, settings.ButtonLineColor, FlagOn(settings.RoundButtonFlg));
}

KeyFaceLook KeyLook(const CalculatorSettings& settings, const RoundCorners& corners)
{
    return {FlagOn(settings.GradationFlg), settings.ButtonLineColor, &corners};
}

void DrawKeyCaption(DrawSurface& surface, const Rect& key, const QString& caption, ColorRef colour)
{
    surface.SetTextColor(colour);
    surface.DrawText(caption, key, TextAlign::Center);
}

}  // namespace abacor
