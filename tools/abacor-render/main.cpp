// abacor-render: draws the calculator window offscreen into a PNG.
#include <QApplication>
#include <QImage>
#include <QPixmap>

#include <cstdio>
#include <sstream>

#include "calculator/logic/CCalculatorDlg.h"
#include "calculator/logic/KeyTokens.h"
#include "settings/SettingValueText.h"
#include "settings/SettingsStore.h"
#include "tools/abacor-render/RenderOptions.h"

namespace {

int Fail(const QString& message)
{
    std::fprintf(stderr, "abacor-render: %s\n", message.toLocal8Bit().constData());
    std::fprintf(stderr, "usage: abacor-render --size WxH --dpi N [--set Name=Value]... [--keys \"TOKENS\"] "
                         "[--press KEY] --out FILE.png\n");
    return 2;
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
