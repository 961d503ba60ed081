// The window tests run on Qt's offscreen platform unless a display is chosen explicitly.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "app/accessibility.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Recovery copies, settings and the like go to a folder of this run's own, never the
    // user's, and never one a test running beside it uses.
    const QTemporaryDir home;
    for (const char* place : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
        qputenv(place, QDir(home.path()).filePath(QString::fromLatin1(place)).toLocal8Bit());
    QApplication app(argc, argv);
    cw::InstallAccessibility();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
