#pragma once

#include <QFont>

#include "platform/drawing/DrawSurface.h"
#include "platform/screen/ScreenClass.h"
#include "settings/CalculatorSettings.h"

namespace abacor {

// Cell heights of the four fonts (FontCellHeight); a dpi of 0 counts as 192.
struct FontHeights {
    int display = 0;  // N 220
    int small = 0;    // N 105
    int key = 0;      // N 120
    int caption = 0;  // N 40
};

FontHeights ComputeFontHeights(const ScreenClass& screenClass, int dpiY);

// Fonts, brushes and pens made once, at the window's construction, from the
// screen and the settings (CreateDisplayResources).
struct DisplayResources {
    ScreenClass screenClass;
    // Device pixels per pixel of the design: the device pixel ratio, times the
    // growth of a window larger than the design. Fonts, margins and frames
    // are this many times their size on the phone.
    double scale = 1.0;
    FontHeights heights;
    QFont displayFont;
    QFont smallFont;
    QFont keyFont;
    QFont captionFont;
    // Half again the captions' height, for what must be read at a glance:
    // the annunciators, the switches' positions, a refusal's reason.
    QFont statusFont;
    ColorRef dialogBackColor = 0;  // the window's background brush
    Brush staticBackBrush;
    Pen boxFramePen;  // StaticLineColor, 2 / k pixels wide
};

DisplayResources CreateDisplayResources(const ScreenMetrics& screen, const CalculatorSettings& settings,
                                        double scale = 1.0);

// A length of the design (already divided by the class's k) at the scale.
inline int Scaled(double designPixels, double scale) { return static_cast<int>(designPixels * scale + 0.5); }

}  // namespace abacor
