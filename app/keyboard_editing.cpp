#include "app/keyboard_editing.h"

#include <algorithm>
#include <vector>

#include "app/circuit_window.h"
#include "edit/component_gestures.h"
#include "geometry/terminal_position.h"

namespace cw {
namespace {

// Where a new part goes when it is picked up: the first spot, row by row, where it overlaps
// no part already on the board; the top-left corner when the board is full.
QPoint FreeSpot(const Circuit& w) {
    const Board& b = w.Model();
    const int size = static_cast<int>(kBoardSize);
    const int right = static_cast<int>(w.WindowScaleWidth()) - size - 3;
    const int bottom = static_cast<int>(w.WindowScaleHeight() - w.MenuScaleHeight()) - size - 3;
    constexpr int kGap = 8, kGrid = 16;
    for (int top = kGap; top <= bottom; top += kGrid) {
        for (int left = kGap; left <= right; left += kGrid) {
            const QRect spot(left - kGap / 2, top - kGap / 2, size + kGap, size + kGap);
            bool free = true;
            for (Kind kind : kKinds) {
                for (int i = 1; free && i <= b.PlacedCount(kind); ++i) {
                    const ComponentElement& e = b.At(kind, i);
                    if (e.Visible && e.Tag > 0 &&
                        spot.intersects(QRect(static_cast<int>(e.Left), static_cast<int>(e.Top),
                                              static_cast<int>(e.Width),
                                              static_cast<int>(e.Height)))) {
                        free = false;
                    }
                }
            }
            if (free) return {left, top};
        }
    }
    return {kGap, kGap};
}

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

KeyboardEditing::KeyboardEditing(Circuit& window) : w_(window) {}

bool KeyboardEditing::GestureRunning() const {
    const int16_t mode = w_.Model().MouseMode;
    return (held_ == Held::NewPart && mode == kMousePlacing) ||
           (held_ == Held::Band && mode == kMouseBoardGesture);
}

bool KeyboardEditing::KeyPress(int key, Qt::KeyboardModifiers modifiers) {
    if (w_.PointerBusy()) return false;
    const QPoint step = Step(key, modifiers);
    if (GestureRunning()) return HeldKey(key, modifiers, step);
    held_ = Held::Nothing;
    if (w_.Model().MouseMode != kMouseIdle) return false;  // a mouse gesture is running

    QWidget* focused = w_.focusWidget();
    const ControlInfo c = w_.Identify(focused);
    if (IsActivate(key) && c.type != ControlType::None) {
        Activate(focused);
        return true;
    }
    if (c.type == ControlType::Part) {
        if (!step.isNull()) {
            MovePart(c.kind, c.index, step.x(), step.y());
        } else if (key == Qt::Key_Delete || key == Qt::Key_Backspace) {
            DeletePart(c.kind, c.index);
        } else {
            return false;
        }
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
    if (held_ == Held::NewPart) {
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
        held_ = Held::Nothing;
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
            if (c.tool == kToolLine) w_.LinePic_Click();
            if (c.tool == kToolPencil) w_.PencilPic_Click();
            if (c.tool == kToolDelete) w_.DelPic_Click();
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
    copy->MouseDown(kLeftButton, 0, static_cast<float>(copy->width() / 2),
                    static_cast<float>(copy->height() / 2));
    if (w_.Model().MouseMode != kMousePlacing) return;
    held_ = Held::NewPart;
    heldKind_ = kind;
    heldIndex_ = i;
    const ComponentElement& e = w_.Model().At(kind, i);
    const QPoint spot = FreeSpot(w_);
    MoveNewPart(spot.x() - static_cast<int>(e.Left), spot.y() - static_cast<int>(e.Top));
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
    held_ = Held::Nothing;
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
    if (!DeleteComponent(w_.Model(), w_, kind, i)) return;
    w_.RefreshBoard();
    w_.FocusAfterRemoval(c, before);
}

void KeyboardEditing::BoardAction() {
    PictureControl& board = w_.MainPicture();
    const QPoint p = BoardCursor();
    const float x = static_cast<float>(p.x()), y = static_cast<float>(p.y());
    const int16_t tool = w_.Model().ToolMode;
    if (held_ == Held::Band && GestureRunning()) {
        board.MouseUp(kLeftButton, 0, x, y);
        held_ = Held::Nothing;
    } else if (tool == kToolLine) {
        board.MouseDown(kLeftButton, 0, x, y);
        if (w_.Model().MouseMode == kMouseBoardGesture) held_ = Held::Band;
    } else if (tool == kToolDelete) {
        board.MouseDown(kLeftButton, 0, x, y);
        board.MouseUp(kLeftButton, 0, x, y);
    }
    w_.AnnounceControl(&board);
}

QPoint KeyboardEditing::BoardCursor() const {
    if (cursor_.x() >= 0) return cursor_;
    return {static_cast<int>(w_.WindowScaleWidth()) / 2,
            static_cast<int>(w_.WindowScaleHeight() - w_.MenuHeight()) / 2};
}

void KeyboardEditing::MoveCursor(QPoint to) {
    // The cursor stays where a band's end may go: on the board, above the strip.
    const int right = static_cast<int>(w_.WindowScaleWidth());
    const int bottom = static_cast<int>(w_.WindowScaleHeight() - w_.MenuHeight());
    cursor_ = QPoint(std::clamp(to.x(), 0, std::max(0, right)),
                     std::clamp(to.y(), 0, std::max(0, bottom)));
    if (held_ == Held::Band && GestureRunning()) {
        w_.MainPicture().MouseMove(kLeftButton, 0, static_cast<float>(cursor_.x()),
                                   static_cast<float>(cursor_.y()));
    }
    w_.UpdateFocusMarker();
    w_.AnnounceControl(&w_.MainPicture());
}

namespace {
QPoint Cycle(const std::vector<QPoint>& points, QPoint from, bool next) {
    if (points.empty()) return from;
    const auto at = std::find(points.begin(), points.end(), from);
    if (at == points.end()) return next ? points.front() : points.back();
    const size_t i = static_cast<size_t>(at - points.begin());
    return points[next ? (i + 1) % points.size() : (i + points.size() - 1) % points.size()];
}
}  // namespace

void KeyboardEditing::JumpToPoint(bool next) {
    // Terminals of the parts on the board by number, then the junctions.
    const Board& b = w_.Model();
    std::vector<QPoint> points;
    for (int k = 1; k <= b.LastValue(); ++k) {
        for (int n : {FirstTerminal(k), SecondTerminal(k)}) {
            const Point16 t = TerminalPosition(b, n);
            if (t.x >= 0) points.emplace_back(t.x, t.y);
        }
    }
    for (int j = 1; j <= b.LastJunction(); ++j) {
        points.emplace_back(b.JunctionTable[j].x, b.JunctionTable[j].y);
    }
    MoveCursor(Cycle(points, BoardCursor(), next));
}

void KeyboardEditing::JumpToWire(bool next) {
    const Board& b = w_.Model();
    const TerminalIndex terminals(b);
    std::vector<QPoint> middles;
    for (int l = 1; l <= b.LastWire(); ++l) {
        const Point16 p = terminals.NodePosition(b.WireTable[l].end[0]);
        const Point16 q = terminals.NodePosition(b.WireTable[l].end[1]);
        middles.emplace_back((p.x + q.x) / 2, (p.y + q.y) / 2);
    }
    MoveCursor(Cycle(middles, BoardCursor(), next));
}

}  // namespace cw
