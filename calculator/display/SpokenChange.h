#pragma once

#include <QString>

#include "calculator/display/WindowPainter.h"

namespace abacor {

// The display as a screen reader reads it: the value, then what the last key
// changed besides it (the pending operator, the memory as "メモリー" and its
// value, the lit annunciators), so that reading the display tells it all.
struct DisplaySpeech {
    QString value;  // the display value the text begins with (a time or a date in words)
    QString text;
    // The text is news to be spoken: not while digits are typed, since the
    // reader echoes those keys itself.
    bool spoken = false;
};

DisplaySpeech SpeakDisplay(const DisplayTexts& before, const DisplayTexts& after, bool typing);

// The display's accessible name, which where-am-I reads before the text:
// "表示", then the pending operator and the lit annunciators but those the
// text says already.
QString DisplayName(const DisplayTexts& texts, const QString& said);

}  // namespace abacor
