// The baseline of the start-up benchmark: a Qt main window with a menu and a status bar, shown
// offscreen, ended at once when it has been shown and painted.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QWindow>
#include <cstdlib>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    for (const char* menu : {"&File", "&Edit", "&View", "&Tools", "&Help"})
        window.menuBar()->addMenu(QString::fromLatin1(menu))->addAction(QStringLiteral("Item"));
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    window.resize(582, 550);
    window.show();
    struct Watcher : QObject {
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Expose) QTimer::singleShot(0, [] { std::_Exit(0); });
            return false;
        }
    } watcher;
    window.windowHandle()->installEventFilter(&watcher);
    return QApplication::exec();
}
