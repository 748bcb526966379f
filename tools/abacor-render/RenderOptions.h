#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

#include "platform/screen/ScreenMetrics.h"

namespace abacor {

// The command line of abacor-render.
struct RenderOptions {
    ScreenMetrics screen;  // --size WxH, --dpi N
    std::vector<std::string> settings;  // --set Name=Value, in order
    std::string keys;                   // --keys "TOKENS"
    QString press;                      // --press CAPTION
    QString out;                        // --out FILE.png
    QString editor;                     // --editor 1|2|3|color
};

// The options, or an error message naming the bad argument.
std::optional<RenderOptions> ParseRenderOptions(const QStringList& arguments, QString* error);

}  // namespace abacor
