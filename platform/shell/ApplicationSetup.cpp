#include "platform/shell/ApplicationSetup.h"

#include <QApplication>

#include "platform/shell/AppIcon.h"
#include "platform/shell/PaintedParts.h"

namespace abacor {

void SetUpApplication(const QString& name)
{
    // The registry key name; the settings themselves live under \Software\Korvel\Abacor.
    QApplication::setOrganizationName(QStringLiteral("Korvel"));
    QApplication::setApplicationName(name);
    QApplication::setWindowIcon(AppIcon());
    InstallPaintedPartsAccessibility();
}

}  // namespace abacor
