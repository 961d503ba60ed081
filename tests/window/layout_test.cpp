// Start-up, the layout after resizes, tool selection and the palette row, on the real window.
#include <gtest/gtest.h>

#include <QTest>
#include <algorithm>

#include "model/part_kinds.h"
#include "support/window_driver.h"

namespace cw::test {
namespace {

QRect Geometry(const QWidget& w) {
    return w.geometry();
}

TEST(StartUp, TablesPaletteCopiesAndPencil) {
    WindowDriver d;
    Circuit& w = d.window();
    const Board& b = d.board();
    EXPECT_EQ(w.windowTitle(), "Circuit Workbench");
    EXPECT_EQ(w.width(), 582);
    EXPECT_EQ(w.height(), 550);
    EXPECT_EQ(b.ValueTable, std::vector<int16_t>{0});
    EXPECT_EQ(b.LastJunction(), 0);
    EXPECT_EQ(b.LastWire(), 0);
    EXPECT_EQ(b.MouseMode, 0);
    EXPECT_EQ(b.ToolMode, 0);
    for (Kind kind : kKinds) {
        ASSERT_EQ(b.UBound(kind), 1);
        EXPECT_FALSE(b.Array(kind)[0].Visible);
        // The strip shows its copies; the bar of extra parts offers the others.
        EXPECT_EQ(b.Array(kind)[1].Visible, OnStrip(kind));
        EXPECT_EQ(b.Array(kind)[1].Tag, 0);
        ASSERT_NE(w.Element(kind, 1), nullptr);
        EXPECT_EQ(w.Element(kind, 1)->isVisible(), OnStrip(kind));
    }
    EXPECT_TRUE(w.Glasso1().PenMode());
}

TEST(Layout, DesignSize) {
    WindowDriver d;
    Circuit& w = d.window();
    ASSERT_EQ(w.Edit().MenuScaleHeight(), 41);
    EXPECT_EQ(Geometry(w.MainPicture()), QRect(0, 0, 582, 509));
    EXPECT_EQ(Geometry(w.Glasso1()), QRect(2, 2, 578, 505));
    EXPECT_EQ(Geometry(w.MenuPic()), QRect(0, 509, 582, 41));
    const QWidget* row[7] = {w.Element(Kind::Cell, 1),  w.Element(Kind::Swit, 1),
                             w.Element(Kind::Resi, 1),  w.Element(Kind::Light, 1),
                             &w.ToolButton(kToolLine),  &w.ToolButton(kToolPencil),
                             &w.ToolButton(kToolDelete)};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(Geometry(*row[i]), QRect(41 * i, 511, 39, 39)) << i;
    const ComponentElement& cell = d.board().Array(Kind::Cell)[1];
    EXPECT_EQ(cell.Left, 0);
    EXPECT_EQ(cell.Top, 511);
    EXPECT_EQ(cell.Width, 39);
    // The overlay lies over every control on the board (the focus marker may lie above it).
    const QObjectList& kids = w.children();
    const auto top = std::find_if(kids.rbegin(), kids.rend(), [](QObject* o) {
        return qobject_cast<PictureControl*>(o) || qobject_cast<FreehandOverlay*>(o);
    });
    EXPECT_EQ(*top, &w.Glasso1());
}

TEST(Layout, PressesSlideTheRowAlongTheStrip) {
    WindowDriver d;
    Circuit& w = d.window();
    w.MenuPic().resize(w.MenuPic().width(), 40);  // the examples' strip of 40
    w.resize(600, 550);
    ASSERT_EQ(w.Edit().MenuScaleHeight(), 40);
    auto cellLeft = [&] { return d.board().Array(Kind::Cell)[1].Left; };
    w.MenuPic_MouseDown(1, 0, 300, 0);
    EXPECT_EQ(cellLeft(), 160);
    EXPECT_EQ(w.ToolButton(kToolDelete).x(), 400);
    EXPECT_EQ(w.ToolButton(kToolDelete).width(), 38);
    w.MenuPic_MouseDown(2, 1, 10, 7);
    EXPECT_EQ(cellLeft(), 0);
    w.MenuPic_MouseDown(1, 0, 590, 0);
    EXPECT_EQ(cellLeft(), 320);

    w.resize(250, 550);
    w.MenuPic_MouseDown(1, 0, 200, 0);
    EXPECT_EQ(cellLeft(), 0);

    w.MenuPic().resize(w.MenuPic().width(), 41);
    w.resize(600, 550);
    w.MenuPic_MouseDown(1, 0, 100, 0);
    EXPECT_EQ(cellLeft(), 0);
    w.MenuPic_MouseDown(1, 0, 300, 0);
    EXPECT_EQ(cellLeft(), 156);
}

TEST(Layout, ResizeResetsTheRowAndClampsSizes) {
    WindowDriver d;
    Circuit& w = d.window();
    d.Click({400, 530});  // a real press on the strip slides the row
    EXPECT_GT(d.board().Array(Kind::Cell)[1].Left, 0);
    w.resize(700, 600);
    EXPECT_EQ(d.board().Array(Kind::Cell)[1].Left, 0);
    EXPECT_EQ(Geometry(w.MainPicture()), QRect(0, 0, 700, 559));
    EXPECT_EQ(Geometry(w.Glasso1()), QRect(2, 2, 696, 555));
    EXPECT_EQ(w.MenuPic().y(), 559);
    EXPECT_EQ(d.board().Array(Kind::Light)[1].Top, 561);

    w.resize(300, 30);  // shorter than the strip
    EXPECT_EQ(w.MainPicture().height(), 0);
    EXPECT_EQ(w.Glasso1().height(), 0);
    EXPECT_EQ(w.MenuPic().y(), -11);
}

TEST(ToolSelection, ExactlyOneHighlightAndThePenMode) {
    WindowDriver d;
    Circuit& w = d.window();
    struct Case {
        void (Circuit::*click)();
        int16_t mode;
        PictureControl* lit;
        bool pen;
    };
    const Case cases[] = {{&Circuit::LinePic_Click, 1, &w.ToolButton(kToolLine), false},
                          {&Circuit::DelPic_Click, 2, &w.ToolButton(kToolDelete), false},
                          {&Circuit::DelPic_Click, 2, &w.ToolButton(kToolDelete), false},
                          {&Circuit::PencilPic_Click, 0, &w.ToolButton(kToolPencil), true}};
    for (const Case& c : cases) {
        d.board().MouseMode = 1;  // a gesture in progress is left alone
        (w.*c.click)();
        EXPECT_EQ(d.board().ToolMode, c.mode);
        EXPECT_EQ(d.board().MouseMode, 1);
        EXPECT_EQ(w.Glasso1().PenMode(), c.pen);
        for (PictureControl* b :
             {&w.ToolButton(kToolLine), &w.ToolButton(kToolPencil), &w.ToolButton(kToolDelete)}) {
            const Rgb expected = b == c.lit ? kToolHighlight : kWindowBackground;
            EXPECT_EQ(b->BackColor().g, expected.g);
            EXPECT_EQ(b->BackColor().r, expected.r);
        }
        d.board().MouseMode = 0;
    }
}

TEST(WindowPixels, ColoursAfterStartUpAndAClickOnTheLineButton) {
    WindowDriver d;
    Circuit& w = d.window();
    EXPECT_EQ(d.PixelAt({300, 300}), qRgb(0, 128, 0));
    EXPECT_EQ(d.PixelAt({500, 530}), qRgb(255, 255, 128));
    const QPoint pencil = w.ToolButton(kToolPencil).geometry().topLeft() + QPoint(4, 4);
    const QPoint line = w.ToolButton(kToolLine).geometry().topLeft() + QPoint(4, 4);
    EXPECT_EQ(d.PixelAt(pencil), qRgb(128, 255, 128));
    EXPECT_EQ(d.PixelAt(line), qRgb(0, 128, 0));
    d.Click(w.ToolButton(kToolLine).geometry().center());
    EXPECT_EQ(d.board().ToolMode, 1);
    EXPECT_EQ(d.PixelAt(line), qRgb(128, 255, 128));
    EXPECT_EQ(d.PixelAt(pencil), qRgb(0, 128, 0));
}

TEST(WindowPixels, PencilDragDrawsOnTheOverlayOnly) {
    WindowDriver d;
    const Board before = d.board();
    d.Drag({100, 200}, {300, 200});
    EXPECT_EQ(d.window().Glasso1().Strokes().size(), 1u);
    const QRgb p = d.PixelAt({200, 200});
    EXPECT_LT(qGray(p), 64) << std::hex << p;
    EXPECT_EQ(d.board().ValueTable, before.ValueTable);
    EXPECT_EQ(d.board().LastWire(), 0);
    EXPECT_EQ(d.board().LastJunction(), 0);
    EXPECT_EQ(d.board().MouseMode, 0);
    // A right drag across the stroke erases it and the board shows again.
    d.Drag({200, 150}, {200, 250}, Qt::RightButton);
    EXPECT_TRUE(d.window().Glasso1().Strokes().empty());
    EXPECT_EQ(d.PixelAt({200, 200}), qRgb(0, 128, 0));
}

}  // namespace
}  // namespace cw::test
