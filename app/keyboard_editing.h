// Every edit by keyboard. Each key runs the mouse handlers of the control it acts on with the
// numbers a mouse would give them (a press, a move, a release), so numbering, clamping,
// snapping, the click and drag thresholds and the solve after each edit are the mouse's own.
//
// A new part taken from the palette and a wire's band stay held between keys, as a mouse holds
// them between press and release: the arrows move them, Space or Enter puts them down, Escape
// cancels them. A tool change, Tab or a mouse press ends them as the window ends any gesture.
#pragma once

#include <QPoint>
#include <Qt>

#include "model/board.h"

class QWidget;

namespace cw {

class Circuit;

// Board pixels an arrow moves a part or the board's cursor; with Shift, the fine step.
inline constexpr int kCoarseStep = 10;
inline constexpr int kFineStep = 1;

class KeyboardEditing {
  public:
    explicit KeyboardEditing(Circuit& window);

    // Handles a key for the focused control (or the held gesture); false when the key means
    // nothing here.
    bool KeyPress(int key, Qt::KeyboardModifiers modifiers);
    // What Space does on a control: pick up a new part, choose a tool, click a part, start or
    // end a wire at the board's cursor.
    void Activate(QWidget* control);
    // A new part or a band held by the keyboard.
    bool GestureRunning() const;
    // The board's cursor, where the keyboard starts and ends wires (board coordinates).
    QPoint BoardCursor() const;

  private:
    enum class Held { Nothing, NewPart, Band };

    void PickUp(Kind kind);
    // Moves the held new part by (dx, dy), as a mouse dragging it would.
    void MoveNewPart(int dx, int dy);
    void PutDownNewPart(bool cancel);
    void MovePart(Kind kind, int i, int dx, int dy);
    void ClickPart(Kind kind, int i);
    void DeletePart(Kind kind, int i);
    void BoardAction();
    void MoveCursor(QPoint to);
    // Jumps the cursor to the next (or previous) terminal or junction, or wire middle.
    void JumpToPoint(bool next);
    void JumpToWire(bool next);
    bool HeldKey(int key, Qt::KeyboardModifiers modifiers, QPoint step);
    // The arrows, N and W move the board's cursor, and a held band's end with it.
    bool CursorKey(int key, Qt::KeyboardModifiers modifiers, QPoint step);

    Circuit& w_;
    Held held_ = Held::Nothing;
    Kind heldKind_ = Kind::Cell;
    int heldIndex_ = 0;
    QPoint cursor_{-1, -1};  // the board's middle until the keyboard first moves it
};

}  // namespace cw
