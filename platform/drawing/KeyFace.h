#pragma once

#include "platform/drawing/DrawSurface.h"
#include "platform/drawing/RoundCorners.h"

namespace abacor {

// How the phone draws a key's face, the same for every key of a window.
struct KeyFaceLook {
    bool gradation = false;
    ColorRef line = 0;                      // border colour
    const RoundCorners* corners = nullptr;  // rounded when enabled
};

// One key face in rect: a vertical gradient from the gradation colour to the
// background colour, or flat in the background colour; with a rounded
// outline, or square with white top and left and line-coloured bottom and
// right edges.
void DrawKeyFace(DrawSurface& surface, const Rect& rect, ColorRef background, ColorRef gradation,
                 const KeyFaceLook& look);

}  // namespace abacor
