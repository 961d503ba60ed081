#include "app/task_panel.h"

#include <QAction>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/goal_dialog.h"
#include "app/part_texts.h"
#include "app/task_texts.h"
#include "files/circuit_model.h"
#include "model/part_kinds.h"

namespace cw {
namespace {

constexpr auto kTick = u"\u2714";
constexpr auto kCross = u"\u2718";

// The kinds a task may limit, as the strip and the bar offer them.
std::vector<Kind> OfferedKinds() {
    std::vector<Kind> kinds(kStripKinds.begin(), kStripKinds.end());
    kinds.insert(kinds.end(), kBarKinds.begin(), kBarKinds.end());
    return kinds;
}

// A text box that gives its text to the task when the focus leaves it.
class FocusOutFilter final : public QObject {
  public:
    FocusOutFilter(QObject* parent, std::function<void()> left)
        : QObject(parent), left_(std::move(left)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) left_();
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> left_;
};

}  // namespace

TaskPanel::TaskPanel(CircuitModel& model, QWidget* parent)
    : QDockWidget(tr("Task"), parent), model_(model) {
    setObjectName(QStringLiteral("taskPanel"));
    setFeatures(QDockWidget::DockWidgetClosable);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    toggleViewAction()->setText(tr("&Task Panel"));
    toggleViewAction()->setStatusTip(tr("Show or hide the task beside the board"));
    pages_ = new QStackedWidget(this);
    pages_->setMinimumWidth(240);
    setWidget(pages_);

    check_ = new QAction(tr("&Check Task"), this);
    check_->setShortcut(QKeySequence(Qt::Key_F5));
    check_->setStatusTip(
        tr("Tick each goal of the task the circuit meets, with a hint for the "
           "others"));
    connect(check_, &QAction::triggered, this, [this] { RunCheck(); });
    new_ = new QAction(tr("&New Task From This Board"), this);
    new_->setStatusTip(tr("Make this board a task: lock or hide parts, set goals"));
    connect(new_, &QAction::triggered, this, [this] {
        if (!model_.HasTask()) {
            const EditScope edit(model_);
            Task task;
            task.title = tr("Task");
            model_.SetTask(task, {});
        }
        model_.SetAuthoring(true);
        show();
        raise();
        titleEdit_->setFocus(Qt::OtherFocusReason);
    });
    edit_ = new QAction(tr("&Edit Task"), this);
    edit_->setStatusTip(tr("Change the task's instructions, rules and goals"));
    connect(edit_, &QAction::triggered, this, [this] {
        model_.SetAuthoring(true);
        show();
        raise();
    });
    remove_ = new QAction(tr("&Remove Task"), this);
    remove_->setStatusTip(tr("Make the board an ordinary circuit again"));
    connect(remove_, &QAction::triggered, this, [this] {
        const EditScope edit(model_);
        model_.SetAuthoring(false);
        model_.SetTask(std::nullopt, {});
    });

    connect(&model_, &CircuitModel::TaskChanged, this, [this] { ShowTask(); });
    connect(&model_, &CircuitModel::Solved, this, [this] { ClearResults(); });
    connect(&model_, &CircuitModel::EditEnded, this, [this] {
        if (model_.Authoring()) ShowParts();
    });
    ShowTask();
}

void TaskPanel::BuildLearnerPage() {
    auto* page = new QWidget(pages_);
    auto* column = new QVBoxLayout(page);
    title_ = new QLabel(page);
    title_->setObjectName(QStringLiteral("taskTitle"));
    title_->setWordWrap(true);
    title_->setTextFormat(Qt::PlainText);  // a file's words, never markup
    QFont big = title_->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.2);
    title_->setFont(big);
    column->addWidget(title_);
    instructions_ = new QLabel(page);
    instructions_->setWordWrap(true);
    instructions_->setTextFormat(Qt::PlainText);
    instructions_->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                           Qt::TextSelectableByKeyboard);
    instructions_->setFocusPolicy(Qt::TabFocus);
    column->addWidget(instructions_);
    auto* goalsLabel = new QLabel(tr("&Goals:"), page);
    column->addWidget(goalsLabel);
    goals_ = new QListWidget(page);
    goals_->setObjectName(QStringLiteral("taskGoals"));
    goals_->setAccessibleName(tr("Goals"));
    goals_->setWordWrap(true);
    goals_->setSelectionMode(QAbstractItemView::SingleSelection);
    goalsLabel->setBuddy(goals_);
    column->addWidget(goals_, 1);
    answers_ = new QWidget(page);
    answerRows_ = new QVBoxLayout(answers_);
    answerRows_->setContentsMargins(0, 0, 0, 0);
    column->addWidget(answers_);
    auto* check = new QPushButton(tr("Chec&k"), page);
    check->setObjectName(QStringLiteral("checkTask"));
    check->setToolTip(tr("Check the task (F5)"));
    connect(check, &QPushButton::clicked, this, [this] { RunCheck(); });
    column->addWidget(check);
    summary_ = new QLabel(page);
    summary_->setWordWrap(true);
    column->addWidget(summary_);
    pages_->addWidget(page);
}

