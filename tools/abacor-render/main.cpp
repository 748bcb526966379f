// abacor-render: draws the calculator window offscreen into a PNG.
#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>

#include <cstdio>
#include <sstream>

#include "calculator/core/CommandTable.h"
#include "calculator/window/CalculatorWindow.h"
#include "editor/ColourDialog.h"
#include "editor/SettingsSheet.h"
#include "platform/shell/ApplicationSetup.h"
#include "settings/SettingValueText.h"
#include "settings/SettingsStore.h"
#include "tools/abacor-render/RenderOptions.h"

namespace {

void Usage(std::FILE* to)
{
    std::fprintf(to,
                 "usage: abacor-render --size WxH --dpi N [--set Name=Value]... [--keys \"TOKENS\"] "
                 "[--press KEY] [--lang ja|en] --out FILE.png\n"
                 "       abacor-render --editor 1|2|3|4|color --size WxH --dpi N [--set Name=Value]... "
                 "--out FILE.png\n"
                 "Width and height from %d to %d pixels, dots per inch from %d to %d; the words in Japanese unless "
                 "--lang en.\n",
                 abacor::kRenderLimits.minSide, abacor::kRenderLimits.maxSide, abacor::kRenderLimits.minDpi,
                 abacor::kRenderLimits.maxDpi);
}

int Fail(const QString& message)
{
    std::fprintf(stderr, "abacor-render: %s\n", message.toLocal8Bit().constData());
    Usage(stderr);
    return 2;
}

// Output that could not be written: status 1, as for any tool.
int WriteFailed(const QString& message)
{
    std::fprintf(stderr, "abacor-render: %s\n", message.toLocal8Bit().constData());
    return 1;
}

// The PNG is made in memory first, so that a failed write, a full disk or a
// file-size limit is seen as such and never leaves a success behind.
int Save(const QImage& picture, const QString& out)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG"))
        return Fail(QStringLiteral("cannot encode the picture"));
    QFile file(out);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return WriteFailed(QStringLiteral("cannot open ") + out + QStringLiteral(": ") + file.errorString());
    const bool written = file.write(png) == png.size() && file.flush();
    file.close();
    if (!written || file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        if (file.exists() && QFileInfo(out).isFile())
            file.remove();
        return WriteFailed(QStringLiteral("cannot write ") + out + QStringLiteral(": ") + reason);
    }
    return 0;
}

// The editor's window content: a page of the sheet, or the colour dialog as
// page 1 opens it for its first entry.
int RenderEditor(const abacor::RenderOptions& options, const abacor::CalculatorSettings& settings)
{
    if (options.editor == u"color") {
        abacor::ColourDialog dialog(options.screen);
        dialog.SetColour(settings.*abacor::kColourList[0].field);
        return Save(dialog.grab().toImage(), options.out);
    }
    abacor::SettingsSheet sheet(options.screen, settings);
    sheet.SetActivePage(options.editor.toInt() - 1);
    return Save(sheet.grab().toImage(), options.out);
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef Q_OS_WIN
    // There the offscreen platform reads fonts from one folder, Qt's own by
    // default, which a static Qt does not have: the system's instead.
    if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR") && !qEnvironmentVariableIsEmpty("WINDIR"))
        qputenv("QT_QPA_FONTDIR", (qEnvironmentVariable("WINDIR") + QStringLiteral("\\Fonts")).toLocal8Bit());
#endif
    // Pictures are of the design's Japanese unless English is asked for.
    bool badLanguage = false;
    const std::optional<abacor::UiLanguage> language =
        abacor::LanguageArgument("abacor-render", argc, argv, &badLanguage);
    if (badLanguage)
        return 2;
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Abacor"));
    abacor::InstallTranslations(language.value_or(QStringLiteral("ja")));

    QString error;
    const auto options = abacor::ParseRenderOptions(QApplication::arguments().mid(1), &error);
    if (!options)
        return Fail(error);
    if (options->help) {
        Usage(stdout);
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
    }

    abacor::CalculatorSettings settings = abacor::LoadSettings();
    for (const std::string& assignment : options->settings)
        if (!abacor::ApplySettingAssignment(settings, assignment))
            return Fail(QStringLiteral("bad --set ") + QString::fromStdString(assignment));

    if (!options->editor.isEmpty())
        return RenderEditor(*options, settings);

    abacor::CalculatorWindow dialog(settings, options->screen);
    std::istringstream keys(options->keys);
    std::string token;
    while (keys >> token)
        if (const abacor::TokenResult result = dialog.session().Apply(token);
            result.outcome != abacor::TokenOutcome::Applied)
            return Fail(QStringLiteral("--keys: ") + QString::fromStdString(result.message));

    if (!options->press.isEmpty()) {
        bool found = false;
        for (int index = 0; index < abacor::kKeyCount; ++index) {
            const auto key = static_cast<abacor::KeyId>(index);
            const std::u16string_view caption = abacor::KeyCaption(key, dialog.settings());
            if (QStringView(caption).toString() == options->press && !dialog.layout().KeyRect(key).IsNull()) {
                dialog.ShowPressed(key);
                found = true;
            }
        }
        if (!found)
            return Fail(QStringLiteral("no key on the screen is captioned ") + options->press);
    }

    return Save(dialog.grab().toImage(), options->out);
}
