// The dialog a teacher adds a goal to a task with: what kind of goal, and the parts it names,
// listed from the board by number, with the values it asks for.
#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "files/task.h"
#include "model/part_kinds.h"

class QComboBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QFormLayout;
class QLineEdit;
class QSpinBox;

namespace cw {

class GoalDialog final : public QDialog {
    Q_OBJECT
  public:
    GoalDialog(const Board& board, QWidget* parent);
    // The goal as the dialog's fields give it.
    Goal Result() const;

  private:
    // Shows the fields the chosen goal needs, listing the parts it may name.
    void ShowFields();
    void FillParts(QComboBox& box, std::vector<Role> roles, bool everyBulb);
    void Suggest();

    const Board& board_;
    QFormLayout* form_;
    QComboBox* what_;
    QComboBox* first_;
    QComboBox* second_;
    QComboBox* kind_;
    QSpinBox* count_;
    QLineEdit* question_;
    QComboBox* unit_;
    QDoubleSpinBox* value_;
    QDoubleSpinBox* tolerance_;
    QDialogButtonBox* buttons_;
};

}  // namespace cw
