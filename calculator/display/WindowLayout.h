#pragma once

#include <array>

#include "calculator/display/DisplayResources.h"
#include "calculator/keys/Keys.h"
#include "platform/drawing/Rect.h"
#include "platform/screen/ScreenMetrics.h"
#include "settings/CalculatorSettings.h"

namespace abacor {

// Every rectangle of one layout of the calculator window, in client pixels.
struct WindowLayout {
    bool landscape = false;
    int margin = 0;     // M
    int topMargin = 0;  // T
    int gap = 0;        // G
    int keypadTop = 0;  // Y0
    int columnWidth = 0;
    int rowHeight = 0;

    Rect displayBox;
    Rect memoryBox;
    Rect resultBox;
    Rect displayTextRect;
    Rect memoryTextRect;
    Rect resultTextRect;
    Rect operatorRect;
    Rect memoryCaptionRect;
    Rect resultCaptionRect;
    // The row of both captions: the switches' positions at its right, a
    // refusal's reason over all of it.
    Rect statusRect;
    // Indexed by KeyId; an additional key that is not placed is all zeros.
    std::array<Rect, kKeyCount> keys{};

    const Rect& KeyRect(KeyId key) const { return keys[static_cast<std::size_t>(Index(key))]; }
    Rect& KeyRect(KeyId key) { return keys[static_cast<std::size_t>(Index(key))]; }
};

// Lays the window out for the screen (read anew at each layout), its client
// rectangle and the settings; k and the font heights come from the display
// resources made at construction.
WindowLayout LayoutWindow(const ScreenMetrics& screen, const Rect& client, const DisplayResources& resources,
                          const CalculatorSettings& settings);

}  // namespace abacor
