#include "support/gesture_soak.h"

#include <QApplication>
#include <QTest>
#include <map>
#include <sstream>

#include "analysis/solver.h"
#include "app/file_session.h"
#include "app/keyboard_editing.h"
#include "geometry/terminal_position.h"
#include "model/part_kinds.h"

namespace cw::test {
namespace {

int UnusedJunctions(const Board& b) {
    std::vector<int> uses(static_cast<size_t>(b.LastJunction()) + 1, 0);
    for (int l = 1; l <= b.LastWire(); ++l) {
        for (int16_t e : b.WireTable[l].end) {
            if (e < 0 && -e <= b.LastJunction()) ++uses[static_cast<size_t>(-e)];
        }
    }
    int unused = 0;
    for (int j = 1; j <= b.LastJunction(); ++j) unused += uses[static_cast<size_t>(j)] == 0;
    return unused;
}

bool HasSelfLoopOnJunction(const Board& b) {
    for (int l = 1; l <= b.LastWire(); ++l) {
        if (b.WireTable[l].end[0] < 0 && b.WireTable[l].end[0] == b.WireTable[l].end[1])
            return true;
    }
    return false;
}

}  // namespace

GestureSoak::GestureSoak(WindowDriver& driver, uint32_t seed) : d_(driver), rng_(seed) {}

QPoint GestureSoak::RandomPoint() {
    Circuit& w = d_.window();
    const Board& b = d_.board();
    const int W = w.width(), H = w.height();
    auto jitter = [&](int r) { return static_cast<int>(rng_() % (2 * r + 1)) - r; };
    switch (rng_() % 6) {
        case 0: {  // near a placed component's terminal
            const Kind kind = kKinds[rng_() % kKinds.size()];
            const int U = b.UBound(kind);
            if (U > 1) {
                const ComponentElement& e = b.Array(kind)[1 + rng_() % (U - 1)];
                const Point16 t =
                    TerminalPosition(b, rng_() % 2 ? FirstTerminal(e.Tag) : SecondTerminal(e.Tag));
                if (t.x >= 0) return QPoint(t.x + jitter(8), t.y + jitter(8));
            }
            break;
        }
        case 1: {  // on a component or a palette copy
            const Kind kind = kKinds[rng_() % kKinds.size()];
            const ComponentElement& e = b.Array(kind)[1 + rng_() % b.UBound(kind)];
            return QPoint(static_cast<int>(e.Left + e.Width / 2) + jitter(10),
                          static_cast<int>(e.Top + e.Height / 2) + jitter(10));
        }
        case 2:  // on the strip or a tool button
            return QPoint(static_cast<int>(rng_() % static_cast<unsigned>(W + 1)),
                          H - 20 + jitter(20));
        case 3: {  // outside the window (above the menus, in the main window)
            QPoint p(jitter(W + 200), jitter(H + 200));
            if (d_.main() && p.y() < 0) p.ry() -= d_.window().y();
            return p;
        }
        default:
            break;
    }
    return QPoint(static_cast<int>(rng_() % static_cast<unsigned>(W + 1)),
                  static_cast<int>(rng_() % static_cast<unsigned>(H + 1)));
}

void GestureSoak::Step() {
    unusedJunctions_ = UnusedJunctions(d_.board());
    hadSelfLoopOnJunction_ = HasSelfLoopOnJunction(d_.board());
    const Qt::MouseButton buttons[5] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton,
                                        Qt::BackButton, Qt::ForwardButton};
    auto anyHeld = [&] {
        Qt::MouseButton b = Qt::LeftButton;
        while (!(held_ & b)) b = buttons[rng_() % 5];
        return b;
    };
    std::ostringstream what;
    if (d_.main() && rng_() % 100 < 6) {
        // In the main window: Undo or Redo, as its buttons and keys do.
        const bool redo = rng_() % 3 == 0;
        FileSession& files = d_.main()->Files();
        (redo ? files.Redo() : files.Undo())->trigger();
        last_ = redo ? "redo" : "undo";
        return;
    }
    if (d_.main() && held_ == Qt::NoButton && rng_() % 100 < 4) {
        // A meter or a fuse dragged from the bar above the board, dropped anywhere.
        const Kind kind = kBarKinds[rng_() % kBarKinds.size()];
        const QPoint to = RandomPoint();
        PartBarHost& bar = d_.window().BarHost();
        const QPoint start = d_.window().mapToGlobal(QPoint(40, -15));
        if (bar.BeginPlacing(kind, start)) {
            bar.PlacingMove(d_.window().mapToGlobal(to));
            bar.EndPlacing(d_.window().mapToGlobal(to));
        }
        what << "from the bar: kind " << KindIndex(kind) << " to " << to.x() << "," << to.y();
        last_ = what.str();
        return;
    }
    if (held_ == Qt::NoButton && rng_() % 100 < 4) {
        // A finger's gesture, whole: down, a few moves, and up, or a second finger calling it off.
        static QPointingDevice* const screen = QTest::createTouchDevice();
        QWidget& top = d_.top();
        auto at = [&](QPoint p) { return d_.window().mapTo(&top, p); };
        QPoint p = RandomPoint();
        QTest::touchEvent(&top, screen).press(0, at(p));
        what << "finger down at " << p.x() << "," << p.y();
        for (unsigned moves = rng_() % 4; moves > 0; --moves) {
            p = RandomPoint();
            QTest::touchEvent(&top, screen).move(0, at(p));
            what << ", to " << p.x() << "," << p.y();
        }
        if (rng_() % 4 == 0) {
            const QPoint second = RandomPoint();
            QTest::touchEvent(&top, screen).stationary(0).press(1, at(second));
            QTest::touchEvent(&top, screen).release(0, at(p)).stationary(1);
            QTest::touchEvent(&top, screen).release(1, at(second));
            what << ", a second finger at " << second.x() << "," << second.y();
        } else {
            QTest::touchEvent(&top, screen).release(0, at(p));
        }
        last_ = what.str();
        return;
    }
    const unsigned r = rng_() % 100;
    // A lost release shows with the window's next mouse event, or when the window goes away.
    const bool tellsTheWindow = (r >= 16 && r < 38) || r >= 40;
    if (tellsTheWindow) lostRelease_ = false;
    if (r < 3) {
        const int t = static_cast<int>(rng_() % 3);
        if (t == 0) d_.window().PencilPic_Click();
        if (t == 1) d_.window().LinePic_Click();
        if (t == 2) d_.window().DelPic_Click();
        what << "tool " << t;
    } else if (r < 4) {
        const int w = 150 + static_cast<int>(rng_() % 700), h = 60 + static_cast<int>(rng_() % 700);
        d_.Resize(w, h);
        what << "resize " << w << "x" << h;
    } else if (r < 16) {
        // The keys that edit, on whatever has the focus; Tab, the tool keys and the current's
        // view at any moment.
        static constexpr int kKeys[] = {
            Qt::Key_Tab,    Qt::Key_Backtab, Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape,
            Qt::Key_Delete, Qt::Key_Left,    Qt::Key_Right, Qt::Key_Up,     Qt::Key_Down,
            Qt::Key_N,      Qt::Key_W,       Qt::Key_L,     Qt::Key_P,      Qt::Key_D,
            Qt::Key_C,      Qt::Key_E};
        const int key = kKeys[rng_() % std::size(kKeys)];
        const auto modifiers = rng_() % 3 == 0 ? Qt::ShiftModifier : Qt::NoModifier;
        d_.Key(key, modifiers);
        what << "key " << key << (modifiers ? " with Shift" : "");
    } else if (r < 37) {
        const unsigned pick = rng_() % 10;
        const Qt::MouseButton b = pick < 7 ? Qt::LeftButton : buttons[1 + pick % 4];
        const QPoint p = RandomPoint();
        if (held_ & b) {
            d_.Release(p, b);
            held_ &= ~b;
        }
        d_.Press(p, b);
        held_ |= b;
        what << "press " << b << " at " << p.x() << "," << p.y();
        if (rng_() % 8 == 0) {
            d_.DoubleClickEvent(p, b);
            what << " with a double-click event";
        }
    } else if (r < 38) {
        // The desktop takes the window away mid-gesture and gives it back.
        if (rng_() % 2) {
            d_.top().hide();
            d_.top().show();
            what << "hide and show";
        } else {
            QEvent off(QEvent::WindowDeactivate), on(QEvent::WindowActivate);
            QApplication::sendEvent(&d_.top(), &off);
            QApplication::sendEvent(&d_.top(), &on);
            what << "deactivate and activate";
        }
    } else if (r < 39 && held_ != Qt::NoButton) {
        const Qt::MouseButton b = anyHeld();
        d_.DropRelease(b);
        held_ &= ~b;
        lostRelease_ = true;
        what << "release of " << b << " lost";
    } else if (r < 40) {
        const QPoint p = RandomPoint();
        const int degrees = rng_() % 2 ? 15 : -15;
        // With Ctrl the wheel zooms (as a pinch of the second finger above may).
        const auto modifiers = rng_() % 2 ? Qt::ControlModifier : Qt::NoModifier;
        d_.Wheel(p, degrees, modifiers);
        what << "wheel " << degrees << (modifiers ? " with Ctrl" : "") << " at " << p.x() << ","
             << p.y();
    } else if (r < 42) {
        Qt::MouseButton b = buttons[rng_() % 5];
        const QPoint p = RandomPoint();
        if (held_ & b) {
            d_.MoveTo(p);
            what << "move to " << p.x() << "," << p.y();
        } else {
            d_.Release(p, b);
            what << "release of " << b << " not held, at " << p.x() << "," << p.y();
        }
    } else if (r < 60 && held_ != Qt::NoButton) {
        const Qt::MouseButton b = anyHeld();
        const QPoint p = RandomPoint();
        d_.Release(p, b);
        held_ &= ~b;
        what << "release " << b << " at " << p.x() << "," << p.y();
    } else {
        const QPoint p = RandomPoint();
        d_.MoveTo(p);
        what << "move to " << p.x() << "," << p.y();
    }
    last_ = what.str();
}