void TaskPanel::BuildEditorPage() {
    auto* scroll = new QScrollArea(pages_);
    scroll->setWidgetResizable(true);
    auto* page = new QWidget(scroll);
    auto* column = new QVBoxLayout(page);
    auto* form = new QFormLayout;
    titleEdit_ = new QLineEdit(page);
    form->addRow(tr("&Title:"), titleEdit_);
    connect(titleEdit_, &QLineEdit::editingFinished, this, [this] { Commit(); });
    instructionsEdit_ = new QPlainTextEdit(page);
    instructionsEdit_->setTabChangesFocus(true);
    instructionsEdit_->installEventFilter(new FocusOutFilter(this, [this] { Commit(); }));
    form->addRow(tr("&Instructions:"), instructionsEdit_);
    column->addLayout(form);

    auto* partsLabel = new QLabel(tr("&Parts (also from a part's menu on the board):"), page);
    partsLabel->setWordWrap(true);
    column->addWidget(partsLabel);
    parts_ = new QTableWidget(0, 3, page);
    parts_->setHorizontalHeaderLabels({tr("Part"), tr("Locked"), tr("Value hidden")});
    parts_->verticalHeader()->hide();
    parts_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    parts_->setMinimumHeight(120);
    partsLabel->setBuddy(parts_);
    connect(parts_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (showing_ || item->column() == 0) return;
        const int row = item->row();
        const int k = parts_->item(row, 0)->data(Qt::UserRole).toInt();
        const auto checked = [this, row](int column) {
            const QTableWidgetItem* i = parts_->item(row, column);
            return i && i->checkState() == Qt::Checked;
        };
        const EditScope edit(model_);
        model_.SetPartRules(k, checked(1), checked(2));
    });
    column->addWidget(parts_);

    auto* limits = new QGroupBox(tr("Parts the learner may add"), page);
    auto* limitForm = new QFormLayout(limits);
    for (Kind kind : OfferedKinds()) {
        auto* box = new QSpinBox(limits);
        box->setRange(TaskRules::kNoLimit, 99);
        box->setSpecialValueText(tr("any number"));
        allowance_[static_cast<size_t>(KindIndex(kind))] = box;
        limitForm->addRow(PartTexts::KindName(kind) + QLatin1Char(':'), box);
        connect(box, &QSpinBox::valueChanged, this, [this, kind](int most) {
            Change([kind, most](Task& t) {
                t.rules.allowance[static_cast<size_t>(KindIndex(kind))] = most;
            });
        });
    }
    column->addWidget(limits);

    auto* goalsLabel = new QLabel(tr("G&oals:"), page);
    column->addWidget(goalsLabel);
    goalList_ = new QListWidget(page);
    goalList_->setWordWrap(true);
    goalList_->setMinimumHeight(100);
    goalsLabel->setBuddy(goalList_);
    column->addWidget(goalList_);
    auto* row = new QHBoxLayout;
    auto* add = new QPushButton(tr("&Add Goal…"), page);
    auto* drop = new QPushButton(tr("Remo&ve Goal"), page);
    row->addWidget(add);
    row->addWidget(drop);
    column->addLayout(row);
    connect(add, &QPushButton::clicked, this, [this] {
        GoalDialog dialog(model_.board, this);
        if (dialog.exec() != QDialog::Accepted) return;
        const Goal goal = dialog.Result();
        Change([&goal](Task& t) { t.goals.push_back(goal); });
    });
    connect(drop, &QPushButton::clicked, this, [this] {
        const int g = goalList_->currentRow();
        if (g < 0) return;
        std::optional<Task> task = model_.CurrentTask();
        if (!task || g >= static_cast<int>(task->goals.size())) return;
        task->goals.erase(task->goals.begin() + g);
        // The answers follow their goals.
        std::vector<TaskAnswer> answers;
        for (TaskAnswer a : model_.Answers()) {
            if (a.goal == g) continue;
            if (a.goal > g) --a.goal;
            answers.push_back(a);
        }
        const EditScope edit(model_);
        model_.SetTask(task, answers);
    });
    auto* done = new QPushButton(tr("&Done: Give It to Learners"), page);
    done->setObjectName(QStringLiteral("taskDone"));
    done->setToolTip(
        tr("Leave the editor: the locks and limits hold, and the parts on the "
           "board now belong to the task"));
    connect(done, &QPushButton::clicked, this, [this] {
        Commit();
        const EditScope edit(model_);
        model_.SetAuthoring(false);
    });
    column->addWidget(done);
    column->addStretch(1);
    scroll->setWidget(page);
    pages_->addWidget(scroll);
}

