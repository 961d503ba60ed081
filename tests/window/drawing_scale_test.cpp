// One pixel convention at every device pixel ratio: widths, dots, box edges, the glass outline
// and XOR strokes measured on the real image surface at ratios 1, 1.5 and 2.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <cmath>
#include <random>

#include "render/board_painter.h"
#include "render/symbol_painters.h"
#include "support/board_builder.h"
#include "toolkit/image_surface.h"

namespace cw::test {
namespace {

const QRgb kBackground = qRgb(0, 128, 0);
const QRgb kBlack = qRgb(0, 0, 0);

struct AtRatio : ::testing::TestWithParam<double> {
    double dpr() const { return GetParam(); }
    // A canvas of the logical size at the ratio, and a surface on it reporting that size.
    QImage Canvas(int w, int h) const {
        QImage image(static_cast<int>(std::ceil(w * dpr())), static_cast<int>(std::ceil(h * dpr())),
                     QImage::Format_RGB32);
        image.setDevicePixelRatio(dpr());
        image.fill(kBackground);
        return image;
    }
    int Device(double logical) const { return static_cast<int>(std::floor(logical * dpr())); }
    // Pixels across a pen of logical width w: exact where w x ratio is whole.
    void ExpectAcross(int measured, double w, const char* what) const {
        EXPECT_LE(std::abs(measured - w * dpr()), 0.5) << what << " at ratio " << dpr();
    }
};

// The run of pixels of one colour through (x, y), down a column or along a row.
int RunThrough(const QImage& image, int x, int y, bool vertical) {
    const QRgb c = image.pixel(x, y);
    int n = 1;
    for (int s : {-1, 1}) {
        for (int i = 1;; ++i) {
            const int px = vertical ? x : x + s * i, py = vertical ? y + s * i : y;
            if (!image.valid(px, py) || image.pixel(px, py) != c) break;
            ++n;
        }
    }
    return n;
}

TEST_P(AtRatio, LinesWiresThreadsAndDotsAreTheirWidthAcross) {
    Board b = EmptyBoard();
    // A wire at y = 85 with a lone junction dot at its right end.
    AddWireRow(b, AddJunctionRow(b, 100, 85), AddJunctionRow(b, 300, 85));
    QImage board = Canvas(400, 200);
    ImageSurface s(&board);
    MainPicture_Paint(s, b, nullptr);
    ExpectAcross(RunThrough(board, Device(200), Device(85), true), 3, "wire");
    ExpectAcross(RunThrough(board, Device(300), Device(85), true), 9, "end dot down");
    ExpectAcross(RunThrough(board, Device(300), Device(85), false), 9, "end dot across");
    s.SetDrawWidth(2);
    s.SetForeColor({255, 0, 0});
    s.Line(20, 150.5, 380, 150.5);
    ExpectAcross(RunThrough(board, Device(200), Device(150.5), true), 2, "2-pixel line at a half");

    // The bulb's threads and filament are 2 pixels, the switch contacts 6 across.
    const int k = AddPart(b, Kind::Light);
    QImage bulb = Canvas(90, 90);
    ImageSurface l(&bulb);
    Light_Paint(l, b, k);
    ExpectAcross(RunThrough(bulb, Device(27) - 1, Device(45), false), 2, "left thread");
    ExpectAcross(RunThrough(bulb, Device(63) - 1, Device(45), false), 2, "right thread");
    for (int size : {90, 39}) {
        QImage swit = Canvas(size, size);
        ImageSurface w(&swit);
        Swit_Paint(w, b, 0);
        const double p = std::nearbyint(size / 3.0);
        ExpectAcross(RunThrough(swit, Device(p - 3), Device(size / 2.0), true), 6, "contact");
    }
}

TEST_P(AtRatio, BoxEdgesAreEvenAndThePlateReachesItsEdges) {
    Board b = EmptyBoard();
    const int k = AddPart(b, Kind::Light);
    QImage bulb = Canvas(90, 90);
    ImageSurface l(&bulb);
    Light_Paint(l, b, k);
    // The base box runs from x = 27 to 63 and y = 63 to 88.
    const int row = Device(84);
    EXPECT_EQ(RunThrough(bulb, Device(27), row, false), RunThrough(bulb, Device(63), row, false));
    EXPECT_EQ(RunThrough(bulb, Device(45), Device(63), true),
              RunThrough(bulb, Device(45), Device(88), true));

    QImage swit = Canvas(90, 90);
    ImageSurface w(&swit);
    Swit_Paint(w, b, 0);
    EXPECT_EQ(swit.pixel(swit.width() - 1, Device(20)), kBlack) << "no sliver at the right";
    EXPECT_EQ(swit.pixel(Device(20), swit.height() - 1), kBlack) << "no sliver at the bottom";
}

TEST_P(AtRatio, ThePaletteBulbShowsItsBaseAndTheGlassHasNoHoles) {
    Board b = EmptyBoard();
    const int k = AddPart(b, Kind::Light, 0, 0, 13);
    const QRgb glass = qRgb(210, 210, 128);
    for (int size : {90, 39}) {
        QImage bulb = Canvas(size, size);
        ImageSurface l(&bulb);
        Light_Paint(l, b, k);
        for (int y = 0; y < bulb.height(); ++y) {
            for (int x = 0; x < bulb.width(); ++x) {
                if (bulb.pixel(x, y) != glass) continue;
                for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                    ASSERT_FALSE(bulb.valid(x + dx, y + dy) &&
                                 bulb.pixel(x + dx, y + dy) == kBackground)
                        << "glass meets the background at " << x << "," << y << " size " << size;
                }
            }
        }
        if (size == 39) {
            int peach = 0;
            for (int y = Device(27); y < bulb.height(); ++y) {
                peach += bulb.pixel(Device(19.5), y) == qRgb(255, 223, 192);
            }
            EXPECT_GE(peach, 1) << "the base's peach shows between its threads";
        }
    }
}

TEST_P(AtRatio, TheResistorBodyIsEvenTopAndBottom) {
    Board b = EmptyBoard();
    const int k = AddPart(b, Kind::Resi);
    for (int size : {90, 39}) {
        QImage resi = Canvas(size, size);
        ImageSurface r(&resi);
        Resi_Paint(r, b, k);
        // Rows of the body mirrored about its middle start at the same column.
        int top = -1, bottom = -1;
        const int x = Device(size / 2.0);
        for (int y = 0; y < resi.height(); ++y) {
            if (resi.pixel(x, y) != kBlack) continue;
            if (top < 0) top = y;
            bottom = y;
        }
        auto firstBlack = [&](int y) {
            for (int i = 0; i < resi.width(); ++i) {
                if (resi.pixel(i, y) == kBlack) return i;
            }
            return -1;
        };
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(firstBlack(top + i), firstBlack(bottom - i)) << "size " << size;
        }
    }
}

