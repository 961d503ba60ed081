// The window tests run on Qt's offscreen platform unless a display is chosen explicitly.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

#include "app/accessibility.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Recovery copies and the like go to a test folder, never the user's own.
    QStandardPaths::setTestModeEnabled(true);
    cw::InstallAccessibility();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
