#include <QApplication>
#include <QIcon>

#include "app/accessibility.h"
#include "app/main_window.h"
#include "app/part_texts.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Circuit Workbench"));
    QApplication::setApplicationVersion(QStringLiteral(CW_VERSION));
    // The desktop matches the window to its entry and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(CW_APP_ID));
    QIcon icon;
    for (int size : {16, 22, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/" CW_APP_ID "-%1.png").arg(size));
    }
    QApplication::setWindowIcon(icon);
    cw::LoadTranslations(application);
    cw::InstallAccessibility();
    cw::MainWindow window;
    window.show();
    return QApplication::exec();
}
