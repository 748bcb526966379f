// abacor-render: draws the calculator window offscreen into a PNG.
#include <QApplication>
#include <QImage>
#include <QPixmap>

#include <cstdio>
#include <sstream>

#include "calculator/logic/CCalculatorDlg.h"
#include "calculator/logic/KeyTokens.h"
#include "editor/CKorvelColorDlg.h"
#include "editor/CPropertySheet1.h"
#include "settings/SettingValueText.h"
#include "settings/SettingsStore.h"
#include "tools/abacor-render/RenderOptions.h"

namespace {

int Fail(const QString& message)
{
    std::fprintf(stderr, "abacor-render: %s\n", message.toLocal8Bit().constData());
    std::fprintf(stderr, "usage: abacor-render --size WxH --dpi N [--set Name=Value]... [--keys \"TOKENS\"] "
                         "[--press KEY] --out FILE.png\n"
                         "       abacor-render --editor 1|2|3|color --size WxH --dpi N [--set Name=Value]... "
                         "--out FILE.png\n");
    return 2;
}

int Save(const QImage& picture, const QString& out)
{
    if (!picture.save(out, "PNG"))
        return Fail(QStringLiteral("cannot write ") + out);
    return 0;
}

// The editor's window content: a page of the sheet, or the colour dialog as
// page 1 opens it for its first entry.
int RenderEditor(const abacor::RenderOptions& options, const abacor::CalculatorSettings& settings)
{
    if (options.editor == u"color") {
        abacor::CKorvelColorDlg dialog(options.screen);
        dialog.SetColor(settings.*abacor::kColourList[0].field);
        return Save(dialog.grab().toImage(), options.out);
    }
    abacor::CPropertySheet1 sheet(options.screen, settings);
    sheet.SetActivePage(options.editor.toInt() - 1);
    return Save(sheet.grab().toImage(), options.out);
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Abacor"));

    QString error;
    const auto options = abacor::ParseRenderOptions(QApplication::arguments().mid(1), &error);
    if (!options)
        return Fail(error);

    abacor::CalculatorSettings settings = abacor::LoadSettings();
    for (const std::string& assignment : options->settings)
        if (!abacor::ApplySettingAssignment(settings, assignment))
            return Fail(QStringLiteral("bad --set ") + QString::fromStdString(assignment));

    if (!options->editor.isEmpty())
        return RenderEditor(*options, settings);

    abacor::CCalculatorDlg dialog(settings, options->screen);
    std::istringstream keys(options->keys);
    std::string token;
    while (keys >> token)
        if (abacor::ApplyKeyToken(dialog.calculator(), dialog.settings(), token) != abacor::TokenOutcome::Applied)
            return Fail(QStringLiteral("unknown token in --keys: ") + QString::fromStdString(token));

    if (!options->press.isEmpty()) {
        bool found = false;
        for (const abacor::KeyFace& face : abacor::kKeyFaces) {
            const std::u16string_view caption = abacor::KeyCaption(face.key, dialog.settings());
            if (QString::fromUtf16(caption.data(), qsizetype(caption.size())) == options->press &&
                !dialog.layout().KeyRect(face.key).IsNull()) {
                dialog.PressFeedbackOn(abacor::PressFeedback::Press, face.key);
                found = true;
            }
        }
        if (!found)
            return Fail(QStringLiteral("no key on the screen is captioned ") + options->press);
    }

    const QImage picture = dialog.grab().toImage();
    if (!picture.save(options->out, "PNG"))
        return Fail(QStringLiteral("cannot write ") + options->out);
    return 0;
}