void GestureSoak::LetGo() {
    for (Qt::MouseButton b :
         {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton, Qt::BackButton, Qt::ForwardButton}) {
        if (held_ & b) d_.Release({5, 5}, b);
    }
    held_ = Qt::NoButton;
    if (d_.board().MouseMode != kMouseIdle) d_.window().EndRunningGesture();
}

std::string GestureSoak::CheckStillEdits() {
    LetGo();
    Circuit& w = d_.window();
    // Taller than any resize made it, so no part placed before lies over the palette strip.
    d_.Resize(900, 900);
    w.LinePic_Click();
    std::ostringstream bad;
    d_.Key(Qt::Key_0, Qt::ControlModifier);  // at actual size, where the window's points are
    if (w.Zoom() != 1.0) bad << "Ctrl+0 left the zoom at " << w.Zoom() << "; ";
    const int i = d_.Place(Kind::Cell, 300, 150);
    const ComponentElement& cell = d_.board().Array(Kind::Cell)[static_cast<size_t>(i)];
    if (cell.Left != 300 || cell.Top != 150 || cell.Tag == 0) bad << "the cell was not placed; ";
    const QPoint centre(static_cast<int>(cell.Left + cell.Width / 2),
                        static_cast<int>(cell.Top + cell.Height / 2));
    d_.Drag(centre, centre + QPoint(40, 30));
    if (cell.Left != 340 || cell.Top != 180) bad << "the cell did not move; ";
    w.DelPic_Click();
    d_.Click(centre + QPoint(40, 30));
    if (cell.Visible) bad << "the cell was not deleted; ";
    if (d_.board().MouseMode != 0) bad << "MouseMode " << d_.board().MouseMode << "; ";
    return bad.str();
}

