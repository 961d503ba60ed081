// The bar of extra parts under the menu bar: the meters, kept apart from the palette strip,
// which keeps its four parts and three tools. A part is dragged from its button onto the board
// as a strip copy is; Space, Enter or a screen reader's Press on the button picks one up for
// the keyboard.
#pragma once

#include <QPoint>
#include <QToolBar>
#include <utility>
#include <vector>

class QToolButton;

#include "model/board.h"

namespace cw {

// What the bar asks of the circuit window it places parts on.
class PartBarHost {
  public:
    // A new part dragged from the bar (the pointer in screen coordinates) as a strip copy is
    // dragged: false when a gesture already holds the board.
    virtual bool BeginPlacing(Kind kind, QPoint globalPos) = 0;
    virtual void PlacingMove(QPoint globalPos) = 0;
    virtual void EndPlacing(QPoint globalPos) = 0;
    // A new part picked up by the keyboard, as Space picks one up from the strip.
    virtual void PickUpFromBar(Kind kind) = 0;
    // The bar's buttons join the keyboard's round after the strip's copies; Tab or Shift+Tab
    // from one goes on round it.
    virtual void SetBarButtons(std::vector<QWidget*> buttons) = 0;
    virtual bool TabFrom(QWidget* from, bool next) = 0;

  protected:
    ~PartBarHost() = default;
};

class PartBar final : public QToolBar {
    Q_OBJECT
  public:
    PartBar(PartBarHost& circuit, QWidget* parent);
    // How many more of the kind a task lets the learner add (TaskRules::kNoLimit: any number).
    void ShowLeft(Kind kind, int left);

  private:
    std::vector<std::pair<Kind, QToolButton*>> buttons_;
};

}  // namespace cw
