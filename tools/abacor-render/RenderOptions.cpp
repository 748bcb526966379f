#include "tools/abacor-render/RenderOptions.h"

#include "settings/SettingValueText.h"
#include "text/Digits.h"

namespace abacor {

std::optional<RenderOptions> ParseRenderOptions(const QStringList& arguments, QString* error)
{
    RenderOptions options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& name = arguments[i];
        const auto value = [&]() -> std::optional<QString> {
            if (i + 1 >= arguments.size())
                return std::nullopt;
            return arguments[++i];
        };
        if (name == u"--help") {
            options.help = true;
            continue;
        }
        const std::optional<QString> given = value();
        if (!given) {
            *error = QStringLiteral("missing value after ") + name;
            return std::nullopt;
        }
        if (name == u"--size") {
            const QList<QStringView> sides = QStringView(*given).split(u'x');
            const auto fits = [&](QStringView side) {
                return IsDigits(side, 1, 5) && side.toInt() >= kRenderLimits.minSide &&
                       side.toInt() <= kRenderLimits.maxSide;
            };
            if (sides.size() != 2 || !fits(sides[0]) || !fits(sides[1])) {
                *error = QStringLiteral("--size wants WIDTHxHEIGHT, each from %1 to %2, not ")
                             .arg(kRenderLimits.minSide)
                             .arg(kRenderLimits.maxSide) +
                         *given;
                return std::nullopt;
            }
            options.screen.width = sides[0].toInt();
            options.screen.height = sides[1].toInt();
        } else if (name == u"--dpi") {
            bool ok = false;
            const int dpi = given->toInt(&ok);
            if (!ok || dpi < kRenderLimits.minDpi || dpi > kRenderLimits.maxDpi) {
                *error = QStringLiteral("--dpi wants a number from %1 to %2, not ")
                             .arg(kRenderLimits.minDpi)
                             .arg(kRenderLimits.maxDpi) +
                         *given;
                return std::nullopt;
            }
            options.screen.dpiY = dpi;
        } else if (name == u"--set") {
            options.settings.push_back(given->toStdString());
        } else if (name == u"--keys") {
            options.keys = given->toStdString();
        } else if (name == u"--press") {
            options.press = *given;
        } else if (name == u"--editor") {
            if (*given != u"1" && *given != u"2" && *given != u"3" && *given != u"4" && *given != u"color") {
                *error = QStringLiteral("--editor wants 1, 2, 3, 4 or color, not ") + *given;
                return std::nullopt;
            }
            options.editor = *given;
        } else if (name == u"--out") {
            options.out = *given;
        } else {
            *error = QStringLiteral("unknown argument ") + name;
            return std::nullopt;
        }
    }
    if (options.help)
        return options;
    if (!options.editor.isEmpty() && (!options.keys.empty() || !options.press.isEmpty())) {
        *error = QStringLiteral("--keys and --press are for the calculator, not with --editor");
        return std::nullopt;
    }
    if (options.out.isEmpty()) {
        *error = QStringLiteral("--out FILE.png is required");
        return std::nullopt;
    }
    return options;
}

}  // namespace abacor