template <typename ChangeFn>
void TaskPanel::Change(ChangeFn&& change) {
    if (showing_) return;
    std::optional<Task> task = model_.CurrentTask();
    if (!task) return;
    change(*task);
    if (task == model_.CurrentTask()) return;
    const EditScope edit(model_);
    model_.SetTask(task, model_.Answers());
}

void TaskPanel::Commit() {
    if (!model_.HasTask() || !titleEdit_) return;
    if (model_.Authoring()) {
        const QString title = titleEdit_->text().trimmed();
        const QString instructions = instructionsEdit_->toPlainText();
        Change([&](Task& t) {
            t.title = title;
            t.instructions = instructions;
        });
        return;
    }
    std::vector<std::pair<int, QString>> typed;
    for (const auto& [goal, box] : answerBoxes_) typed.push_back({goal, box->text()});
    SetAnswers(typed);
}

void TaskPanel::SetAnswers(const std::vector<std::pair<int, QString>>& typed) {
    std::vector<TaskAnswer> answers = model_.Answers();
    for (const auto& [goal, text] : typed) {
        std::erase_if(answers, [goal](const TaskAnswer& a) { return a.goal == goal; });
        if (!text.trimmed().isEmpty()) answers.push_back({goal, text.trimmed()});
    }
    std::sort(answers.begin(), answers.end(),
              [](const TaskAnswer& a, const TaskAnswer& b) { return a.goal < b.goal; });
    if (answers == model_.Answers()) return;
    const EditScope edit(model_);
    model_.SetTask(model_.CurrentTask(), answers);
}

void TaskPanel::ShowTask() {
    const std::optional<Task> task = model_.CurrentTask();
    check_->setEnabled(task.has_value());
    edit_->setEnabled(task.has_value());
    remove_->setEnabled(task.has_value());
    new_->setEnabled(!task.has_value());
    toggleViewAction()->setEnabled(task.has_value());
    if (!task) {
        hide();
        hadTask_ = false;
        return;
    }
    // Built when a task first comes: a window without one starts without them.
    if (!titleEdit_) {
        BuildLearnerPage();
        BuildEditorPage();
    }
    const QScopedValueRollback<bool> showing(showing_, true);
    const bool editing = model_.Authoring();
    pages_->setCurrentIndex(editing ? 1 : 0);
    setWindowTitle(editing ? tr("Task Editor") : tr("Task"));
    title_->setText(task->title);
    instructions_->setText(task->instructions);
    if (titleEdit_->text() != task->title) titleEdit_->setText(task->title);
    if (instructionsEdit_->toPlainText() != task->instructions)
        instructionsEdit_->setPlainText(task->instructions);
    for (Kind kind : OfferedKinds()) {
        const auto k = static_cast<size_t>(KindIndex(kind));
        allowance_[k]->setValue(task->rules.allowance[k]);
    }
    ShowAnswerBoxes(*task);
    results_.clear();
    ShowGoals();
    ShowParts();
    summary_->setText(tr("Build the circuit, then press Check (F5)."));
    // A task that comes (a file, New Task) shows its panel; one already shown stays as the
    // learner set it.
    if (!hadTask_ || editing) show();
    hadTask_ = true;
}

void TaskPanel::ShowGoals() {
    const std::optional<Task> task = model_.CurrentTask();
    goals_->clear();
    goalList_->clear();
    if (!task) return;
    for (size_t g = 0; g < task->goals.size(); ++g) {
        goals_->addItem(GoalLine(static_cast<int>(g)));
        goalList_->addItem(TaskTexts::GoalText(task->goals[g]));
    }
}

void TaskPanel::ShowAnswerBoxes(const Task& task) {
    // One box for each goal that asks for an answer; rebuilt only when those goals change, so a
    // box that just gave its answer is never taken away under it.
    std::vector<std::pair<int, QString>> asked;
    for (size_t g = 0; g < task.goals.size(); ++g) {
        if (task.goals[g].kind == GoalKind::Answer)
            asked.push_back({static_cast<int>(g), TaskTexts::GoalText(task.goals[g])});
    }
    if (asked != answersAsked_) {
        answersAsked_ = asked;
        while (QLayoutItem* item = answerRows_->takeAt(0)) {
            delete item->widget();
            delete item;
        }
        answerBoxes_.clear();
        for (const auto& [index, text] : asked) {
            const Goal& goal = task.goals[static_cast<size_t>(index)];
            auto* box = new QLineEdit(answers_);
            box->setObjectName(QStringLiteral("answer%1").arg(index));
            box->setAccessibleName(goal.question);
            box->setPlaceholderText(QStringLiteral("20 ") + TaskTexts::UnitSymbol(goal.unit));
            connect(box, &QLineEdit::editingFinished, this, [this, index, box] {
                SetAnswers({{index, box->text()}});
            });
            auto* label = new QLabel(goal.question, answers_);
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(true);
            label->setBuddy(box);
            answerRows_->addWidget(label);
            answerRows_->addWidget(box);
            answerBoxes_.push_back({index, box});
        }
    }
    for (const auto& [index, box] : answerBoxes_) {
        QString text;
        for (const TaskAnswer& a : model_.Answers()) {
            if (a.goal == index) text = a.text;
        }
        if (box->text().trimmed() != text) box->setText(text);
    }
}

