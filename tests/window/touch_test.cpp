// A finger and a pen on the real window, through Qt's own touch and tablet events: the same
// gestures as the mouse's, a finger's reach twice the mouse's, a second finger calling a gesture
// off, and the pencil's eraser.
#include <gtest/gtest.h>

#include <QPointingDevice>
#include <QTabletEvent>
#include <QTest>
#include <QToolButton>

#include "app/commands.h"
#include "app/part_bar.h"
#include "app/part_texts.h"
#include "edit/gesture_rules.h"
#include "geometry/terminal_position.h"
#include "support/window_driver.h"

namespace cw::test {
namespace {

// One finger's touches at window points, and a second finger's.
class Fingers {
  public:
    explicit Fingers(QWidget& window) : w_(window) {}
    void Down(QPoint p, int finger = 0) { QTest::touchEvent(&w_, screen_).press(finger, p); }
    void Move(QPoint p, int finger = 0) {
        auto touch = QTest::touchEvent(&w_, screen_);
        touch.move(finger, p);
        if (finger == 0 && second_) touch.stationary(1);
    }
    void Up(QPoint p, int finger = 0) { QTest::touchEvent(&w_, screen_).release(finger, p); }
    // A second finger lands while the first holds at p, and both lift.
    void SecondFinger(QPoint first, QPoint second) {
        QTest::touchEvent(&w_, screen_).stationary(0).press(1, second);
        second_ = true;
        Move(first + QPoint(30, 30));  // what the first does after it is no gesture
        QTest::touchEvent(&w_, screen_).release(0, first + QPoint(30, 30)).stationary(1);
        QTest::touchEvent(&w_, screen_).release(1, second);
        second_ = false;
    }
    void Drag(QPoint from, QPoint to) {
        Down(from);
        for (int step = 1; step <= 4; ++step) Move(from + (to - from) * step / 4);
        Up(to);
    }

