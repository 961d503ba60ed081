// The painters on the real image surface: the colours a learner sees at chosen points.
#include <gtest/gtest.h>

#include <QImage>

#include "render/board_painter.h"
#include "render/symbol_painters.h"
#include "support/board_builder.h"
#include "toolkit/image_surface.h"

namespace cw::test {
namespace {

const QRgb kBackground = qRgb(0, 128, 0);

QImage Canvas(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(kBackground);
    return image;
}

TEST(PainterPixels, BulbGlassAlongTheBrightnessCurve) {
    const std::vector<std::pair<int, QRgb>> cases = {
        {0, qRgb(128, 128, 128)},  {1, qRgb(134, 134, 128)},  {10, qRgb(191, 191, 128)},
        {19, qRgb(248, 248, 128)}, {20, qRgb(255, 255, 128)}, {21, qRgb(255, 255, 122)},
        {30, qRgb(255, 255, 64)},  {40, qRgb(255, 255, 0)},   {32767, qRgb(255, 255, 0)},
    };
    for (const auto& [v, expected] : cases) {
        Board b = EmptyBoard();
        const int k = AddPart(b, Kind::Light, 0, 0, v);
        QImage image = Canvas(90, 90);
        ImageSurface s(&image);
        Light_Paint(s, b, k);
        EXPECT_EQ(image.pixel(15, 25), expected) << "v = " << v;
        EXPECT_EQ(image.pixel(75, 25), expected) << "v = " << v;
    }
}

TEST(PainterPixels, ResistorBandsShowTheValue) {
    const QRgb gold = qRgb(255, 218, 70), black = qRgb(0, 0, 0), green = qRgb(0, 255, 0),
               brown = qRgb(128, 0, 0), red = qRgb(255, 0, 0);
    const std::vector<std::pair<int, std::array<QRgb, 4>>> cases = {
        {5, {gold, black, green, black}},
        {10, {gold, black, black, brown}},
        {20, {gold, black, black, red}},
    };
    for (const auto& [value, bands] : cases) {
        Board b = EmptyBoard();
        const int k = AddPart(b, Kind::Resi, 0, 0, value);
        QImage image = Canvas(90, 90);
        ImageSurface s(&image);
        Resi_Paint(s, b, k);
        const int xs[4] = {73, 68, 63, 58};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(image.pixel(xs[i], 45), bands[i]) << "value " << value << " band " << i;
        }
        EXPECT_EQ(image.pixel(40, 42), qRgb(255, 255, 128)) << "the pale body";
    }
}

TEST(PainterPixels, WireDotsBlackOnTerminalsWhiteOnLoneJunctions) {
    Board b = EmptyBoard();
    const int k = AddPart(b, Kind::Cell, 100, 100);
    const int16_t lone = AddJunctionRow(b, 300, 300);
    const int16_t shared = AddJunctionRow(b, 300, 50);
    AddWireRow(b, T1(k), lone);
    AddWireRow(b, T2(k), shared);
    AddWireRow(b, shared, lone);
    QImage image = Canvas(582, 509);
    ImageSurface s(&image);
    MainPicture_Paint(s, b, nullptr);
    EXPECT_EQ(image.pixel(100, 145), qRgb(0, 0, 0));    // terminal
    EXPECT_EQ(image.pixel(300, 50), qRgb(0, 0, 0));     // junction two ends share
    EXPECT_EQ(image.pixel(300, 300), qRgb(0, 0, 0));    // shared by wires 1 and 3
    EXPECT_EQ(image.pixel(200, 222), qRgb(0, 0, 255));  // along wire 1

    Board one = EmptyBoard();
    const int c = AddPart(one, Kind::Cell, 100, 100);
    AddWireRow(one, T1(c), AddJunctionRow(one, 300, 300));
    QImage single = Canvas(582, 509);
    ImageSurface t(&single);
    MainPicture_Paint(t, one, nullptr);
    EXPECT_EQ(single.pixel(300, 300), qRgb(255, 255, 255));  // junction only one end touches
}

TEST(PainterPixels, RepaintAfterXorStrokesDrawsPlainBlueWires) {
    Board b = EmptyBoard();
    AddWireRow(b, AddJunctionRow(b, 50, 100), AddJunctionRow(b, 250, 100));
    QImage image = Canvas(300, 200);
    ImageSurface s(&image);
    s.SetDrawWidth(3);
    s.SetForeColor({0, 255, 255});
    s.SetDrawMode(kDrawModeXor);  // the rubber band leaves the board in XOR mode
    s.Line(150, 20, 150, 180);
    image.fill(kBackground);
    MainPicture_Paint(s, b, nullptr);
    EXPECT_EQ(image.pixel(150, 100), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(100, 100), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(150, 50), kBackground);
}

TEST(PainterPixels, SwitchLeverFollowsTheState) {
    Board b = EmptyBoard();
    const int k = AddPart(b, Kind::Swit, 0, 0, 0);
    QImage closed = Canvas(90, 90);
    ImageSurface c(&closed);
    Swit_Paint(c, b, k);
    EXPECT_EQ(closed.pixel(44, 45), qRgb(0, 0, 0));  // the lever across the contacts
    b.ValueTable[k] = 1;
    QImage open = Canvas(90, 90);
    ImageSurface o(&open);
    Swit_Paint(o, b, k);
    EXPECT_EQ(open.pixel(44, 45), qRgb(128, 128, 128));  // gap: the switch body shows
    EXPECT_EQ(open.pixel(39, 33), qRgb(0, 0, 0));        // the raised lever
}

}  // namespace
}  // namespace cw::test
