#include "app/main_window.h"

#include <QAccessible>
#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QToolButton>
#include <functional>

#include "app/board_export.h"
#include "app/circuit_window.h"
#include "app/commands.h"
#include "app/file_session.h"
#include "app/part_bar.h"
#include "app/part_texts.h"
#include "app/prediction_texts.h"
#include "app/task_panel.h"
#include "app/task_texts.h"
#include "files/circuit_model.h"

namespace cw {
namespace {
// The task panel's width when it first shows beside the board.
constexpr int kTaskPanelWidth = 280;

// A label that fits its words to the room it is given, each time that changes.
class FittingLabel final : public QLabel {
  public:
    FittingLabel(QWidget* parent, std::function<void()> fit)
        : QLabel(parent), fit_(std::move(fit)) {}

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        fit_();
    }

  private:
    std::function<void()> fit_;
};
}  // namespace

MainWindow::~MainWindow() {
    delete circuit_;  // the view goes before the model it shows
}

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(tr("Circuit Workbench"));
    // The window owns the circuit model; the circuit window is a view of it.
    model_ = new CircuitModel(this);
    circuit_ = new Circuit(nullptr, model_);
    setCentralWidget(circuit_);
    CircuitCommands& commands = circuit_->Commands();

    files_ = new FileSession(*this, *circuit_, [this](QSize size) { GrowCircuitTo(size); });
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(files_->New());
    file->addAction(files_->Open());
    file->addMenu(files_->Examples());
    file->addSeparator();
    file->addAction(files_->Save());
    file->addAction(files_->SaveAs());
    file->addSeparator();
    exports_ = new BoardExport(*this, *circuit_, *files_);
    file->addAction(exports_->Export());
    file->addAction(exports_->Print());
    file->addSeparator();
    quit_ = file->addAction(tr("&Quit"));
    quit_->setShortcuts(QKeySequence::Quit);
    if (quit_->shortcuts().isEmpty()) quit_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit_->setStatusTip(tr("Close Circuit Workbench"));
    connect(quit_, &QAction::triggered, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->addAction(files_->Undo());
    edit->addAction(files_->Redo());
    edit->addSeparator();
    edit->addAction(exports_->CopyImage());
    edit->addAction(commands.DeletePart());
    // Undo and Redo as buttons too, beside the menus, where a learner sees them.
    auto* buttons = new QWidget(menuBar());
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 4, 0);
    row->setSpacing(2);
    for (QAction* a : {files_->Undo(), files_->Redo()}) {
        auto* button = new QToolButton(buttons);
        button->setDefaultAction(a);
        button->setAutoRaise(true);
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        row->addWidget(button);
    }
    menuBar()->setCornerWidget(buttons, Qt::TopRightCorner);
    // Those who listen hear what an undo or redo did.
    connect(files_, &FileSession::StepApplied, this, &MainWindow::Tell);

    // A task beside the board, when the board is one.
    task_ = new TaskPanel(*model_, this);
    files_->SetBeforeSave([this] { task_->Commit(); });
    connect(task_, &TaskPanel::Announce, this, &MainWindow::Tell);
    connect(model_, &CircuitModel::EditRefused, this, [this](int kind, int number) {
        Tell(TaskTexts::Refused(static_cast<Kind>(kind), number));
    });

    QMenu* view = menuBar()->addMenu(tr("&View"));
    fullScreen_ = view->addAction(tr("&Full Screen"));
    fullScreen_->setCheckable(true);
    fullScreen_->setShortcuts(QKeySequence::FullScreen);
    fullScreen_->setStatusTip(tr("Show the board on the whole screen, for the class to see"));
    connect(fullScreen_, &QAction::toggled, this, [this](bool on) {
        setWindowState(on ? windowState() | Qt::WindowFullScreen
                          : windowState() & ~Qt::WindowFullScreen);
    });

    view->addSeparator();
    view->addActions(
        {commands.ZoomIn(), commands.ZoomOut(), commands.ActualSize(), commands.ZoomToFit()});
    view->addSeparator();
    view->addAction(commands.ShowCurrent());
    view->addAction(commands.ElectronFlow());
    view->addSeparator();
    view->addAction(commands.Diagram());
    QMenu* symbols = view->addMenu(tr("&Symbols"));
    symbols->addActions(commands.SymbolSets()->actions());

    view->addSeparator();
    view->addAction(task_->toggleViewAction());
    BuildPredictFirst(view);

    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    tools->addActions(commands.Tools()->actions());
    tools->addSeparator();
    tools->addAction(task_->CheckTask());

    // F6 takes the keyboard between the board and the task panel (its answers, its Check).
    auto* panes = new QAction(tr("Switch Between Board and &Task Panel"), this);
    panes->setShortcut(QKeySequence(Qt::Key_F6));
    panes->setStatusTip(tr("Move the keyboard from the board to the task panel and back"));
    connect(panes, &QAction::triggered, this, [this] {
        if (task_->isVisible() && !task_->isAncestorOf(focusWidget())) {
            task_->FocusFirst();
        } else {
            circuit_->FocusOrder().front()->setFocus(Qt::ShortcutFocusReason);
        }
    });
    QMenu* task = menuBar()->addMenu(tr("T&ask"));
    task->addAction(task_->NewTask());
    task->addAction(task_->EditTask());
    task->addAction(task_->RemoveTask());
    task->addSeparator();
    task->addAction(task_->CheckTask());
    task->addAction(panes);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(commands.Help());
    help->addAction(commands.KeyboardHelp());
    help->addSeparator();
    help->addAction(commands.About());

    // First steps: what the chosen tool does and how to get going, below the board; a menu
    // command's own tip shows there while the pointer is over it.
    toolHint_ = new FittingLabel(statusBar(), [this] { ShowToolHint(hintTool_); });
    toolHint_->setObjectName(QStringLiteral("toolHint"));
    // It takes the room the status bar has, and fits its words to it.
    toolHint_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusBar()->addWidget(toolHint_, 1);
    for (int16_t tool : {kToolLine, kToolPencil, kToolDelete}) {
        connect(commands.Tool(tool), &QAction::toggled, this, [this, tool](bool on) {
            if (on) ShowToolHint(tool);
        });
    }
    connect(commands.Eraser(), &QAction::toggled, this, [this](bool on) {
        if (on) ShowToolHint(kEraserHint);
    });
    ShowToolHint(circuit_->Model().ToolMode);
    // A fuse that blows is news: the status bar says which, and why.
    connect(model_, &CircuitModel::FuseBlew, this, [this](int number, qint64 mA, int rating) {
        statusBar()->showMessage(PartTexts::FuseBlew(number, mA, static_cast<int16_t>(rating)),
                                 10000);
    });

    auto* bar = new PartBar(circuit_->BarHost(), this);
    addToolBar(Qt::TopToolBarArea, bar);
    connect(circuit_, &Circuit::PartsLeftChanged, bar, &PartBar::ShowLeft);
    KeepBeside(task_);

    // The circuit window keeps its designed size; the window grows by the menu, part and status
    // bars.
    resize(kDesignClientWidth, kDesignClientHeight + menuBar()->sizeHint().height() +
                                   bar->sizeHint().height() + statusBar()->sizeHint().height());
    // The keyboard starts on the first palette copy, as in the circuit window alone.
    circuit_->FocusOrder().front()->setFocus(Qt::OtherFocusReason);
    setAcceptDrops(true);
}

