// The task beside the board: for the learner its title, instructions, goals and answer boxes and
// the Check button, each goal ticked or crossed with its hint once checked; for the teacher the
// task's editor (title, instructions, which parts are locked or hidden, how many parts the
// learner may add, the goals). Every change it makes is one edit of the model, so it is undone,
// saved and recovered as any other.
#pragma once

#include <QDockWidget>
#include <QString>
#include <array>
#include <utility>
#include <vector>

#include "files/task.h"
#include "files/task_check.h"
#include "model/board.h"

class QAction;
class QVBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTableWidget;

namespace cw {

class CircuitModel;

class TaskPanel final : public QDockWidget {
    Q_OBJECT
  public:
    TaskPanel(CircuitModel& model, QWidget* parent);

    // Tools ▸ Check Task (F5), and the Task menu's commands.
    QAction* CheckTask() const { return check_; }
    QAction* NewTask() const { return new_; }
    QAction* EditTask() const { return edit_; }
    QAction* RemoveTask() const { return remove_; }

    // Judges every goal now and shows it; nothing on the board changes.
    void RunCheck();
    // What the panel shows of goal g: its text, and its tick or cross and hint once checked.
    QString GoalLine(int g) const;
    QString Summary() const;
    // Takes in what is still being typed: the teacher's title and instructions, the learner's
    // answers (before a save, or before the board is judged changed).
    void Commit();
    // Gives the keyboard to the panel: the first answer box, else the goals.
    void FocusFirst();
    // The learner's answer box of goal g, if it has one.
    QLineEdit* AnswerBox(int g) const;

  signals:
    // Something those who listen should hear: Check's results, a refused edit.
    void Announce(const QString& text);

  private:
    void BuildLearnerPage();
    void BuildEditorPage();
    // Shows the model's task: the learner's page, or the editor while the teacher edits.
    void ShowTask();
    void ShowGoals();
    void ShowParts();
    void ClearResults();
    void ShowAnswerBoxes(const Task& task);
    // The learner's typed answers, by goal, as one edit.
    void SetAnswers(const std::vector<std::pair<int, QString>>& typed);
    // The task with a change made, as one edit.
    template <typename Change>
    void Change(Change&& change);

    CircuitModel& model_;
    QAction* check_;
    QAction* new_;
    QAction* edit_;
    QAction* remove_;
    QStackedWidget* pages_;
    // The learner's page.
    QLabel* title_ = nullptr;
    QLabel* instructions_ = nullptr;
    QListWidget* goals_ = nullptr;
    QWidget* answers_ = nullptr;
    QVBoxLayout* answerRows_ = nullptr;
    std::vector<std::pair<int, QLineEdit*>> answerBoxes_;
    std::vector<std::pair<int, QString>> answersAsked_;
    QLabel* summary_ = nullptr;
    std::vector<GoalResult> results_;
    // The editor.
    QLineEdit* titleEdit_ = nullptr;
    QPlainTextEdit* instructionsEdit_ = nullptr;
    QTableWidget* parts_ = nullptr;
    std::array<QSpinBox*, kKinds.size()> allowance_{};
    QListWidget* goalList_ = nullptr;
    bool showing_ = false;  // the panel is filling its fields from the model
    bool hadTask_ = false;  // the model held a task when last shown
};

}  // namespace cw
