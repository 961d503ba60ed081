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

#include "edit/keyboard_rules.h"
#include "model/board.h"

class QWidget;

namespace cw {

class KeyboardHost;

// The arrows are the only keys that repeat while held.
bool IsArrowKey(int key);

class KeyboardEditing {
  public:
    explicit KeyboardEditing(KeyboardHost& window);

    // Handles a key for the focused control (or the held gesture); false when the key means
    // nothing here.
    bool KeyPress(int key, Qt::KeyboardModifiers modifiers);
    // What Space does on a control: pick up a new part, choose a tool, click a part, start or
    // end a wire at the board's cursor.
    void Activate(QWidget* control);
    // A new part or a band held by the keyboard.
    bool GestureRunning() const;
    // Deletes the focused part, as the delete tool's click would; nothing when the focus is on
    // no part or a gesture is running.
    void DeleteFocusedPart();
    // The board's cursor, where the keyboard starts and ends wires (board coordinates).
    QPoint BoardCursor() const;

  private:
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

    KeyboardHost& w_;
    KeyboardHold held_ = KeyboardHold::Nothing;
    Kind heldKind_ = Kind::Cell;
    int heldIndex_ = 0;
    QPoint cursor_{-1, -1};  // the board's middle until the keyboard first moves it
};

}  // namespace cw
