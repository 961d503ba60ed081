#include "app/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QMenuBar>

#include "app/circuit_window.h"
#include "app/commands.h"

namespace cw {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(tr("Circuit Workbench"));
    circuit_ = new Circuit;
    setCentralWidget(circuit_);
    CircuitCommands& commands = circuit_->Commands();

    QMenu* file = menuBar()->addMenu(tr("&File"));
    quit_ = file->addAction(tr("&Quit"));
    quit_->setShortcuts(QKeySequence::Quit);
    if (quit_->shortcuts().isEmpty()) quit_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit_->setStatusTip(tr("Close Circuit Workbench"));
    connect(quit_, &QAction::triggered, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->addAction(commands.DeletePart());

    QMenu* view = menuBar()->addMenu(tr("&View"));
    fullScreen_ = view->addAction(tr("&Full Screen"));
    fullScreen_->setCheckable(true);
    fullScreen_->setShortcuts(QKeySequence::FullScreen);
    fullScreen_->setStatusTip(tr("Show the board on the whole screen, for the class to see"));
    connect(fullScreen_, &QAction::toggled, this, [this](bool on) {
        setWindowState(on ? windowState() | Qt::WindowFullScreen
                          : windowState() & ~Qt::WindowFullScreen);
    });

    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    tools->addActions(commands.Tools()->actions());

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(commands.Help());
    help->addAction(commands.KeyboardHelp());
    help->addSeparator();
    help->addAction(commands.About());

    // The circuit window keeps its designed size; the window grows by the menu bar.
    resize(kDesignClientWidth, kDesignClientHeight + menuBar()->sizeHint().height());
    // The keyboard starts on the first palette copy, as in the circuit window alone.
    circuit_->FocusOrder().front()->setFocus(Qt::OtherFocusReason);
}

}  // namespace cw
