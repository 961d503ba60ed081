// The whole editing cycle through real mouse events: parts dragged out of the palette, wires
// drawn with the line tool, the bulb lit by the solver and painted with its glass colour.
#include <gtest/gtest.h>

#include "support/window_driver.h"

namespace cw::test {
namespace {

// A cell at (100, 100) and a bulb at (300, 100), both 90 x 90: the cell's terminals are at
// (100, 145) and (190, 145), the bulb's at (300, 174) and (390, 174).
struct CellAndBulb : ::testing::Test {
    WindowDriver d;
    int cell = 0, bulb = 0;
    void SetUp() override {
        cell = d.Place(Kind::Cell, 100, 100);
        bulb = d.Place(Kind::Light, 300, 100);
        d.window().LinePic_Click();
    }
    int16_t BulbValue() { return d.board().ValueOf(d.board().Array(Kind::Light)[bulb].Tag); }
    QRgb Glass() { return d.PixelAt({315, 125}); }
};

TEST_F(CellAndBulb, PlacedWhereDropped) {
    const ComponentElement& c = d.board().Array(Kind::Cell)[cell];
    EXPECT_EQ(c.Left, 100);
    EXPECT_EQ(c.Top, 100);
    EXPECT_EQ(c.Width, 90);
    EXPECT_EQ(c.Tag, 1);
    EXPECT_EQ(d.board().Array(Kind::Light)[bulb].Tag, 2);
    EXPECT_EQ(d.board().LastValue(), 2);
}

TEST_F(CellAndBulb, StraightWiringLightsTheBulbAtThirteen) {
    EXPECT_EQ(Glass(), qRgb(128, 128, 128));
    d.Drag({297, 174}, {97, 145});
    d.Drag({393, 174}, {193, 145});
    ASSERT_EQ(d.board().LastWire(), 2);
    EXPECT_EQ(d.board().WireTable[1].end[0], FirstTerminal(2));
    EXPECT_EQ(d.board().WireTable[1].end[1], FirstTerminal(1));
    EXPECT_EQ(BulbValue(), 13);
    EXPECT_EQ(Glass(), qRgb(210, 210, 128));
}

TEST_F(CellAndBulb, CrossedWiringReadsFourteen) {
    d.Drag({297, 174}, {193, 145});
    d.Drag({393, 174}, {97, 145});
    EXPECT_EQ(BulbValue(), 14);
}

}  // namespace
}  // namespace cw::test