void MainWindow::ShowToolHint(int16_t tool) {
    hintTool_ = tool;
    const QString help =
        QKeySequence(QKeySequence::HelpContents).toString(QKeySequence::NativeText);
    const QString line = ShortcutText(circuit_->Commands().Tool(kToolLine));
    // The whole hint where the window has room, a shorter one where it has not (the help keeps
    // the whole); the key to help always shows, at the end.
    QString whole, brief;
    switch (tool) {
        case kToolLine:
            whole =
                tr("Line tool: drag from one terminal to another to draw a wire; click a switch "
                   "or a resistor to change it. %1: help")
                    .arg(help);
            //: The line tool's hint where the window is narrow (582 pixels): keep it short.
            brief = tr("Line tool: drag between terminals to wire; click to change a switch. "
                       "%1: help")
                        .arg(help);
            break;
        case kEraserHint:
            whole = tr("Eraser: drag across notes to rub them out. To write again, choose the "
                       "Pencil (%1). %2: help")
                        .arg(ShortcutText(circuit_->Commands().Tool(kToolPencil)), help);
            //: The eraser's hint where the window is narrow (582 pixels): keep it short.
            brief = tr("Eraser: drag across notes to rub them out. %1: help").arg(help);
            break;
        case kToolDelete:
            whole = tr("Delete tool: click a part or a wire to delete it. %1: help").arg(help);
            //: The delete tool's hint where the window is narrow (582 pixels): keep it short.
            brief = tr("Delete tool: click a part or wire to delete it. %1: help").arg(help);
            break;
        default:
            whole = tr("Pencil: draw notes. To join parts with wires, choose the Line tool (%1). "
                       "%2: help")
                        .arg(line, help);
            //: The pencil's hint where the window is narrow (582 pixels): keep it short.
            brief =
                tr("Pencil: draw notes. For wires, the Line tool (%1). %2: help").arg(line, help);
            break;
    }
    const QFontMetrics metrics = toolHint_->fontMetrics();
    const int room = toolHint_->contentsRect().width();
    QString shown = metrics.horizontalAdvance(whole) <= room ? whole : brief;
    // Narrower still, whole words go from the end of the hint, never the key to help.
    const QString key = tr("%1: help").arg(help);
    while (metrics.horizontalAdvance(shown) > room && shown.endsWith(key)) {
        QString head = shown.chopped(key.size()).trimmed();
        if (head.endsWith(QChar(0x2026))) head.chop(1);
        const qsizetype space = head.lastIndexOf(QLatin1Char(' '));
        if (space <= 0) break;
        shown = head.left(space) + QChar(0x2026) + QLatin1Char(' ') + key;
    }
    toolHint_->setText(shown);
    toolHint_->setToolTip(whole);
}

