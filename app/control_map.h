// Which widget of the circuit window is which control: the palette copies and placed parts of
// each kind by element index, the tool buttons and the board; and the order Tab visits them in,
// which is also the order a screen reader lists them in.
#pragma once

#include <array>
#include <unordered_map>
#include <utility>
#include <vector>

#include "model/board.h"

class QWidget;

namespace cw {

class PictureControl;

enum class ControlType { None, Palette, Tool, Part, Board };
struct ControlInfo {
    ControlType type = ControlType::None;
    Kind kind = Kind::Cell;  // a palette copy's or a part's
    int index = 0;           // its element index
    int16_t tool = 0;        // a tool button's ToolMode
};

class ControlMap {
  public:
    explicit ControlMap(const Board& board) : board_(board) {}
    ControlMap(const ControlMap&) = delete;
    ControlMap& operator=(const ControlMap&) = delete;

    void SetFixed(PictureControl* board, PictureControl* line, PictureControl* pencil,
                  PictureControl* erase);
    // The buttons of the bar of extra parts: Tab visits them after the strip's copies.
    void SetBar(std::vector<QWidget*> buttons) { bar_ = std::move(buttons); }
    // Element i of a kind's array got its control (i is the array's new upper bound), or lost it.
    void AddElement(Kind kind, int i, PictureControl* control);
    // Forgets the control of the array's highest element and gives it.
    PictureControl* RemoveLastElement(Kind kind);

    // The control of element i (1..U) of an array; null for the template or an index outside.
    PictureControl* Element(Kind kind, int i) const;
    ControlInfo Identify(const QWidget* control) const;
    // The palette copies, the bar's buttons, the tool buttons, the parts on the board by number,
    // the board.
    std::vector<QWidget*> FocusOrder() const;

  private:
    const Board& board_;
    PictureControl* board_control_ = nullptr;
    std::array<PictureControl*, 3> tools_{};  // line, pencil, delete
    std::vector<QWidget*> bar_;
    // Controls of elements 1..U of each array; slot 0 (the template) has none.
    std::array<std::vector<PictureControl*>, kKinds.size()> elements_;
    std::unordered_map<const QWidget*, std::pair<Kind, int>> elementOf_;
};

}  // namespace cw
