#include "app/file_session.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QScopedValueRollback>
#include <QStandardPaths>
#include <QTimer>
#include <QUndoCommand>
#include <QWidget>

#include "app/circuit_window.h"
#include "app/commands.h"
#include "files/board_file.h"
#include "files/circuit_model.h"
#include "files/task_check.h"

namespace cw {
namespace {

// The ready-made circuits, in the order a lesson meets them.
struct Example {
    const char* resource;
    const char* title;
};
constexpr Example kExamples[] = {
    {"one-bulb", QT_TRANSLATE_NOOP("cw::FileSession", "One Bulb Lit by One Cell")},
    {"series-and-parallel",
     QT_TRANSLATE_NOOP("cw::FileSession", "Two Bulbs in Series and in Parallel")},
    {"switch-controls-a-bulb", QT_TRANSLATE_NOOP("cw::FileSession", "A Switch Controls One Bulb")},
    {"short-circuit", QT_TRANSLATE_NOOP("cw::FileSession", "A Wire Shorts a Bulb")},
    {"cells-aiding-and-opposing",
     QT_TRANSLATE_NOOP("cw::FileSession", "Two Cells Aiding and Opposing")},
    {"resistor-dims-a-bulb", QT_TRANSLATE_NOOP("cw::FileSession", "A Resistor Dims a Bulb")},
    {"ammeters-round-a-series-loop",
     QT_TRANSLATE_NOOP("cw::FileSession", "Ammeters Round a Series Loop")},
    {"voltmeters-across-a-series-loop",
     QT_TRANSLATE_NOOP("cw::FileSession", "Voltmeters Across a Series Loop")},
    {"fuse-stops-a-short-circuit",
     QT_TRANSLATE_NOOP("cw::FileSession", "A Fuse Stops a Short Circuit")},
    // Tasks: each checks the learner's circuit against its goals.
    {"task-light-the-bulb", QT_TRANSLATE_NOOP("cw::FileSession", "Task: Light the Bulb")},
    {"task-two-bulbs-equally-bright",
     QT_TRANSLATE_NOOP("cw::FileSession", "Task: Two Bulbs, Equally Bright")},
    {"task-switch-for-one-bulb",
     QT_TRANSLATE_NOOP("cw::FileSession", "Task: A Switch for One Bulb")},
    {"task-find-the-hidden-resistor",
     QT_TRANSLATE_NOOP("cw::FileSession", "Task: Find the Hidden Resistor")},
    {"task-fix-the-short", QT_TRANSLATE_NOOP("cw::FileSession", "Task: Fix the Short Circuit")},
    {"task-the-right-fuse",
     QT_TRANSLATE_NOOP("cw::FileSession", "Task: Protect the Circuit with the Right Fuse")},
};

// Recovery copies are written at most this often; an edit in between waits for the rest.
constexpr qint64 kRecoveryInterval = 1000;

// One step of the history: done when pushed (the board already shows it), undone and redone
// through the session. A run of arrow-key moves of one part is one step.
class StepCommand final : public QUndoCommand {
  public:
    StepCommand(FileSession& session, BoardStep step, bool arrowMove)
        : QUndoCommand(step.Text()),
          session_(session),
          step_(std::move(step)),
          moved_(arrowMove ? step_.MovedOnly() : 0) {}
    int id() const override { return moved_ != 0 ? 1 : -1; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const StepCommand*>(other);
        if (next->moved_ != moved_) return false;
        step_.Merge(next->step_);
        return true;
    }
    void undo() override { session_.ApplyStep(step_, false); }
    void redo() override {
        if (done_) session_.ApplyStep(step_, true);
        done_ = true;
    }

    size_t Bytes() const { return sizeof(*this) + step_.Bytes(); }
    const BoardStep& Step() const { return step_; }