QString TaskPanel::GoalLine(int g) const {
    const std::optional<Task> task = model_.CurrentTask();
    if (!task || g < 0 || g >= static_cast<int>(task->goals.size())) return {};
    const Goal& goal = task->goals[static_cast<size_t>(g)];
    const QString text = TaskTexts::GoalText(goal);
    if (g >= static_cast<int>(results_.size())) return QStringLiteral("\u2022 ") + text;
    const GoalResult& r = results_[static_cast<size_t>(g)];
    if (r.met) return QString::fromUtf16(kTick) + QLatin1Char(' ') + text;
    return QString::fromUtf16(kCross) + QLatin1Char(' ') + text + QStringLiteral("\n    ") +
           TaskTexts::Hint(r, goal);
}

QString TaskPanel::Summary() const {
    return summary_ ? summary_->text() : QString();
}

void TaskPanel::FocusFirst() {
    if (!titleEdit_) return;
    QWidget* first = model_.Authoring()      ? static_cast<QWidget*>(titleEdit_)
                     : !answerBoxes_.empty() ? answerBoxes_.front().second
                                             : static_cast<QWidget*>(goals_);
    first->setFocus(Qt::ShortcutFocusReason);
}

QLineEdit* TaskPanel::AnswerBox(int g) const {
    for (const auto& [goal, box] : answerBoxes_) {
        if (goal == g) return box;
    }
    return nullptr;
}

void TaskPanel::ShowParts() {
    if (!parts_) return;
    const QScopedValueRollback<bool> showing(showing_, true);
    const Board& b = model_.board;
    std::vector<std::pair<int, Kind>> parts;
    for (Kind kind : kKinds) {
        for (int i = 1; i <= b.PlacedCount(kind); ++i) {
            const ComponentElement& e = b.At(kind, i);
            if (e.Visible && e.Tag > 0) parts.push_back({e.Tag, kind});
        }
    }
    std::sort(parts.begin(), parts.end());
    parts_->setRowCount(static_cast<int>(parts.size()));
    for (int row = 0; row < static_cast<int>(parts.size()); ++row) {
        const auto [k, kind] = parts[static_cast<size_t>(row)];
        auto* name = new QTableWidgetItem(PartTexts::PartName(kind, k));
        name->setData(Qt::UserRole, k);
        name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        parts_->setItem(row, 0, name);
        auto* locked = new QTableWidgetItem;
        locked->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        locked->setCheckState(b.Rules.Locked(k) ? Qt::Checked : Qt::Unchecked);
        locked->setData(Qt::AccessibleTextRole, tr("%1 locked").arg(name->text()));
        parts_->setItem(row, 1, locked);
        auto* hidden = new QTableWidgetItem;
        if (HidesValue(kind)) {
            hidden->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            hidden->setCheckState(b.Rules.Hidden(k) ? Qt::Checked : Qt::Unchecked);
            hidden->setData(Qt::AccessibleTextRole, tr("%1 value hidden").arg(name->text()));
        } else {
            hidden->setFlags(Qt::NoItemFlags);
        }
        parts_->setItem(row, 2, hidden);
    }
}

void TaskPanel::ClearResults() {
    if (results_.empty()) return;
    // What Check said was of the circuit before this change.
    results_.clear();
    for (int g = 0; g < goals_->count(); ++g) goals_->item(g)->setText(GoalLine(g));
    summary_->setText(tr("The circuit changed: press Check (F5) again."));
}

void TaskPanel::RunCheck() {
    if (!model_.HasTask() || !goals_) return;
    Commit();  // what the learner is typing counts
    results_ = model_.Check();
    const std::optional<Task> task = model_.CurrentTask();
    for (int g = 0; g < goals_->count(); ++g) goals_->item(g)->setText(GoalLine(g));
    summary_->setText(TaskTexts::Summary(results_));
    show();
    emit Announce(TaskTexts::Spoken(results_, task->goals));
}

}  // namespace cw
