// Tests that need a GUI application: offscreen unless told otherwise.
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/shell/PaintedParts.h"

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Abacor"));
    abacor::InstallPaintedPartsAccessibility();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