  private:
    FileSession& session_;
    BoardStep step_;
    int moved_;  // the part an arrow-key move moved, else 0
    bool done_ = false;
};

// The history keeps this many steps; older ones go.
constexpr int kHistorySteps = 1000;

QString FileFilter() {
    return QCoreApplication::translate("cw::FileSession", "Circuits (*.%1)").arg(kFileSuffix);
}

}  // namespace

FileSession::FileSession(QWidget& window, Circuit& circuit, std::function<void(QSize)> grow)
    : QObject(&window),
      window_(window),
      circuit_(circuit),
      model_(circuit.Doc()),
      grow_(std::move(grow)) {
    auto make = [this](const QString& text, QKeySequence::StandardKey key, const QString& tip) {
        auto* a = new QAction(text, this);
        a->setShortcuts(key);
        a->setToolTip(tip);
        a->setStatusTip(tip);
        return a;
    };
    new_ = make(tr("&New"), QKeySequence::New, tr("Start an empty board"));
    open_ = make(tr("&Open…"), QKeySequence::Open, tr("Open a circuit saved before"));
    save_ = make(tr("&Save"), QKeySequence::Save, tr("Keep the circuit and its notes in its file"));
    saveAs_ = make(tr("Save &As…"), QKeySequence::SaveAs,
                   tr("Keep the circuit and its notes in a new file"));
    connect(new_, &QAction::triggered, this, [this] { NewBoard(); });
    connect(open_, &QAction::triggered, this, [this] {
        if (!MayDiscard()) return;
        const QString path = questions_.openPath();
        if (!path.isEmpty()) OpenFile(path);
    });
    connect(save_, &QAction::triggered, this, [this] { SaveBoard(); });
    connect(saveAs_, &QAction::triggered, this, [this] { SaveBoardAs(); });
    undo_ = make(tr("&Undo"), QKeySequence::Undo, tr("Take back the last change"));
    redo_ = make(tr("&Redo"), QKeySequence::Redo, tr("Make the change taken back again"));
    undo_->setIcon(StepIcon(false));
    redo_->setIcon(StepIcon(true));
    history_.setUndoLimit(kHistorySteps);
    auto step = [this](bool forward) {
        // A gesture still running ends first, as a tool change ends it; what it did is a step.
        if (circuit_.Model().MouseMode != kMouseIdle) circuit_.EndRunningGesture();
        // What the ended gesture did is a step of its own, never one more arrow move.
        lookAfterArrow_ = false;
        Look(true);
        const QString what = forward ? history_.redoText() : history_.undoText();
        if (forward ? !history_.canRedo() : !history_.canUndo()) return;
        // An undo or redo the task's rules forbid (it would move a locked part) is not done.
        if (model_.HasTask()) {
            const auto* next = static_cast<const StepCommand*>(
                history_.command(forward ? history_.index() : history_.index() - 1));
            if (const std::optional<RuleBreach> breach =
                    Breach(next->Step().Apply(current_, forward))) {
                model_.Refuse(breach->kind, breach->number);
                return;
            }
        }
        if (forward) {
            history_.redo();
        } else {
            history_.undo();
        }
        emit StepApplied(forward ? tr("Redone: %1").arg(what) : tr("Undone: %1").arg(what));
    };
    connect(undo_, &QAction::triggered, this, [step] { step(false); });
    connect(redo_, &QAction::triggered, this, [step] { step(true); });
    auto actionTexts = [this] {
        undo_->setEnabled(history_.canUndo());
        redo_->setEnabled(history_.canRedo());
        undo_->setText(history_.canUndo() ? tr("&Undo %1").arg(history_.undoText()) : tr("&Undo"));
        redo_->setText(history_.canRedo() ? tr("&Redo %1").arg(history_.redoText()) : tr("&Redo"));
        undo_->setToolTip(QString(undo_->text()).remove(QLatin1Char('&')));
        redo_->setToolTip(QString(redo_->text()).remove(QLatin1Char('&')));
    };
    connect(&history_, &QUndoStack::indexChanged, this, actionTexts);
    connect(&history_, &QUndoStack::cleanChanged, this, [this] { UpdateTitle(); });
    actionTexts();
    examples_ = new QMenu(tr("Open E&xample"), &window);
    for (const Example& e : kExamples) {
        if (QLatin1String(e.resource).startsWith(QLatin1String("task-")) &&
            !examples_->actions().constLast()->isSeparator())
            examples_->addSeparator();
        QAction* a = examples_->addAction(tr(e.title));
        const QString name = QLatin1String(e.resource);
        connect(a, &QAction::triggered, this, [this, name] { OpenExample(ExampleResource(name)); });
    }

    questions_.openPath = [this] {
        return QFileDialog::getOpenFileName(&window_, tr("Open a Circuit"), QString(),
                                            FileFilter());
    };
    questions_.savePath = [this](const QString& suggested) {
        QString path =
            QFileDialog::getSaveFileName(&window_, tr("Save the Circuit"), suggested, FileFilter());
        if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
            path += QStringLiteral(".") + kFileSuffix;
        return path;
    };
    questions_.keepChanges = [this](const QString& name) {
        QMessageBox box(QMessageBox::Warning, tr("Circuit Workbench"),
                        tr("Save the changes to “%1” before they are lost?").arg(name),
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, &window_);
        box.setDefaultButton(QMessageBox::Save);
        const int answer = box.exec();
        return answer == QMessageBox::Save      ? FileQuestions::Keep::Save
               : answer == QMessageBox::Discard ? FileQuestions::Keep::Discard
                                                : FileQuestions::Keep::Cancel;
    };
    questions_.problem = [this](const QString& text) {
        QMessageBox::warning(&window_, tr("Circuit Workbench"), text);
    };
    questions_.restoreRecovery = [this](const QDateTime& when) {
        return QMessageBox::question(
                   &window_, tr("Circuit Workbench"),
                   tr("Circuit Workbench did not close properly on %1, and a circuit had changes "
                      "that were not saved. Bring them back?")
                       .arg(QLocale().toString(when, QLocale::ShortFormat)),
                   QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
    };

    // This run's recovery copy, locked from its first writing for as long as the run lasts: a
    // copy whose lock is free was left by a run that ended without closing.
    recoveryPath_ = RecoveryFolder() +
                    QStringLiteral("/recovery-%1.").arg(QCoreApplication::applicationPid()) +
                    kFileSuffix;

    current_ = model_.Snapshot();
    // Every edit ends here, however it was made: one look, and a change is one step.
    connect(&model_, &CircuitModel::EditEnded, this, [this](bool arrowMove) {
        if (applying_) return;  // the board is being put to a file or a step: not an edit
        lookAfterArrow_ = arrowMove;
        Look();
    });
    UpdateTitle();
}

FileSession::~FileSession() = default;

QString FileSession::RecoveryFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/recovery");
}

void FileSession::Look(bool evenMidGesture) {
    // A gesture still running (a part held by the keyboard, a band, a stroke) is looked at when
    // it ends, unless what asks has just ended it.
    if (model_.board.MouseMode != kMouseIdle) return;
    if (!model_.Idle() && !evenMidGesture) return;
    BoardDocument now = model_.Snapshot();
    if (now.SameContent(current_)) return;
    // The task's rules hold however the edit was made: one that broke them is put back.
    if (const std::optional<RuleBreach> breach = Breach(now)) {
        {
            const QScopedValueRollback<bool> applying(applying_, true);
            const EditScope edit(model_);
            circuit_.Apply(current_);
        }
        model_.Refuse(breach->kind, breach->number);
        return;
    }
    BoardStep step(current_, now);
    current_ = std::move(now);
    if (!step.Empty()) history_.push(new StepCommand(*this, std::move(step), lookAfterArrow_));
    UpdateTitle();
    KeepRecovery();
}

std::optional<RuleBreach> FileSession::Breach(const BoardDocument& after) const {
    if (model_.Authoring()) return std::nullopt;
    return BreachOf(current_, after);
}

void FileSession::ApplyStep(const BoardStep& step, bool forward) {
    {
        const QScopedValueRollback<bool> applying(applying_, true);
        const EditScope edit(model_);
        circuit_.Apply(step.Apply(current_, forward));
    }
    current_ = model_.Snapshot();
    UpdateTitle();
    KeepRecovery();
}

QString FileSession::ExampleResource(const QString& name) {
    // The language the program's texts are shown in (its default locale follows them).
    const QString language = QLocale().name().section(QLatin1Char('_'), 0, 0);
    const QString local =
        QStringLiteral(":/examples/%1.%2.%3").arg(name, language, QLatin1String(kFileSuffix));
    if (language != QLatin1String("en") && QFile::exists(local)) return local;
    return QStringLiteral(":/examples/%1.%2").arg(name, QLatin1String(kFileSuffix));
}

size_t FileSession::HistoryBytes() const {
    size_t bytes = 0;
    for (int i = 0; i < history_.count(); ++i) {
        bytes += static_cast<const StepCommand*>(history_.command(i))->Bytes();
    }
    return bytes;
}

bool FileSession::Modified() const {
    return !history_.isClean();
}

QString FileSession::Name() const {
    return path_.isEmpty() ? tr("Untitled") : QFileInfo(path_).fileName();
}

void FileSession::UpdateTitle() {
    // An unnamed board keeps the program's own title; the mark shows unsaved changes.
    window_.setWindowFilePath(path_);
    window_.setWindowTitle(path_.isEmpty() ? tr("Circuit Workbench") + QStringLiteral("[*]")
                                           : tr("%1[*] — Circuit Workbench").arg(Name()));
    window_.setWindowModified(Modified());
}

bool FileSession::MayDiscard() {
    if (beforeSave_) beforeSave_();
    Look();
    if (!Modified()) return true;
    switch (questions_.keepChanges(Name())) {
        case FileQuestions::Keep::Save:
            return SaveBoard();
        case FileQuestions::Keep::Discard:
            return true;
        case FileQuestions::Keep::Cancel:
            break;
    }
    return false;
}

void FileSession::Show(const BoardDocument& document, const QString& path, bool modified) {
    if (grow_) grow_(QSize(document.width, document.height));
    model_.SetAuthoring(false);  // a task opens for the learner
    {
        const QScopedValueRollback<bool> applying(applying_, true);
        const EditScope edit(model_);
        circuit_.Restore(document);
    }
    path_ = path;
    current_ = model_.Snapshot();
    history_.clear();
    if (modified) history_.resetClean();  // changes no file holds
    UpdateTitle();
    if (modified) {
        KeepRecovery();
    } else {
        DropRecovery();
    }
}

void FileSession::NewBoard() {
    if (!MayDiscard()) return;
    BoardDocument empty;
    empty.width = circuit_.width();
    empty.height = circuit_.height();
    Show(empty, QString(), false);
}

bool FileSession::OpenFile(const QString& path) {
    if (!MayDiscard()) return false;
    const QString name = QFileInfo(path).fileName();
    const ReadOutcome read = ReadBoardFileAt(path);
    if (!read.document) {
        questions_.problem(tr("Circuit Workbench cannot open “%1”.\n\n%2").arg(name, read.problem));
        return false;
    }
    Show(*read.document, QFileInfo(path).absoluteFilePath(), false);
    return true;
}

bool FileSession::OpenExample(const QString& resource) {
    if (!MayDiscard()) return false;
    QFile file(resource);
    const ReadOutcome read =
        file.open(QIODevice::ReadOnly) ? ReadBoardFile(file.readAll()) : ReadOutcome{};
    if (!read.document) {
        questions_.problem(tr("The example cannot be opened."));
        return false;
    }
    // A new, unnamed board: saving it asks for a name.
    Show(*read.document, QString(), false);
    return true;
}

bool FileSession::SaveBoard() {
    if (path_.isEmpty()) return SaveBoardAs();
    return WriteTo(path_);
}

bool FileSession::SaveBoardAs() {
    const QString suggested =
        path_.isEmpty() ? QDir::home().filePath(tr("circuit") + QStringLiteral(".") + kFileSuffix)
                        : path_;
    const QString path = questions_.savePath(suggested);
    if (path.isEmpty()) return false;
    return WriteTo(path);
}

bool FileSession::WriteTo(const QString& path) {
    if (beforeSave_) beforeSave_();
    Look();
    const BoardDocument document = model_.Snapshot();
    // Written beside the old file and swapped in whole: a failed save leaves the old one.
    QSaveFile file(path);
    const bool ok = file.open(QIODevice::WriteOnly) && file.write(WriteBoardFile(document)) >= 0 &&
                    file.commit();
    if (!ok) {
        questions_.problem(tr("Circuit Workbench cannot save “%1”: %2. The circuit is not "
                              "saved.")
                               .arg(QFileInfo(path).fileName(), file.errorString()));
        return false;
    }
    path_ = QFileInfo(path).absoluteFilePath();
    history_.setClean();
    UpdateTitle();
    DropRecovery();
    return true;
}

void FileSession::Closing() {
    DropRecovery();
}

void FileSession::KeepRecovery() {
    if (!Modified()) {
        DropRecovery();
        return;
    }
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const qint64 wait = lastRecoveryWrite_ + kRecoveryInterval - now;
    if (wait <= 0) {
        WriteRecovery();
    } else if (!recoveryPending_) {
        recoveryPending_ = true;
        QTimer::singleShot(static_cast<int>(wait), this, [this] {
            recoveryPending_ = false;
            if (Modified()) WriteRecovery();
        });
    }
}

void FileSession::WriteRecovery() {
    lastRecoveryWrite_ = QDateTime::currentMSecsSinceEpoch();
    if (!recoveryLock_) {
        QDir().mkpath(RecoveryFolder());
        const QFileInfo copy(recoveryPath_);
        recoveryLock_ =
            std::make_unique<QLockFile>(copy.absolutePath() + QLatin1Char('/') +
                                        copy.completeBaseName() + QStringLiteral(".lock"));
        recoveryLock_->setStaleLockTime(0);
        recoveryLock_->tryLock(0);
    }
    QSaveFile file(recoveryPath_);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(WriteBoardFile(current_));
        file.commit();  // a copy that cannot be written is no worse than none
    }
}

