#pragma once

#include <QString>

#include "calculator/display/DisplayResources.h"
#include "calculator/display/KeyFaceStrip.h"
#include "calculator/display/WindowLayout.h"
#include "platform/drawing/DrawSurface.h"

namespace abacor {

// The four texts the calculator shows; the display is handed them, it never
// sees the calculator itself.
// Between two annunciators ("CUT 0", "GT"): drawn as a gap of its own, so
// that words of one annunciator and two annunciators never look alike.
inline constexpr QStringView kAnnunciatorGap = u"  ";

struct DisplayTexts {
    QString display;
    QString result;
    QString memory;
    QString op;
    // The desk functions' lit annunciators, kAnnunciatorGap between two, or
    // nothing.
    QString annunciators;
    // The switches' positions (SwitchFace), kAnnunciatorGap between two.
    QString switches = {};
    // Why the last key changed nothing, in the program's language; shown
    // over the captions' row until the next key.
    QString message = {};
};

struct PaintContext {
    const WindowLayout& layout;
    const DisplayResources& resources;
    const CalculatorSettings& settings;
    const KeyFaceStrip& faces;
    const KeyFaces& keys;  // caption and group of every key
};

// PaintWindow: redraws every key, caption, box and text that meets the dirty
// rectangle, in the window's drawing order; with erase the dirty rectangle is
// first filled with the window's background.
void PaintWindow(DrawSurface& surface, const PaintContext& context, const DisplayTexts& texts, const Rect& dirty,
                 bool erase);

}  // namespace abacor
