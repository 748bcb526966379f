#pragma once

#include <QFont>
#include <QString>

#include "editor/PreviewLayout.h"
#include "platform/drawing/DrawSurface.h"
#include "settings/CalculatorSettings.h"

namespace abacor {

struct PreviewFonts {
    QFont large;   // the sample display
    QFont medium;  // key captions
    QFont small;   // "M E M O R Y"
};

// CreatePreviewFonts: the three fonts for the screen, smooth with ClearTypeFlg.
PreviewFonts CreatePreviewFonts(const ScreenMetrics& screen, const CalculatorSettings& settings);

// The text of the sample display: "19,800" with CommaFormatFlg, else "19800".
QString SampleDisplayText(const CalculatorSettings& settings);

// DrawPreview: background, the four sample keys, the caption and the
// display's frame. The display's text is control 1015's own.
void DrawPreview(DrawSurface& surface, const PreviewLayout& layout, const PreviewFonts& fonts,
                 const CalculatorSettings& settings);

// DrawSampleKey: one key with its face and caption.
void DrawSampleKey(DrawSurface& surface, const Rect& rect, const QString& caption, ColorRef text, ColorRef background,
                   ColorRef gradation, const CalculatorSettings& settings);

}  // namespace abacor