void MainWindow::BuildPredictFirst(QMenu* view) {
    predictFirst_ = view->addAction(tr("&Predict First"));
    predictFirst_->setCheckable(true);
    predictFirst_->setStatusTip(
        tr("After each change, predict every bulb before the results show"));
    showResults_ = view->addAction(tr("S&how Results"));
    showResults_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Return));
    showResults_->setStatusTip(
        tr("Show the bulbs, meters and current, and how your predictions "
           "did"));
    showResults_->setEnabled(false);
    connect(showResults_, &QAction::triggered, this, [this] { model_->Reveal(); });
    // The tally and Show in the status bar, while the mode is on.
    tally_ = new QLabel(statusBar());
    tally_->setObjectName(QStringLiteral("predictionTally"));
    auto* show = new QToolButton(statusBar());
    show->setDefaultAction(showResults_);
    show->setToolButtonStyle(Qt::ToolButtonTextOnly);
    statusBar()->addPermanentWidget(tally_);
    statusBar()->addPermanentWidget(show);
    tally_->hide();
    show->hide();
    auto showTally = [this] {
        tally_->setText(PredictionTexts::Tally(model_->RightGuesses(), model_->MadeGuesses()));
    };
    connect(predictFirst_, &QAction::toggled, this, [this, show, showTally](bool on) {
        model_->SetPredictFirst(on);
        tally_->setVisible(on);
        show->setVisible(on);
        if (!on && verdicts_) verdicts_->hide();
        showTally();
    });
    connect(model_, &CircuitModel::Veiled, this, [this] {
        showResults_->setEnabled(true);
        //: Said when a change hides the results until the learner has predicted them.
        Tell(tr("Predict: click each bulb for dark, dim or bright, then Show (%1).")
                 .arg(showResults_->shortcut().toString(QKeySequence::NativeText)));
    });
    connect(model_, &CircuitModel::Revealed, this,
            [this, showTally](const std::vector<CircuitModel::Verdict>& verdicts) {
                showResults_->setEnabled(false);
                showTally();
                if (!model_->PredictFirst()) return;
                QListWidget* list = VerdictList();
                list->clear();
                for (const CircuitModel::Verdict& v : verdicts)
                    list->addItem(PredictionTexts::Verdict(v));
                if (!verdicts.empty()) verdicts_->show();
                Tell(PredictionTexts::Spoken(verdicts));
            });
}

QListWidget* MainWindow::VerdictList() {
    // Made when predictions are first judged: a window that never asks starts without it.
    if (verdictList_) return verdictList_;
    verdicts_ = new QDockWidget(tr("Predictions"), this);
    verdicts_->setObjectName(QStringLiteral("predictionsPanel"));
    verdicts_->setFeatures(QDockWidget::DockWidgetClosable);
    verdictList_ = new QListWidget(verdicts_);
    verdictList_->setWordWrap(true);
    verdictList_->setAccessibleName(tr("Predictions"));
    verdicts_->setWidget(verdictList_);
    KeepBeside(verdicts_);
    return verdictList_;
}

void MainWindow::KeepBeside(QDockWidget* dock) {
    addDockWidget(Qt::RightDockWidgetArea, dock);
    dock->hide();
    // The panels come beside the board, not out of it: the window grows by them.
    resizeDocks({dock}, {kTaskPanelWidth}, Qt::Horizontal);
    connect(dock, &QDockWidget::visibilityChanged, this, [this](bool shown) {
        if (!shown) return;
        if (QLayout* l = layout()) l->activate();
        GrowCircuitTo(QSize(kDesignClientWidth, circuit_->height()));
    });
}

QStringList MainWindow::VerdictLines() const {
    QStringList lines;
    for (int i = 0; verdictList_ && i < verdictList_->count(); ++i)
        lines << verdictList_->item(i)->text();
    return lines;
}

void MainWindow::Tell(const QString& text) {
    statusBar()->showMessage(text, 10000);
    setAccessibleDescription(text);
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void MainWindow::GrowCircuitTo(QSize size) {
    if (isMaximized() || isFullScreen()) return;
    const QSize more = (size - circuit_->size()).expandedTo(QSize(0, 0));
    if (more == QSize(0, 0)) return;
    QSize wanted = this->size() + more;
    if (const QScreen* s = screen()) {
        // The frame the desktop draws around the window takes some of the screen too.
        const QSize frame = frameGeometry().size() - geometry().size();
        wanted = wanted.boundedTo(s->availableGeometry().size() - frame);
    }
    resize(wanted.expandedTo(this->size()));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!files_->MayDiscard()) {
        event->ignore();
        return;
    }
    files_->Closing();
    event->accept();
}

namespace {
QString DroppedFile(const QMimeData* data) {
    const QList<QUrl> urls = data->urls();
    return urls.size() == 1 && urls.front().isLocalFile() ? urls.front().toLocalFile() : QString();
}
}  // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = DroppedFile(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    // Opened once the drop is over, so a question asked first is not asked inside it.
    QMetaObject::invokeMethod(
        this, [this, path] { files_->OpenFile(path); }, Qt::QueuedConnection);
}

}  // namespace cw