TEST_P(AtRatio, XorShapesDrawnTwiceRestoreTheBoard) {
    Board b = EmptyBoard();
    for (int i = 0; i < 6; ++i) AddWireRow(b, AddJunctionRow(b, 30 + 40 * i, 40), -1);
    QImage board = Canvas(300, 300);
    ImageSurface s(&board);
    MainPicture_Paint(s, b, nullptr);
    const QImage before = board.copy();
    std::mt19937 rng(3);
    std::uniform_real_distribution<double> at(0, 300);
    std::vector<std::array<double, 5>> strokes;
    for (int i = 0; i < 200; ++i) {
        strokes.push_back({at(rng), at(rng), at(rng), at(rng), 1.0 + rng() % 6});
    }
    s.SetDrawMode(kDrawModeXor);
    s.SetForeColor({0, 255, 255});
    for (int pass = 0; pass < 2; ++pass) {
        for (const auto& [x1, y1, x2, y2, w] : strokes) {
            s.SetDrawWidth(static_cast<int>(w));
            s.Line(std::round(x1 * 2) / 2, std::round(y1 * 2) / 2, x2, y2);
            s.PSet(x1, y2);
            s.RoundRect(static_cast<int>(x1), static_cast<int>(y1), static_cast<int>(x1) + 20,
                        static_cast<int>(y1) + 10, 5, 5);
        }
        if (pass == 0) {
            EXPECT_NE(board, before);
        }
    }
    EXPECT_EQ(board, before);
}

TEST_P(AtRatio, AClipOfManyRectanglesDrawsThereWhatTheWholeDrawsAndNothingElse) {
    // Long diagonal and level wires with their dots, and texts, drawn whole; then over a
    // scribbled board, again inside a staircase of boxes and a far box.
    Board b = EmptyBoard();
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> at(0, 400);
    for (int i = 0; i < 60; ++i)
        AddWireRow(b, AddJunctionRow(b, at(rng), at(rng)), AddJunctionRow(b, at(rng), at(rng)));
    auto paint = [&](ImageSurface& s) {
        MainPicture_Paint(s, b, nullptr);
        s.SetForeColor({200, 0, 0});
        s.Text(17, 151, 12, "Bulb 3");
    };
    QImage whole = Canvas(400, 400);
    ImageSurface w(&whole);
    paint(w);

    QRegion logical(QRect(300, 20, 50, 30));
    for (int i = 0; i < 12; ++i) logical += QRect(10 + 29 * i, 10 + 31 * i, 45, 41);
    QImage part = Canvas(400, 400);
    part.fill(qRgb(1, 2, 3));
    ImageSurface s(&part);
    const QRegion device = s.DeviceRegion(logical);
    ASSERT_GT(device.rectCount(), 1);
    {
        // The area repainted starts as bare board; what lay elsewhere stays.
        QPainter p(&part);
        p.setWorldTransform(QTransform::fromScale(1 / dpr(), 1 / dpr()));
        for (const QRect& r : device) p.fillRect(r, QColor(kBackground));
    }
    s.BeginBatch(&device);
    paint(s);
    s.EndBatch();
    for (int y = 0; y < part.height(); ++y) {
        for (int x = 0; x < part.width(); ++x) {
            const QRgb want = device.contains(QPoint(x, y)) ? whole.pixel(x, y) : qRgb(1, 2, 3);
            ASSERT_EQ(part.pixel(x, y), want) << x << "," << y << " at ratio " << dpr();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Ratios, AtRatio, ::testing::Values(1.0, 1.5, 2.0));

}  // namespace
}  // namespace cw::test
