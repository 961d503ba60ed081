// The bar of extra parts under the menu bar: the meters, kept apart from the palette strip,
// which keeps its four parts and three tools. A part is dragged from its button onto the board
// as a strip copy is; Space, Enter or a screen reader's Press on the button picks one up for
// the keyboard.
#pragma once

#include <QToolBar>

namespace cw {

class Circuit;

class PartBar final : public QToolBar {
    Q_OBJECT
  public:
    PartBar(Circuit& circuit, QWidget* parent);
};

}  // namespace cw