std::string GestureSoak::CheckInvariants() {
    const Board& b = d_.board();
    std::ostringstream bad;
    const int N = b.LastValue(), J = b.LastJunction();
    if (b.WireTable.empty() || b.JunctionTable.empty() || b.ValueTable.empty())
        return "a table lost row 0";
    if (b.WireTable[0].end[0] != 0 || b.WireTable[0].end[1] != 0) bad << "wire row 0 used; ";
    // Every number 1..N on exactly one element; placed elements carry numbers.
    std::vector<int> carried(static_cast<size_t>(N) + 1, 0);
    for (Kind kind : kKinds) {
        const ComponentArray& a = b.Array(kind);
        const int U = b.UBound(kind);
        if (U < 1) bad << "array " << KindIndex(kind) << " lost its palette copy; ";
        if (d_.window().Element(kind, U) == nullptr) bad << "palette copy has no control; ";
        for (int i = 1; i <= U; ++i) {
            const int tag = a[static_cast<size_t>(i)].Tag;
            if (tag < 0 || tag > N) {
                bad << "tag " << tag << " out of range; ";
                continue;
            }
            if (tag > 0) ++carried[static_cast<size_t>(tag)];
            const bool dragged = b.MouseMode == 2 && i == U - 1;
            if (i < U && tag == 0 && !dragged) bad << "placed element without a number; ";
            if (i == U && tag != 0) bad << "palette copy carries " << tag << "; ";
        }
    }
    for (int k = 1; k <= N; ++k) {
        if (carried[static_cast<size_t>(k)] != 1)
            bad << "number " << k << " carried " << carried[k] << " times; ";
    }
    // Wire ends name visible terminals or existing junctions.
    for (int l = 1; l <= b.LastWire(); ++l) {
        for (int16_t e : b.WireTable[l].end) {
            if (e == 0) bad << "wire " << l << " has end 0; ";
            if (e < 0 && -e > J) bad << "wire " << l << " names junction " << -e << "; ";
            if (e > 0 && TerminalPosition(b, e).x < 0)
                bad << "wire " << l << " names hidden terminal " << e << "; ";
        }
    }
    // Junctions are used, but for the one left by deleting a junction's self-loop.
    const int unused = UnusedJunctions(b);
    if (unused > unusedJunctions_ && !hadSelfLoopOnJunction_)
        bad << "an unused junction appeared; ";
    // Only a new part or a band the keyboard holds outlives the mouse's gestures.
    // A lost release shows only with the window's next event.
    const bool settled = held_ == Qt::NoButton && !lostRelease_;
    if (settled && b.MouseMode != 0 && !d_.window().Keyboard().GestureRunning())
        bad << "MouseMode " << b.MouseMode << " after the gesture; ";
    if (settled && d_.window().Windows().Capture() != 0) bad << "pointer still captured; ";
    if (settled && d_.window().PointerBusy()) bad << "the pointer grab still owned; ";
    // The board's stack is the window's: its controls of parts and palette copies, bottom first.
    std::vector<ElementRef> stacked;
    for (QObject* child : d_.window().children()) {
        const ControlInfo c = d_.window().Identify(qobject_cast<QWidget*>(child));
        if (c.type == ControlType::Part || c.type == ControlType::Palette)
            stacked.push_back({c.kind, c.index});
    }
    if (stacked != b.Stack) bad << "the board's stack is not the window's; ";
    // The bulbs show what a fresh solve of the board the window solved gives: a part still
    // being dragged out of the strip has no number yet and is not on it.
    Board fresh = b;
    for (Kind kind : kKinds) {
        ComponentArray& a = fresh.Array(kind);
        const size_t dragged = a.size() - 2;
        if (b.MouseMode == kMousePlacing && a.size() > 2 && a[dragged].Tag == 0)
            a.erase(a.begin() + static_cast<std::ptrdiff_t>(dragged));
    }
    SolveCircuit(fresh);
    if (fresh.ValueTable != b.ValueTable) bad << "bulb values differ from a fresh solve; ";
    return bad.str();
}

}  // namespace cw::test
