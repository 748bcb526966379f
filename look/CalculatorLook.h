#pragma once

#include <QFont>
#include <QString>
#include <QStringView>

#include <string_view>

#include "platform/drawing/DrawSurface.h"
#include "platform/drawing/KeyFace.h"
#include "platform/drawing/RoundCorners.h"
#include "platform/screen/ScreenClass.h"
#include "settings/CalculatorSettings.h"
#include "text/Translatable.h"

namespace abacor {

// What the calculator window and the editor's sample of it both draw, made
// in one place so that a change of look is made once.

// Font sizes in tenths of a point.
enum class FontSize : int { Display = 220, KeyCaption = 120, Line = 105, Label = 40 };

// The cell height of a font of that size: MulDiv(trunc(S x size), dpi, 720);
// an unknown resolution (0) counts as 192 dots per inch.
int FontCellHeight(const ScreenClass& screenClass, int dpiY, FontSize size);

// A font of the calculator's face with that cell height, smooth with ClearTypeFlg.
QFont LookFont(int cellHeight, const CalculatorSettings& settings);

// The key corners and key faces for the settings.
RoundCorners KeyCorners(const CalculatorSettings& settings);
KeyFaceLook KeyLook(const CalculatorSettings& settings, const RoundCorners& corners);

// A key's caption, centred on its face.
void DrawKeyCaption(DrawSurface& surface, const Rect& key, const QString& caption, ColorRef colour);

// The labels above the memory and result lines.
inline constexpr std::u16string_view kMemoryLabel = ABACOR_TRANSLATABLE("Display", u"M E M O R Y");
inline constexpr std::u16string_view kResultLabel = ABACOR_TRANSLATABLE("Display", u"R E S U L T");

}  // namespace abacor
