#include "app/keyboard_editing.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "app/keyboard_host.h"
#include "edit/component_gestures.h"
#include "edit/edit_host.h"
#include "toolkit/picture_control.h"

namespace cw {
namespace {

// A press at the control's middle, a move by (dx, dy) when there is one, and the release: a
// click, or a drag by the step.
void PressMoveRelease(PictureControl& c, int dx, int dy) {
    const float x = static_cast<float>(c.width() / 2), y = static_cast<float>(c.height() / 2);
    const float tx = x + static_cast<float>(dx), ty = y + static_cast<float>(dy);
    c.MouseDown(kLeftButton, 0, x, y);
    if (dx != 0 || dy != 0) c.MouseMove(kLeftButton, 0, tx, ty);
    c.MouseUp(kLeftButton, 0, tx, ty);
}

QPoint Step(int key, Qt::KeyboardModifiers modifiers) {
    const int d = (modifiers & Qt::ShiftModifier) ? kFineStep : kCoarseStep;
    switch (key) {
        case Qt::Key_Left:
            return {-d, 0};
        case Qt::Key_Right:
            return {d, 0};
        case Qt::Key_Up:
            return {0, -d};
        case Qt::Key_Down:
            return {0, d};
        default:
            return {};
    }
}

bool IsActivate(int key) {
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

bool IsArrowKey(int key) {
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

KeyboardEditing::KeyboardEditing(KeyboardHost& window) : w_(window) {}

bool KeyboardEditing::GestureRunning() const {
    return HoldRunning(held_, w_.Model());
}

void KeyboardEditing::DeleteFocusedPart() {
    if (w_.PointerBusy() || GestureRunning() || w_.Model().MouseMode != kMouseIdle) return;
    const ControlInfo c = w_.Identify(w_.FocusedControl());
    if (c.type == ControlType::Part) DeletePart(c.kind, c.index);
}

bool KeyboardEditing::KeyPress(int key, Qt::KeyboardModifiers modifiers) {
    if (w_.PointerBusy()) return false;
    const QPoint step = Step(key, modifiers);
    if (GestureRunning()) return HeldKey(key, modifiers, step);
    held_ = KeyboardHold::Nothing;
    if (w_.Model().MouseMode != kMouseIdle) return false;  // a mouse gesture is running

    QWidget* focused = w_.FocusedControl();
    const ControlInfo c = w_.Identify(focused);
    if (IsActivate(key) && c.type != ControlType::None) {
        Activate(focused);
        return true;
    }
    if (c.type == ControlType::Part && !step.isNull()) {
        MovePart(c.kind, c.index, step.x(), step.y());
        return true;
    }
    return c.type == ControlType::Board && CursorKey(key, modifiers, step);
}

bool KeyboardEditing::CursorKey(int key, Qt::KeyboardModifiers modifiers, QPoint step) {
    const bool next = !(modifiers & Qt::ShiftModifier);
    if (!step.isNull()) {
        MoveCursor(BoardCursor() + step);
    } else if (key == Qt::Key_N) {
        JumpToPoint(next);
    } else if (key == Qt::Key_W) {
        JumpToWire(next);
    } else {
        return false;
    }
    return true;
}

bool KeyboardEditing::HeldKey(int key, Qt::KeyboardModifiers modifiers, QPoint step) {
    if (held_ == KeyboardHold::NewPart) {
        if (!step.isNull()) {
            MoveNewPart(step.x(), step.y());
        } else if (IsActivate(key) || key == Qt::Key_Escape) {
            PutDownNewPart(key == Qt::Key_Escape);
        } else {
            return false;
        }
        return true;
    }
    if (IsActivate(key)) {
        BoardAction();
    } else if (key == Qt::Key_Escape) {
        w_.EndRunningGesture();  // the band goes, no wire is made
        held_ = KeyboardHold::Nothing;
    } else {
        return CursorKey(key, modifiers, step);
    }
    return true;
}

void KeyboardEditing::Activate(QWidget* control) {
    if (w_.Model().MouseMode != kMouseIdle || w_.PointerBusy()) return;
    const ControlInfo c = w_.Identify(control);
    switch (c.type) {
        case ControlType::Palette:
            PickUp(c.kind);
            break;
        case ControlType::Tool:
            w_.ChooseTool(c.tool);
            break;
        case ControlType::Part:
            ClickPart(c.kind, c.index);
            break;
        case ControlType::Board:
            BoardAction();
            break;
        case ControlType::None:
            break;
    }
}

void KeyboardEditing::PickUp(Kind kind) {
    const int i = w_.Model().UBound(kind);
    PictureControl* copy = w_.Element(kind, i);
    if (!copy) return;
    // Pressed in its middle, in the board units its events come in.
    const ComponentElement& pressed = w_.Model().At(kind, i);
    copy->MouseDown(kLeftButton, 0, std::floor(pressed.Width / 2), std::floor(pressed.Height / 2));
    if (w_.Model().MouseMode != kMousePlacing) return;
    held_ = KeyboardHold::NewPart;
    heldKind_ = kind;
    heldIndex_ = i;
    const ComponentElement& e = w_.Model().At(kind, i);
    const BoardPoint spot = FreeSpot(w_.Model(), w_.Edit());
    MoveNewPart(spot.x - static_cast<int>(e.Left), spot.y - static_cast<int>(e.Top));
    copy->setFocus(Qt::TabFocusReason);
}

void KeyboardEditing::MoveNewPart(int dx, int dy) {
    PictureControl* c = w_.Element(heldKind_, heldIndex_);
    if (!c) return;
    // The pointer stays on the point it took the part by, so a move is (dx, dy) from there.
    const Board& b = w_.Model();
    c->MouseMove(kLeftButton, 0, static_cast<float>(b.AnchorX + dx),
                 static_cast<float>(b.AnchorY + dy));
    w_.UpdateFocusMarker();
}

void KeyboardEditing::PutDownNewPart(bool cancel) {
    const Kind kind = heldKind_;
    const int i = heldIndex_;
    PictureControl* c = w_.Element(kind, i);
    held_ = KeyboardHold::Nothing;
    if (!c) return;
    if (cancel) {
        // Back onto its palette slot, where the release puts it back in the strip.
        const ComponentElement& slot = w_.Model().At(kind, w_.Model().UBound(kind));
        const ComponentElement& e = w_.Model().At(kind, i);
        MoveNewPart(static_cast<int>(slot.Left - e.Left), static_cast<int>(slot.Top - e.Top));
    }
    const Board& b = w_.Model();
    c->MouseUp(kLeftButton, 0, static_cast<float>(b.AnchorX), static_cast<float>(b.AnchorY));
    // Placed, the part keeps the focus; cancelled, the focus goes back to the palette copy.
    const bool placed = i < w_.Model().UBound(kind) && w_.Model().At(kind, i).Tag > 0;
    QWidget* next = placed ? c : w_.Element(kind, w_.Model().UBound(kind));
    if (next) next->setFocus(Qt::TabFocusReason);
    w_.UpdateFocusMarker();
    w_.AnnounceControl(next);
}

void KeyboardEditing::MovePart(Kind kind, int i, int dx, int dy) {
    // The delete tool never moves a part: a drag only puts it back, and a short one deletes it.
    if (w_.Model().ToolMode == kToolDelete) return;
    PictureControl* c = w_.Element(kind, i);
    if (!c) return;
    PressMoveRelease(*c, dx, dy);
    w_.UpdateFocusMarker();
    w_.AnnounceControl(c);
}

void KeyboardEditing::ClickPart(Kind kind, int i) {
    PictureControl* c = w_.Element(kind, i);
    if (!c) return;
    const std::vector<QWidget*> before = w_.FocusOrder();
    PressMoveRelease(*c, 0, 0);
    if (!w_.Model().At(kind, i).Visible) {
        w_.FocusAfterRemoval(c, before);  // the delete tool took it
    } else {
        w_.UpdateFocusMarker();
        w_.AnnounceControl(c);
    }
}

void KeyboardEditing::DeletePart(Kind kind, int i) {
    PictureControl* c = w_.Element(kind, i);
    if (!c) return;
    const std::vector<QWidget*> before = w_.FocusOrder();
    if (!DeleteComponent(w_.Model(), w_.Edit(), kind, i)) return;
    w_.Edit().RefreshBoard();
    w_.FocusAfterRemoval(c, before);
}

void KeyboardEditing::BoardAction() {
    PictureControl& board = w_.MainPicture();
    const QPoint p = BoardCursor();
    const float x = static_cast<float>(p.x()), y = static_cast<float>(p.y());
    const int16_t tool = w_.Model().ToolMode;
    if (held_ == KeyboardHold::Band && GestureRunning()) {
        board.MouseUp(kLeftButton, 0, x, y);
        held_ = KeyboardHold::Nothing;
    } else if (tool == kToolLine) {
        board.MouseDown(kLeftButton, 0, x, y);
        if (w_.Model().MouseMode == kMouseBoardGesture) held_ = KeyboardHold::Band;
    } else if (tool == kToolDelete) {
        board.MouseDown(kLeftButton, 0, x, y);
        board.MouseUp(kLeftButton, 0, x, y);
    }
    w_.AnnounceControl(&board);
}

QPoint KeyboardEditing::BoardCursor() const {
    if (cursor_.x() >= 0) return cursor_;
    const EditHost& host = w_.Edit();
    return {static_cast<int>(host.WindowScaleWidth()) / 2,
            static_cast<int>(host.WindowScaleHeight() - host.MenuHeight()) / 2};
}

void KeyboardEditing::MoveCursor(QPoint to) {
    // The cursor stays where a band's end may go: on the board, above the strip.
    const EditHost& host = w_.Edit();
    const int right = static_cast<int>(host.WindowScaleWidth());
    const int bottom = static_cast<int>(host.WindowScaleHeight() - host.MenuHeight());
    cursor_ = QPoint(std::clamp(to.x(), 0, std::max(0, right)),
                     std::clamp(to.y(), 0, std::max(0, bottom)));
    if (held_ == KeyboardHold::Band && GestureRunning()) {
        w_.MainPicture().MouseMove(kLeftButton, 0, static_cast<float>(cursor_.x()),
                                   static_cast<float>(cursor_.y()));
    }
    w_.UpdateFocusMarker();
    w_.AnnounceControl(&w_.MainPicture());
}

void KeyboardEditing::JumpToPoint(bool next) {
    const QPoint from = BoardCursor();
    const BoardPoint to = NextStop(NodeStops(w_.Model()), {from.x(), from.y()}, next);
    MoveCursor({to.x, to.y});
}

void KeyboardEditing::JumpToWire(bool next) {
    const QPoint from = BoardCursor();
    const BoardPoint to = NextStop(WireStops(w_.Model()), {from.x(), from.y()}, next);
    MoveCursor({to.x, to.y});
}

}  // namespace cw
