#pragma once

#include <QFont>

namespace abacor {

// Font quality as the settings ask for it.
enum class FontQuality : int {
    Default = 0,    // crisp, not antialiased
    ClearType = 5,  // smooth, antialiased
};

// A font of the calculator's face ("MS UI Gothic", else IPA P Gothic, else
// Noto Sans CJK JP), weight 400, whose cell (ascent + descent) is at most
// cellHeight pixels and as tall as the face allows. Needs a GUI application.
QFont MakeFont(int cellHeight, FontQuality quality);

// A font whose em (character height without internal leading) is emHeight
// pixels: the platform's negative logical-font height, used for dialog fonts.
QFont MakeFontByEmHeight(int emHeight, FontQuality quality);

}  // namespace abacor
