// The board zoomed: drawn as at a higher pixel ratio, its gestures in board units, the strip at
// its own size; the zoom's keys, wheel and stops, the scroll bars, Fit, and exports at actual
// size.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QNativeGestureEvent>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include "app/circuit_window.h"
#include "app/commands.h"
#include "geometry/terminal_position.h"
#include "support/window_driver.h"

namespace cw::test {
namespace {

// One board for both sides of the pixel comparison: parts on even board points (whole pixels at
// 150 % too), wires between their terminals, a note.
void BuildBoard(WindowDriver& d) {
    d.Place(Kind::Cell, 40, 60);
    d.Place(Kind::Light, 200, 40);
    d.Place(Kind::Resi, 120, 180);
    d.window().LinePic_Click();
    auto wire = [&d](int from, int to) {
        const Point16 a = TerminalPosition(d.board(), from), b = TerminalPosition(d.board(), to);
        d.Drag(d.OnWindow(QPointF(a.x, a.y)), d.OnWindow(QPointF(b.x, b.y)));
    };
    wire(SecondTerminal(1), FirstTerminal(2));
    wire(SecondTerminal(2), SecondTerminal(3));
    wire(FirstTerminal(3), FirstTerminal(1));
    d.window().PencilPic_Click();
    d.Drag(d.OnWindow(QPointF(20, 250)), d.OnWindow(QPointF(180, 262)));
}

QImage Board(WindowDriver& d, QRect area) {
    return d.window().grab(area).toImage().convertToFormat(QImage::Format_RGB32);
}

// The reference for the comparison below, drawn at actual size by a second run of these tests
// at a screen ratio (QT_SCALE_FACTOR): skipped unless that comparison asks for it.
TEST(ZoomReference, TheBoardAtTheScreensRatio) {
    const QString out = qEnvironmentVariable("CW_ZOOM_REFERENCE");
    if (out.isEmpty()) GTEST_SKIP() << "drawn when the zoom's comparison asks";
    WindowDriver d;
    BuildBoard(d);
    ASSERT_TRUE(Board(d, d.window().BoardViewport()).save(out));
}

struct ZoomAtRatio : ::testing::TestWithParam<double> {};

TEST_P(ZoomAtRatio, TheBoardIsDrawnAsAtThatPixelRatio) {
    const double ratio = GetParam();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("reference.png"));
    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(ratio));
    env.insert(QStringLiteral("CW_ZOOM_REFERENCE"), file);
    run.setProcessEnvironment(env);
    run.start(QCoreApplication::applicationFilePath(),
              {QStringLiteral("--gtest_filter=ZoomReference.*")});
    ASSERT_TRUE(run.waitForFinished(120000));
    ASSERT_EQ(run.exitCode(), 0) << run.readAllStandardOutput().toStdString();
    const QImage reference = QImage(file).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(reference.isNull());

    WindowDriver d;
    BuildBoard(d);
    d.window().SetZoom(ratio, QPoint(0, 0));
    const QImage zoomed = Board(d, d.window().BoardViewport());
    ASSERT_LE(zoomed.width(), reference.width());
    ASSERT_LE(zoomed.height(), reference.height());
    int differ = 0;
    for (int y = 0; y < zoomed.height(); ++y) {
        for (int x = 0; x < zoomed.width(); ++x)
            differ += zoomed.pixel(x, y) != reference.pixel(x, y);
    }
    EXPECT_EQ(differ, 0) << "pixels that differ at " << ratio;
}

INSTANTIATE_TEST_SUITE_P(Zoom, ZoomAtRatio, ::testing::Values(1.5, 2.0));

// The same gestures at actual size and at 200 %, each at the window's points that show the same
// board points, make the same board: a wire's end 5 board units off a terminal snaps to it at
// both (10 pixels at 200 %), and a note lands where it was written.
TEST(Zoom, GesturesLandOnTheSameBoardPointsAtEveryZoom) {
    auto build = [](double zoom) {
        WindowDriver d;
        d.window().SetZoom(zoom, QPoint(0, 0));
        d.Place(Kind::Cell, 10, 120);
        d.Place(Kind::Light, 150, 110);
        d.window().LinePic_Click();
        const Point16 a = TerminalPosition(d.board(), SecondTerminal(1));
        const Point16 b = TerminalPosition(d.board(), FirstTerminal(2));
        d.Drag(d.OnWindow(QPointF(a.x + 5, a.y)), d.OnWindow(QPointF(b.x - 5, b.y)));
        d.window().PencilPic_Click();
        d.Drag(d.OnWindow(QPointF(20, 230)), d.OnWindow(QPointF(200, 240)));
        EXPECT_EQ(d.board().WireTable.size(), 2U) << "at " << zoom;
        EXPECT_EQ(d.board().WireTable.back().end[0], SecondTerminal(1)) << "at " << zoom;
        return d.window().Document();
    };
    BoardDocument actual = build(1.0), zoomed = build(2.0);
    // The note's ends (its points between are where the pointer's steps were rounded).
    ASSERT_EQ(zoomed.notes.size(), 1U);
    EXPECT_EQ(zoomed.notes[0].front(), QPointF(18, 228));  // the notes' corner is (2, 2)
    EXPECT_EQ(zoomed.notes[0].back(), actual.notes[0].back());
    actual.notes.clear();
    zoomed.notes.clear();
    EXPECT_TRUE(actual.SameContent(zoomed));
}

