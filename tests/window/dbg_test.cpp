#include <gtest/gtest.h>
#include "app/circuit_window.h"
#include "support/window_driver.h"
namespace cw::test {
TEST(Dbg, Shots) {
    WindowDriver d;
    d.Place(Kind::Cell, 100, 100);
    d.Place(Kind::Light, 300, 100);
    d.window().LinePic_Click();
    d.Drag({297, 174}, {97, 145});
    d.Drag({393, 174}, {193, 145});
    d.window().PencilPic_Click();
    d.Drag({100, 300}, {300, 320});
    d.window().ShowCurrent(true);
    for (double z : {1.0, 1.5, 2.0, 0.5}) {
        d.window().SetZoom(z, QPoint(0, 0));
        d.window().grab().save(QString("/tmp/z%1.png").arg(z));
    }
    d.window().ZoomToFit();
    fprintf(stderr, "fit %f scroll %d %d\n", d.window().Zoom(), d.window().View().scroll.x(), d.window().View().scroll.y());
    d.window().grab().save("/tmp/fit.png");
}
}