void FileSession::DropRecovery() {
    QFile::remove(recoveryPath_);
}

void FileSession::OfferRecovery() {
    // The folder's files sorted by hand, newest first: name patterns would compile a regular
    // expression at every start.
    const QFileInfoList files = QDir(RecoveryFolder()).entryInfoList(QDir::Files, QDir::Time);
    auto named = [&files](const QString& suffix) {
        QFileInfoList found;
        for (const QFileInfo& f : files) {
            if (f.fileName().startsWith(QLatin1String("recovery-")) &&
                f.fileName().endsWith(suffix))
                found.push_back(f);
        }
        return found;
    };
    // The locks of runs that ended without a copy to offer go.
    for (const QFileInfo& stale : named(QStringLiteral(".lock"))) {
        const QString copy = stale.absolutePath() + QLatin1Char('/') + stale.completeBaseName() +
                             QStringLiteral(".") + kFileSuffix;
        if (QFile::exists(copy)) continue;
        QLockFile lock(stale.absoluteFilePath());
        if (lock.tryLock(0)) lock.unlock();
    }
    for (const QFileInfo& copy : named(QStringLiteral(".") + kFileSuffix)) {
        if (copy.absoluteFilePath() == QFileInfo(recoveryPath_).absoluteFilePath()) continue;
        QLockFile lock(copy.absolutePath() + QLatin1Char('/') + copy.completeBaseName() +
                       QStringLiteral(".lock"));
        if (!lock.tryLock(0)) continue;  // its run is still going
        QFile file(copy.absoluteFilePath());
        const ReadOutcome read =
            file.open(QIODevice::ReadOnly) ? ReadBoardFile(file.readAll()) : ReadOutcome{};
        file.close();
        const bool restore = read.document && questions_.restoreRecovery(copy.lastModified());
        QFile::remove(copy.absoluteFilePath());
        lock.unlock();
        if (restore) Show(*read.document, QString(), true);
        return;  // the newest only; older ones are left for a later start
    }
}

}  // namespace cw