TEST(Zoom, KeysAndTheWheelStepThroughTheStopsAboutAPointWhileTheStripKeepsItsSize) {
    WindowDriver d(true);
    Circuit& w = d.window();
    const QRect strip = w.MenuPic().geometry(), line = w.ToolButton(kToolLine).geometry();
    const QSize copy = w.Element(Kind::Cell, d.board().UBound(Kind::Cell))->size();
    const QRect board = w.BoardViewport();

    d.Key(Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(w.Zoom(), 1.25);
    d.Key(Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(w.Zoom(), 1.0);
    for (int i = 0; i < 4; ++i) d.Key(Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(w.Zoom(), 0.5);
    EXPECT_FALSE(w.Commands().ZoomOut()->isEnabled());
    EXPECT_EQ(w.BoardViewport(), board);  // smaller than the window: no scroll bars
    d.Key(Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(w.Zoom(), 1.0);

    // Ctrl and the wheel zoom about the pointer: the board point under it stays under it.
    const QPoint at(200, 150);
    for (int notch = 0; notch < 9; ++notch) d.Wheel(at, 15, Qt::ControlModifier);
    EXPECT_EQ(w.Zoom(), 3.0);
    EXPECT_FALSE(w.Commands().ZoomIn()->isEnabled());
    EXPECT_NEAR(w.View().ToBoard(at).x(), 200, 0.5);
    EXPECT_NEAR(w.View().ToBoard(at).y(), 150, 0.5);
    // Larger than the window, the board scrolls; the wheel alone scrolls it.
    EXPECT_LT(w.BoardViewport().width(), board.width());
    EXPECT_LT(w.BoardViewport().height(), board.height());
    const int top = w.View().scroll.y();
    d.Wheel(at, 15);
    EXPECT_LT(w.View().scroll.y(), top);
    // A touchpad's pinch, as the desktop reports it: half as large again.
    QNativeGestureEvent pinch(Qt::ZoomNativeGesture, QPointingDevice::primaryPointingDevice(), 2,
                              QPointF(at), QPointF(at), QPointF(w.mapToGlobal(at)), -0.5,
                              QPointF());
    QApplication::sendEvent(&w, &pinch);
    EXPECT_EQ(w.Zoom(), 1.5);
    EXPECT_EQ(w.MenuPic().geometry(), strip);
    EXPECT_EQ(w.ToolButton(kToolLine).geometry(), line);
    EXPECT_EQ(w.Element(Kind::Cell, d.board().UBound(Kind::Cell))->size(), copy);
}

// Tab to a part the zoomed window does not show, or an arrow moving it out: the board scrolls it
// into view.
TEST(Zoom, ThePartTheKeyboardIsOnIsScrolledIntoView) {
    WindowDriver d;
    Circuit& w = d.window();
    d.Place(Kind::Cell, 450, 380);
    w.SetZoom(3.0, QPoint(0, 0));
    ASSERT_FALSE(w.BoardViewport().contains(w.Element(Kind::Cell, 1)->geometry()));
    for (int tab = 0; tab < 12 && w.focusWidget() != w.Element(Kind::Cell, 1); ++tab)
        d.Key(Qt::Key_Tab);
    ASSERT_EQ(w.focusWidget(), w.Element(Kind::Cell, 1));
    EXPECT_TRUE(w.BoardViewport().contains(w.Element(Kind::Cell, 1)->geometry()));
    for (int step = 0; step < 10; ++step) d.Key(Qt::Key_Left);
    EXPECT_TRUE(w.BoardViewport().contains(w.Element(Kind::Cell, 1)->geometry()));
    // A zoom keeps the point it was asked to keep, not the keyboard's part.
    w.SetZoom(1.0);
    for (int notch = 0; notch < 3; ++notch) d.Wheel(QPoint(100, 100), 15, Qt::ControlModifier);
    EXPECT_EQ(w.Zoom(), 2.0);
    EXPECT_EQ(w.View().ToBoard(QPointF(100, 100)), QPointF(100, 100));
}

QImage Exported(Circuit& w) {
    QImage image(w.BoardArea().size(), QImage::Format_RGB32);
    QPainter p(&image);
    w.PaintBoard(p);
    return image;
}

TEST(Zoom, FitShowsEveryPartAndExportsDrawTheBoardAtActualSize) {
    WindowDriver d;
    Circuit& w = d.window();
    d.Place(Kind::Cell, 300, 250);
    d.Place(Kind::Light, 420, 300);
    const QImage actual = Exported(w);
    w.ZoomToFit();
    EXPECT_GT(w.Zoom(), 1.5);
    for (Kind kind : {Kind::Cell, Kind::Light})
        EXPECT_TRUE(w.BoardViewport().contains(w.Element(kind, 1)->geometry()));
    EXPECT_EQ(Exported(w), actual);
    EXPECT_EQ(w.BoardImage().size(), actual.size());

    // A part put beyond the board at actual size, zoomed out, is shown by Fit zoomed out.
    w.SetZoom(0.5, QPoint(0, 0));
    d.Place(Kind::Resi, 900, 700);
    w.SetZoom(1.0);
    w.ZoomToFit();
    EXPECT_LT(w.Zoom(), 1.0);
    EXPECT_TRUE(w.BoardViewport().contains(w.Element(Kind::Resi, 1)->geometry()));
}

}  // namespace
}  // namespace cw::test
