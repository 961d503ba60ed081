// The board's life as a file: New, Open, Open Example, Save, Save As, the title with the file's
// name and a changed mark, the question before changes would be lost, a recovery copy of
// unsaved changes that survives a crash, and the undo history. When the circuit window says an
// edit has ended (a gesture, a key, a command, an accessibility action) it looks at the board
// once: a board whose parts, wires, values or notes differ from the last look was edited, and
// that edit is one step to undo.
#pragma once

#include <QDateTime>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <memory>

#include "files/board_document.h"
#include "files/board_step.h"
#include "files/task_check.h"

class QAction;
class QMenu;
class QWidget;

namespace cw {

class Circuit;
class CircuitModel;

// The questions the session asks, through dialogs unless a test answers them.
struct FileQuestions {
    enum class Keep { Save, Discard, Cancel };
    std::function<QString()> openPath;
    std::function<QString(const QString& suggested)> savePath;
    std::function<Keep(const QString& name)> keepChanges;
    std::function<void(const QString& text)> problem;
    std::function<bool(const QDateTime& when)> restoreRecovery;
};

class FileSession final : public QObject {
    Q_OBJECT
  public:
    // window: where dialogs open and whose title shows the file; grow: makes the circuit window
    // at least the given size, as far as the screen allows.
    FileSession(QWidget& window, Circuit& circuit, std::function<void(QSize)> grow);
    ~FileSession() override;

    QAction* New() const { return new_; }
    QAction* Open() const { return open_; }
    QAction* Save() const { return save_; }
    QAction* SaveAs() const { return saveAs_; }
    // Undo and Redo, their texts naming the step ("Undo Delete Bulb 2").
    QAction* Undo() const { return undo_; }
    QAction* Redo() const { return redo_; }
    QUndoStack& History() { return history_; }
    // The memory the history's steps hold.
    size_t HistoryBytes() const;
    // The ready-made circuits, each opening as a new, unnamed board.
    QMenu* Examples() const { return examples_; }
    // The example of that name in the language the texts are shown in, else in English.
    static QString ExampleResource(const QString& name);
    FileQuestions& Questions() { return questions_; }

    // Opens a file after asking about unsaved changes; false when it was not opened (the board
    // and everything else as they were).
    bool OpenFile(const QString& path);
    bool OpenExample(const QString& resource);
    void NewBoard();
    bool SaveBoard();
    bool SaveBoardAs();
    // Asks Save / Discard / Cancel when the board has unsaved changes: true when it may go.
    bool MayDiscard();
    // The window closes cleanly: the recovery copy goes.
    void Closing();
    // On start: offers the newest recovery copy a crashed or killed run left.
    void OfferRecovery();

    bool Modified() const;
    const QString& FilePath() const { return path_; }
    // Looks at the board now (after a gesture or key): a change is one step of the history.
    // While the pointer is held it waits for the release, unless told the gesture was ended.
    void Look(bool evenMidGesture = false);
    const BoardDocument& Current() const { return current_; }
    // Where recovery copies are kept.
    static QString RecoveryFolder();

    // Called before a save, or the question whether changes would be lost, looks at the board:
    // a text still being typed is taken in.
    void SetBeforeSave(std::function<void()> before) { beforeSave_ = std::move(before); }

    // Puts the board to the step done or undone (the undo history's commands call it).
    void ApplyStep(const BoardStep& step, bool forward);

  signals:
    // An undo or redo was done: what, for those who listen rather than look.
    void StepApplied(const QString& what);

  private:
    void Show(const BoardDocument& document, const QString& path, bool modified);
    bool WriteTo(const QString& path);
    void UpdateTitle();
    // What an edit to `after` from the board last looked at did that the task forbids.
    std::optional<RuleBreach> Breach(const BoardDocument& after) const;
    void KeepRecovery();
    void WriteRecovery();
    void DropRecovery();
    QString Name() const;

    QWidget& window_;
    Circuit& circuit_;
    CircuitModel& model_;
    std::function<void(QSize)> grow_;
    FileQuestions questions_;
    QAction* new_;
    QAction* open_;
    QAction* save_;
    QAction* saveAs_;
    QMenu* examples_;
    QString path_;
    QAction* undo_;
    QAction* redo_;
    QUndoStack history_;
    BoardDocument current_;        // as last looked at
    bool lookAfterArrow_ = false;  // the edit looked at was an arrow key's
    bool applying_ = false;        // a file or an undo step is being put on the board
    QString recoveryPath_;
    std::unique_ptr<QLockFile> recoveryLock_;
    qint64 lastRecoveryWrite_ = 0;
    bool recoveryPending_ = false;
    std::function<void()> beforeSave_;
};

}  // namespace cw
