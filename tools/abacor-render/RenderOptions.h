#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

#include "platform/screen/ScreenMetrics.h"

namespace abacor {

// What a real screen needs, and no more: beyond these a picture would only
// cost minutes and gigabytes.
inline constexpr struct {
    int minSide = 120, maxSide = 4096;
    int minDpi = 48, maxDpi = 1536;
} kRenderLimits;

// The command line of abacor-render.
struct RenderOptions {
    ScreenMetrics screen;               // --size WxH, --dpi N
    std::vector<std::string> settings;  // --set Name=Value, in order
    std::string keys;                   // --keys "TOKENS"
    QString press;                      // --press CAPTION
    QString out;                        // --out FILE.png
    QString editor;                     // --editor 1|2|3|color
    bool help = false;                  // --help
};

// The options, or an error message naming the bad argument.
std::optional<RenderOptions> ParseRenderOptions(const QStringList& arguments, QString* error);

}  // namespace abacor