  private:
    QWidget& w_;
    QPointingDevice* screen_ = QTest::createTouchDevice();
    bool second_ = false;
};

const ComponentElement& El(WindowDriver& d, Kind kind, int i) {
    return d.board().Array(kind)[i];
}

TEST(Touch, AFingerPlacesAPartAboveItselfAndDrawsAWireAsTheMouseDoes) {
    WindowDriver d;
    Fingers finger(d.window());
    d.window().LinePic_Click();
    // Out of the strip: the part is shown, and lands, with its bottom edge above the finger.
    finger.Drag(d.SlotCentre(0), QPoint(150, 250));
    ASSERT_EQ(d.board().PlacedCount(Kind::Cell), 1);
    const ComponentElement& cell = El(d, Kind::Cell, 1);
    EXPECT_EQ(cell.Tag, 1);
    EXPECT_EQ(cell.Width, 90);
    EXPECT_EQ(cell.Top + cell.Height + kFingerReach.lift, 250);
    // Moved by a finger: above it again once the move is more than a tap's slip.
    const QPoint grip(static_cast<int>(cell.Left) + 45, static_cast<int>(cell.Top) + 10);
    finger.Drag(grip, grip + QPoint(100, 0));
    EXPECT_EQ(cell.Top + cell.Height + kFingerReach.lift, grip.y());
    EXPECT_EQ(d.board().MouseMode, kMouseIdle);

    // A wire from beside one terminal to beside the other: a finger's press 10 pixels off snaps,
    // where the mouse's makes a junction.
    d.Place(Kind::Light, 300, 100);
    const Point16 a = TerminalPosition(d.board(), FirstTerminal(1));
    const Point16 b = TerminalPosition(d.board(), SecondTerminal(2));
    const QPoint from(a.x - 10, a.y), to(b.x + 10, b.y);
    d.Drag(from, to);
    ASSERT_EQ(d.board().LastWire(), 1);
    EXPECT_LT(d.board().WireTable[1].end[0], 0) << "the mouse's reach is 6";
    finger.Drag(from, to);
    ASSERT_EQ(d.board().LastWire(), 2);
    EXPECT_EQ(d.board().WireTable[2].end[0], FirstTerminal(1));
    EXPECT_EQ(d.board().WireTable[2].end[1], SecondTerminal(2));
}

TEST(Touch, AMeterDraggedFromTheBarByAFingerIsLiftedAndASecondFingerSendsItBack) {
    WindowDriver d(true);
    Fingers finger(d.top());
    QToolButton* button = nullptr;
    for (QToolButton* b : d.main()->findChild<PartBar*>()->findChildren<QToolButton*>()) {
        if (b->accessibleName() == PartTexts::KindName(Kind::Ammeter)) button = b;
    }
    ASSERT_NE(button, nullptr);
    const QPoint start = button->mapTo(&d.top(), button->rect().center());
    const QPoint to = d.window().mapTo(&d.top(), QPoint(200, 300));
    finger.Drag(start, to);
    ASSERT_EQ(d.board().PlacedCount(Kind::Ammeter), 1);
    const ComponentElement& meter = El(d, Kind::Ammeter, 1);
    EXPECT_EQ(meter.Top + meter.Height + kFingerReach.lift, 300);
    finger.Down(start);
    finger.Move(to);
    finger.SecondFinger(to, to + QPoint(-100, -100));
    EXPECT_EQ(d.board().PlacedCount(Kind::Ammeter), 1);
    EXPECT_EQ(d.board().MouseMode, kMouseIdle);
    finger.Drag(start, to);  // and the next drag places one
    EXPECT_EQ(d.board().PlacedCount(Kind::Ammeter), 2);
}

TEST(Touch, ATapThatSlipsStillTogglesASwitchAndTheKeyboardKeepsTheMouseReach) {
    WindowDriver d;
    Fingers finger(d.window());
    const int s = d.Place(Kind::Swit, 200, 150);
    d.window().LinePic_Click();
    const int k = El(d, Kind::Swit, s).Tag;
    const QPoint middle(245, 195);
    // An 8-pixel slip is a tap for a finger, a drag for the mouse.
    finger.Drag(middle, middle + QPoint(8, 0));
    EXPECT_EQ(d.board().ValueOf(k), 0) << "closed";
    EXPECT_EQ(El(d, Kind::Swit, s).Left, 200);
    d.Drag(middle, middle + QPoint(8, 0));
    EXPECT_EQ(d.board().ValueOf(k), 0) << "still closed";
    EXPECT_EQ(El(d, Kind::Swit, s).Left, 208);
    EXPECT_EQ(d.window().Edit().PointerReach().snap, kSnapReach);
}

TEST(Touch, ASecondFingerCallsTheGestureOffAsEscapeDoes) {
    WindowDriver d;
    Fingers finger(d.window());
    const int s = d.Place(Kind::Swit, 200, 150);
    // A placed part goes back where it was picked up.
    finger.Down(QPoint(245, 195));
    finger.Move(QPoint(300, 300));
    finger.SecondFinger(QPoint(300, 300), QPoint(100, 100));
    EXPECT_EQ(El(d, Kind::Swit, s).Left, 200);
    EXPECT_EQ(El(d, Kind::Swit, s).Top, 150);
    EXPECT_EQ(d.board().MouseMode, kMouseIdle);
    // A new part goes back to the strip.
    finger.Down(d.SlotCentre(2));
    finger.Move(QPoint(300, 200));
    finger.SecondFinger(QPoint(300, 200), QPoint(100, 100));
    EXPECT_EQ(d.board().PlacedCount(Kind::Resi), 0);
    EXPECT_EQ(d.board().UBound(Kind::Resi), 1);
    // A band makes no wire.
    d.window().LinePic_Click();
    finger.Down(QPoint(50, 300));
    finger.Move(QPoint(150, 350));
    finger.SecondFinger(QPoint(150, 350), QPoint(400, 50));
    EXPECT_EQ(d.board().LastWire(), 0);
    // A stroke being written goes.
    d.window().PencilPic_Click();
    finger.Down(QPoint(50, 300));
    finger.Move(QPoint(150, 350));
    finger.SecondFinger(QPoint(150, 350), QPoint(400, 50));
    EXPECT_TRUE(d.window().Glasso1().Strokes().empty());
    // And the next touch is a gesture again.
    finger.Drag(QPoint(50, 300), QPoint(150, 350));
    EXPECT_EQ(d.window().Glasso1().Strokes().size(), 1U);
}

TEST(Touch, TheEraserAndThePensEraserEndRubOutNotes) {
    WindowDriver d;
    Circuit& w = d.window();
    d.Drag(QPoint(50, 100), QPoint(250, 100));
    d.Drag(QPoint(50, 200), QPoint(250, 200));
    ASSERT_EQ(w.Glasso1().Strokes().size(), 2U);
    // The eraser: a left drag (a finger's) rubs out, the pencil's button still lit.
    d.Key(Qt::Key_E);
    EXPECT_TRUE(w.Erasing());
    Fingers(w).Drag(QPoint(150, 80), QPoint(150, 120));
    EXPECT_EQ(w.Glasso1().Strokes().size(), 1U);
    d.Key(Qt::Key_P);
    EXPECT_FALSE(w.Erasing());

#if QT_CONFIG(tabletevent)
    // A pen writes with its tip and rubs out with its other end, whatever the pencil is set to.
    auto device = [&w](QPointingDevice::PointerType type, qint64 id) {
        return new QPointingDevice(
            QStringLiteral("pen"), id, QInputDevice::DeviceType::Stylus, type,
            QInputDevice::Capability::Position | QInputDevice::Capability::Pressure, 1, 2,
            QString(), QPointingDeviceUniqueId::fromNumericId(id), &w);
    };
    auto stroke = [&](const QPointingDevice* pen, QPoint from, QPoint to) {
        auto send = [&](QEvent::Type type, QPoint p, Qt::MouseButton button,
                        Qt::MouseButtons buttons) {
            QTabletEvent event(type, pen, QPointF(p), QPointF(w.mapToGlobal(p)), 0.5, 0, 0, 0, 0, 0,
                               Qt::NoModifier, button, buttons);
            QApplication::sendEvent(w.windowHandle(), &event);
            EXPECT_TRUE(event.isAccepted()) << "Qt would make mouse events of it as well";
        };
        send(QEvent::TabletPress, from, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::TabletMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
        send(QEvent::TabletMove, to, Qt::NoButton, Qt::LeftButton);
        send(QEvent::TabletRelease, to, Qt::LeftButton, Qt::NoButton);
    };
    stroke(device(QPointingDevice::PointerType::Pen, 91), QPoint(50, 300), QPoint(250, 300));
    ASSERT_EQ(w.Glasso1().Strokes().size(), 2U);
    EXPECT_EQ(w.Glasso1().Strokes().back().first(), QPointF(50, 300) - w.Glasso1().pos());
    stroke(device(QPointingDevice::PointerType::Eraser, 92), QPoint(150, 280), QPoint(150, 320));
    EXPECT_EQ(w.Glasso1().Strokes().size(), 1U);
    EXPECT_FALSE(w.Erasing()) << "the pen's other end leaves the pencil writing";
#endif
}

}  // namespace
}  // namespace cw::test
