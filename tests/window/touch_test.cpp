// A finger and a pen on the real window, through Qt's own touch and tablet events: the mouse's
// gestures with a finger's reach, a second finger calling a gesture off, and the eraser.
#include <gtest/gtest.h>

#include <QPointingDevice>
#include <QTabletEvent>
#include <QTest>
#include <QToolButton>

#include "app/part_bar.h"
#include "app/part_texts.h"
#include "edit/gesture_rules.h"
#include "geometry/terminal_position.h"
#include "support/window_driver.h"

namespace cw::test {
namespace {

// Touches at circuit-window points, sent to the main window around it.
class Fingers {
  public:
    explicit Fingers(WindowDriver& d) : d_(d) {}
    void Down(QPoint p) { Touch().press(0, At(p)); }
    void Move(QPoint p) { Touch().move(0, At(p)); }
    void Drag(QPoint from, QPoint to) {
        Down(from);
        for (int step = 1; step <= 4; ++step) Move(from + (to - from) * step / 4);
        Touch().release(0, At(to));
    }
    // A second finger lands while the first holds at p; what the first does then, nothing.
    void SecondFinger(QPoint p) {
        Touch().stationary(0).press(1, At(QPoint(400, 60)));
        Touch().move(0, At(p + QPoint(30, 30))).stationary(1);
        Touch().release(0, At(p + QPoint(30, 30))).stationary(1);
        Touch().release(1, At(QPoint(400, 60)));
    }

    // Two fingers land together at a and b and move apart (or together) to a2 and b2.
    void Pinch(QPoint a, QPoint b, QPoint a2, QPoint b2) {
        Touch().press(0, At(a)).press(1, At(b));
        Touch().move(0, At((a + a2) / 2)).move(1, At((b + b2) / 2));
        Touch().move(0, At(a2)).move(1, At(b2));
        Touch().release(0, At(a2)).release(1, At(b2));
    }

