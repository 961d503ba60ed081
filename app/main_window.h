// The program's window: a menu bar (File, Edit, View, Tools, Help) above the circuit window,
// which lays out its board, overlay and strip from its own size as before. The menus hold the
// circuit window's commands and are where files, undo, the current view and printing go.
#pragma once

#include <QMainWindow>

class QAction;

namespace cw {

class Circuit;

class MainWindow final : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(QWidget* parent = nullptr);

    Circuit& CircuitWindow() { return *circuit_; }
    QAction* Quit() const { return quit_; }
    QAction* FullScreen() const { return fullScreen_; }

  private:
    Circuit* circuit_;
    QAction* quit_;
    QAction* fullScreen_;
};

}  // namespace cw
