// The program's window: a menu bar (File, Edit, View, Tools, Task, Help) above the circuit window,
// which lays out its board, overlay and strip from its own size as before. The menus hold the
// circuit window's commands and the files' (a circuit file dropped on the window opens too);
// closing asks first when the board has unsaved changes.
#pragma once

#include <QMainWindow>

class QAction;

class QDockWidget;
class QLabel;
class QListWidget;
class QMenu;

namespace cw {

class Circuit;
class CircuitModel;
class BoardExport;
class FileSession;
class TaskPanel;

class MainWindow final : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    Circuit& CircuitWindow() { return *circuit_; }
    QAction* Quit() const { return quit_; }
    QAction* FullScreen() const { return fullScreen_; }
    FileSession& Files() { return *files_; }
    BoardExport& Exports() { return *exports_; }
    TaskPanel& Task() { return *task_; }
    // Predict first: the mode, Show, and what the last Show found.
    QAction* PredictFirst() const { return predictFirst_; }
    QAction* ShowResults() const { return showResults_; }
    QStringList VerdictLines() const;
    // Makes the circuit window at least this size, as far as the screen allows.
    void GrowCircuitTo(QSize size);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // Says in the status bar what the chosen tool does and how to get going.
    // The status bar's hint for a tool, or for the pencil's eraser (kEraserHint).
    static constexpr int16_t kEraserHint = -1;
    void ShowToolHint(int16_t tool);
    void BuildPredictFirst(QMenu* view);
    // The panel listing how the predictions did, made when first needed.
    QListWidget* VerdictList();
    // A panel docked beside the board, hidden until it has something to show.
    void KeepBeside(QDockWidget* dock);
    // Says it in the status bar and to the screen reader.
    void Tell(const QString& text);

    CircuitModel* model_;
    Circuit* circuit_;
    FileSession* files_;
    BoardExport* exports_;
    QAction* quit_;
    QAction* fullScreen_;
    QLabel* toolHint_;
    int16_t hintTool_ = 0;
    TaskPanel* task_;
    QAction* predictFirst_;
    QAction* showResults_;
    QLabel* tally_;
    QDockWidget* verdicts_ = nullptr;
    QListWidget* verdictList_ = nullptr;
};

}  // namespace cw