  private:
    QPoint At(QPoint p) { return d_.window().mapTo(&d_.top(), p); }
    QTest::QTouchEventWidgetSequence Touch() { return QTest::touchEvent(&d_.top(), screen_); }
    WindowDriver& d_;
    QPointingDevice* screen_ = QTest::createTouchDevice();
};

const ComponentElement& El(WindowDriver& d, Kind kind, int i) {
    return d.board().Array(kind)[i];
}

QPoint BarButton(WindowDriver& d, Kind kind) {
    for (QToolButton* b : d.main()->findChild<PartBar*>()->findChildren<QToolButton*>()) {
        if (b->accessibleName() == PartTexts::KindName(kind))
            return d.window().mapFrom(&d.top(), b->mapTo(&d.top(), b->rect().center()));
    }
    return {};
}

TEST(Touch, AFingerIsTheLeftButtonReachingTwiceAsFarAndLiftingWhatItDrags) {
    WindowDriver d(true);
    Fingers finger(d);
    d.window().LinePic_Click();
    // Out of the strip and out of the bar: each lands with its bottom edge above the finger.
    finger.Drag(d.SlotCentre(0), QPoint(150, 250));
    finger.Drag(BarButton(d, Kind::Ammeter), QPoint(450, 300));
    ASSERT_EQ(d.board().PlacedCount(Kind::Cell), 1);
    ASSERT_EQ(d.board().PlacedCount(Kind::Ammeter), 1);
    EXPECT_EQ(El(d, Kind::Cell, 1).Top + El(d, Kind::Cell, 1).Height + kFingerReach.lift, 250);
    EXPECT_EQ(El(d, Kind::Ammeter, 1).Top + El(d, Kind::Ammeter, 1).Height + kFingerReach.lift,
              300);

    // A press 10 pixels beside a terminal: the mouse's wire makes a junction, a finger's snaps.
    d.Place(Kind::Light, 300, 100);
    const Point16 a = TerminalPosition(d.board(), FirstTerminal(1));
    const Point16 b = TerminalPosition(d.board(), SecondTerminal(3));
    const QPoint from(a.x - 10, a.y), to(b.x + 10, b.y);
    d.Drag(from, to);
    finger.Drag(from, to);
    ASSERT_EQ(d.board().LastWire(), 2);
    EXPECT_LT(d.board().WireTable[1].end[0], 0);
    EXPECT_EQ(d.board().WireTable[2].end[0], FirstTerminal(1));
    EXPECT_EQ(d.board().WireTable[2].end[1], SecondTerminal(3));

    // An 8-pixel slip is a finger's tap (the switch closes and stays put), the mouse's drag.
    const int s = d.Place(Kind::Swit, 200, 380);
    const QPoint middle(245, 425);
    finger.Drag(middle, middle + QPoint(8, 0));
    EXPECT_EQ(d.board().ValueOf(El(d, Kind::Swit, s).Tag), 0);
    EXPECT_EQ(El(d, Kind::Swit, s).Left, 200);
    d.Drag(middle, middle + QPoint(8, 0));
    EXPECT_EQ(El(d, Kind::Swit, s).Left, 208);
    EXPECT_EQ(d.window().Edit().PointerReach().snap, kSnapReach) << "idle, the mouse's";
}

TEST(Touch, ASecondFingerCallsTheGestureOffAsEscapeDoes) {
    WindowDriver d(true);
    Fingers finger(d);
    const int s = d.Place(Kind::Swit, 200, 150);
    auto offAfter = [&](QPoint from, QPoint to) {
        finger.Down(from);
        finger.Move(to);
        finger.SecondFinger(to);
        EXPECT_EQ(d.board().MouseMode, kMouseIdle);
    };
    offAfter(QPoint(245, 195), QPoint(300, 300));  // a placed part goes back where it was
    EXPECT_EQ(El(d, Kind::Swit, s).Left, 200);
    EXPECT_EQ(El(d, Kind::Swit, s).Top, 150);
    offAfter(d.SlotCentre(2), QPoint(300, 200));  // new parts go back to the strip, the bar
    offAfter(BarButton(d, Kind::Fuse), QPoint(300, 200));
    EXPECT_EQ(d.board().LastValue(), 1);
    d.window().LinePic_Click();
    offAfter(QPoint(50, 300), QPoint(150, 350));  // no wire
    EXPECT_EQ(d.board().LastWire(), 0);
    d.window().PencilPic_Click();
    offAfter(QPoint(50, 300), QPoint(150, 350));  // no stroke
    EXPECT_TRUE(d.window().Glasso1().Strokes().empty());
    finger.Drag(QPoint(50, 300), QPoint(150, 350));  // and the next touch is a gesture again
    EXPECT_EQ(d.window().Glasso1().Strokes().size(), 1U);
}

// Two fingers pinch the board's zoom about the point between them, and do nothing else.
TEST(Touch, TwoFingersPinchTheZoomAboutThePointBetweenThem) {
    WindowDriver d(true);
    Fingers fingers(d);
    const int s = d.Place(Kind::Swit, 200, 150);
    fingers.Pinch(QPoint(230, 190), QPoint(270, 190), QPoint(210, 190), QPoint(290, 190));
    Circuit& w = d.window();
    EXPECT_EQ(w.Zoom(), 2.0);
    EXPECT_NEAR(w.View().ToBoard(QPointF(250, 190)).x(), 250, 0.5);
    EXPECT_NEAR(w.View().ToBoard(QPointF(250, 190)).y(), 190, 0.5);
    EXPECT_EQ(El(d, Kind::Swit, s).Left, 200);
    EXPECT_TRUE(w.Glasso1().Strokes().empty());
    // Near actual size the fingers hold it there.
    fingers.Pinch(QPoint(200, 190), QPoint(300, 190), QPoint(224, 190), QPoint(276, 190));
    EXPECT_EQ(w.Zoom(), 1.0);
}

TEST(Touch, TheEraserAndThePensEraserEndRubOutNotes) {
    WindowDriver d;
    Circuit& w = d.window();
    d.Drag(QPoint(50, 100), QPoint(250, 100));
    d.Drag(QPoint(50, 200), QPoint(250, 200));
    d.Key(Qt::Key_E);  // a left drag rubs out, the pencil's button still lit
    d.Drag(QPoint(150, 80), QPoint(150, 120));
    EXPECT_EQ(w.Glasso1().Strokes().size(), 1U);
    d.Key(Qt::Key_P);
    EXPECT_FALSE(w.Erasing());
#if QT_CONFIG(tabletevent)
    // A pen writes with its tip and rubs out with its other end, whatever the tool.
    auto stroke = [&](QPointingDevice::PointerType end, QPoint from, QPoint to) {
        const QPointingDevice pen(QStringLiteral("pen"), 90 + static_cast<int>(end),
                                  QInputDevice::DeviceType::Stylus, end,
                                  QInputDevice::Capability::Position, 1, 2);
        auto send = [&](QEvent::Type type, QPoint p, Qt::MouseButton button) {
            const Qt::MouseButtons held =
                type == QEvent::TabletRelease ? Qt::NoButton : Qt::LeftButton;
            QTabletEvent e(type, &pen, p, w.mapToGlobal(p), 0.5, 0, 0, 0, 0, 0, Qt::NoModifier,
                           button, held);
            QApplication::sendEvent(w.windowHandle(), &e);
            EXPECT_TRUE(e.isAccepted()) << "else Qt makes mouse events of it as well";
        };
        send(QEvent::TabletPress, from, Qt::LeftButton);
        send(QEvent::TabletMove, (from + to) / 2, Qt::NoButton);
        send(QEvent::TabletRelease, to, Qt::LeftButton);
    };
    stroke(QPointingDevice::PointerType::Pen, QPoint(50, 300), QPoint(250, 300));
    ASSERT_EQ(w.Glasso1().Strokes().size(), 2U);
    w.LinePic_Click();  // the eraser end rubs out with any tool, and draws no wire
    stroke(QPointingDevice::PointerType::Eraser, QPoint(150, 280), QPoint(150, 320));
    EXPECT_EQ(w.Glasso1().Strokes().size(), 1U);
    EXPECT_EQ(d.board().LastWire(), 0);
    d.Drag(QPoint(50, 400), QPoint(150, 400));  // and the mouse's next drag is the line tool's
    EXPECT_EQ(d.board().LastWire(), 1);
#endif
}

}  // namespace
}  // namespace cw::test
