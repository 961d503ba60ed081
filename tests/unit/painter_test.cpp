// The exact drawing operations of every symbol and icon at the worked sizes, read off a
// recording surface.
#include <gtest/gtest.h>

#include <cmath>

#include "render/board_painter.h"
#include "render/symbol_painters.h"
#include "render/tool_icons.h"
#include "support/board_builder.h"
#include "support/recording_surface.h"

namespace cw {
namespace {
using namespace cw::test;
using Op = RecordedOp::Type;

bool Near(double a, double b) {
    return std::fabs(a - b) < 0.006;
}

// Whether the surface drew this operation (lines in either direction).
bool Drew(const RecordingSurface& s, Op type, std::array<double, 4> a) {
    for (const RecordedOp& op : s.Ops()) {
        if (op.type != type) continue;
        const auto& g = op.args;
        if (Near(g[0], a[0]) && Near(g[1], a[1]) && Near(g[2], a[2]) && Near(g[3], a[3]))
            return true;
        if (type == Op::Line && Near(g[0], a[2]) && Near(g[1], a[3]) && Near(g[2], a[0]) &&
            Near(g[3], a[1])) {
            return true;
        }
    }
    return false;
}

int Count(const RecordingSurface& s, Op type) {
    int n = 0;
    for (const RecordedOp& op : s.Ops()) n += op.type == type;
    return n;
}

TEST(CellSymbol, BoardAndPaletteSizes) {
    RecordingSurface big(90, 90);
    Cell_Paint(big);
    EXPECT_TRUE(Drew(big, Op::Box, {8, 0, 88, 88}));
    EXPECT_TRUE(Drew(big, Op::Box, {0, 36, 8, 54}));
    EXPECT_TRUE(Drew(big, Op::Box, {11, 3, 85, 10}));
    EXPECT_TRUE(Drew(big, Op::Box, {11, 78, 85, 85}));
    EXPECT_TRUE(Drew(big, Op::Line, {11, 16, 86, 16}));
    EXPECT_TRUE(Drew(big, Op::Line, {11, 73, 86, 73}));

    RecordingSurface small(39, 39);
    Cell_Paint(small);
    EXPECT_TRUE(Drew(small, Op::Box, {4, 0, 37, 37}));
    EXPECT_TRUE(Drew(small, Op::Box, {0, 10.5, 4, 28.5}));
    EXPECT_TRUE(Drew(small, Op::Box, {7, 3, 34, 5}));
    EXPECT_TRUE(Drew(small, Op::Box, {7, 32, 34, 34}));
    EXPECT_TRUE(Drew(small, Op::Line, {7, 11, 35, 11}));
    EXPECT_TRUE(Drew(small, Op::Line, {7, 27, 35, 27}));
}

TEST(CellSymbol, InsetRoundsHalfToEven) {
    RecordingSurface s(45, 90);
    Cell_Paint(s);
    EXPECT_TRUE(Drew(s, Op::Box, {4, 0, 43, 88}));  // a = nearest(4.5) = 4
}

TEST(SwitchSymbol, OpenAndClosedAtBothSizes) {
    Board b = EmptyBoard();
    const int closed = AddPart(b, Kind::Swit, 0, 0, 0);
    const int open = AddPart(b, Kind::Swit, 0, 0, 1);

    RecordingSurface c90(90, 90);
    Swit_Paint(c90, b, closed);
    EXPECT_TRUE(Drew(c90, Op::Dot, {27, 45, 0, 0}) || Count(c90, Op::Dot) == 2);
    EXPECT_TRUE(Drew(c90, Op::Line, {27, 45, 61, 45}));

    RecordingSurface o90(90, 90);
    Swit_Paint(o90, b, open);
    EXPECT_TRUE(Drew(o90, Op::Line, {27, 45, 51.14, 20.86}));
    EXPECT_FALSE(Drew(o90, Op::Line, {27, 45, 61, 45}));

    RecordingSurface c39(39, 39);
    Swit_Paint(c39, b, closed);
    EXPECT_TRUE(Drew(c39, Op::Line, {10, 19.5, 27, 19.5}));

    RecordingSurface o39(39, 39);
    Swit_Paint(o39, b, open);
    EXPECT_TRUE(Drew(o39, Op::Line, {10, 19.5, 22.07, 7.43}));
}

TEST(SwitchSymbol, ContactDotsSitAtTheLeverEnds) {
    Board b = EmptyBoard();
    RecordingSurface s(90, 90);
    Swit_Paint(s, b, 0);
    std::vector<std::array<double, 2>> dots;
    for (const RecordedOp& op : s.Ops()) {
        if (op.type == Op::Dot) dots.push_back({op.args[0], op.args[1]});
    }
    ASSERT_EQ(dots.size(), 2u);
    EXPECT_EQ(dots[0], (std::array<double, 2>{27, 45}));
    EXPECT_EQ(dots[1], (std::array<double, 2>{61, 45}));
}

TEST(SwitchSymbol, UnplacedOrBadTagsDrawOpen) {
    Board b = EmptyBoard();  // ValueTable(0) is 0, yet tag 0 is not a placed switch
    for (int32_t tag : {0, -3, 5000}) {
        RecordingSurface s(90, 90);
        Swit_Paint(s, b, tag);
        EXPECT_TRUE(Drew(s, Op::Line, {27, 45, 51.14, 20.86})) << tag;
    }
}

TEST(ToolIcons, WorkedSizes) {
    RecordingSurface line(29, 27);
    LinePic_Paint(line);
    EXPECT_TRUE(Drew(line, Op::Line, {1, 20.25, 28, 6.75}));

    RecordingSurface pencil(29, 27);
    PencilPic_Paint(pencil);
    EXPECT_TRUE(Drew(pencil, Op::Line, {24, 5, 5, 22}));

    RecordingSurface cross(29, 27);
    DelPic_Paint(cross);
    EXPECT_TRUE(Drew(cross, Op::Line, {5, 5, 24, 22}));
    EXPECT_TRUE(Drew(cross, Op::Line, {24, 5, 5, 22}));

    RecordingSurface tiny(10, 10);
    PencilPic_Paint(tiny);
    EXPECT_TRUE(Drew(tiny, Op::Line, {8, 2, 2, 8}));
    for (const RecordingSurface* s : {&line, &pencil, &cross, &tiny}) {
        EXPECT_EQ(Count(*s, Op::Box), 0);
    }
}

TEST(BulbSymbol, BoardSize) {
    Board b = EmptyBoard();
    RecordingSurface s(90, 90);
    Light_Paint(s, b, 0);
    EXPECT_TRUE(Drew(s, Op::Box, {27, 63, 63, 88}));
    EXPECT_TRUE(Drew(s, Op::Line, {27, 71, 63, 71}));
    EXPECT_TRUE(Drew(s, Op::Line, {27, 80, 63, 80}));
    EXPECT_TRUE(Drew(s, Op::Ellipse, {45, 31.5, 43, 31.5}));
    EXPECT_TRUE(Drew(s, Op::Line, {63, 76.5, 90, 76.5}));
    EXPECT_TRUE(Drew(s, Op::Line, {0, 76.5, 27, 76.5}));
    const std::array<std::array<double, 2>, 7> filament = {
        {{27, 63}, {27, 31}, {36, 40}, {45, 31}, {54, 40}, {63, 31}, {63, 63}}};
    for (size_t i = 0; i + 1 < filament.size(); ++i) {
        EXPECT_TRUE(Drew(s, Op::Line,
                         {filament[i][0], filament[i][1], filament[i + 1][0], filament[i + 1][1]}))
            << "filament segment " << i;
    }
}

TEST(BulbSymbol, PaletteSize) {
    Board b = EmptyBoard();
    RecordingSurface s(39, 39);
    Light_Paint(s, b, 0);
    EXPECT_TRUE(Drew(s, Op::Box, {11.5, 27, 27.5, 37}));
    EXPECT_TRUE(Drew(s, Op::Line, {11.5, 30, 27.5, 30}));
    EXPECT_TRUE(Drew(s, Op::Line, {11.5, 34, 27.5, 34}));
    EXPECT_TRUE(Drew(s, Op::Ellipse, {19.5, 13.5, 17.5, 13.5}));
    EXPECT_TRUE(Drew(s, Op::Line, {27.5, 33, 39, 33}));
    EXPECT_TRUE(Drew(s, Op::Line, {0, 33, 11.5, 33}));
    const std::array<std::array<double, 2>, 7> filament = {
        {{11.5, 27}, {11.5, 13}, {15.5, 17}, {19.5, 13}, {23.5, 17}, {27.5, 13}, {27.5, 27}}};
    for (size_t i = 0; i + 1 < filament.size(); ++i) {
        EXPECT_TRUE(Drew(s, Op::Line,
                         {filament[i][0], filament[i][1], filament[i + 1][0], filament[i + 1][1]}))
            << "filament segment " << i;
    }
}

TEST(BulbSymbol, BaseAndFilamentStopGrowing) {
    Board b = EmptyBoard();
    RecordingSurface s(400, 400);
    Light_Paint(s, b, 0);
    EXPECT_TRUE(Drew(s, Op::Box, {150, 340, 250, 398}));  // h = 60, w = 100
}

TEST(BulbGlass, BrightnessCurve) {
    auto rgb = [](int v) {
        const Rgb c = BulbGlassColour(v);
        return std::array<int, 3>{c.r, c.g, c.b};
    };
    EXPECT_EQ(rgb(0), (std::array<int, 3>{128, 128, 128}));
    EXPECT_EQ(rgb(1), (std::array<int, 3>{134, 134, 128}));
    EXPECT_EQ(rgb(13), (std::array<int, 3>{210, 210, 128}));
    EXPECT_EQ(rgb(19), (std::array<int, 3>{248, 248, 128}));
    EXPECT_EQ(rgb(20), (std::array<int, 3>{255, 255, 128}));
    EXPECT_EQ(rgb(21), (std::array<int, 3>{255, 255, 122}));
    EXPECT_EQ(rgb(40), (std::array<int, 3>{255, 255, 0}));
    EXPECT_EQ(rgb(32767), (std::array<int, 3>{255, 255, 0}));
}

TEST(BulbGlass, PainterUsesTheBulbsOwnEntryOrZero) {
    Board b = EmptyBoard();
    const int k = AddPart(b, Kind::Light, 0, 0, 13);
    for (auto [tag, r] : std::vector<std::pair<int32_t, int>>{{k, 210}, {0, 128}, {99, 128}}) {
        RecordingSurface s(90, 90);
        Light_Paint(s, b, tag);
        bool found = false;
        for (const RecordedOp& op : s.Ops()) {
            if (op.type == Op::Ellipse) found = op.state.FillColor.r == r;
        }
        EXPECT_TRUE(found) << "tag " << tag;
    }
}

std::vector<Rgb> BandColours(const RecordingSurface& s) {
    std::vector<Rgb> out;
    for (const RecordedOp& op : s.Ops()) {
        if (op.type == Op::Line && op.state.DrawWidth == 2) out.push_back(op.state.ForeColor);
    }
    return out;
}

TEST(ResistorSymbol, BoardAndPaletteSizes) {
    Board b = EmptyBoard();
    const int k = AddPart(b, Kind::Resi, 0, 0, 10);
    RecordingSurface big(90, 90);
    Resi_Paint(big, b, k);
    EXPECT_TRUE(Drew(big, Op::Line, {0, 45, 11, 45}));
    EXPECT_TRUE(Drew(big, Op::Line, {77, 45, 88, 45}));
    ASSERT_EQ(Count(big, Op::RoundRect), 1);
    for (const RecordedOp& op : big.Ops()) {
        if (op.type != Op::RoundRect) continue;
        EXPECT_EQ(op.args, (std::array<double, 6>{11, 40, 77, 50, 5, 5}));
        EXPECT_EQ(op.state.FillStyle, kFillSolid);
        EXPECT_EQ(op.state.FillColor.b, 128);
    }
    for (double x : {73, 68, 63, 58}) EXPECT_TRUE(Drew(big, Op::Line, {x, 43, x, 47})) << x;

    RecordingSurface small(39, 39);
    Resi_Paint(small, b, k);
    EXPECT_TRUE(Drew(small, Op::Line, {0, 19.5, 4, 19.5}));
    EXPECT_TRUE(Drew(small, Op::Line, {33, 19.5, 37, 19.5}));
    for (const RecordedOp& op : small.Ops()) {
        if (op.type == Op::RoundRect) {
            EXPECT_EQ(op.args, (std::array<double, 6>{4, 14, 33, 24, 4, 5}));
        }
    }
    for (double x : {25, 21, 17, 13}) EXPECT_TRUE(Drew(small, Op::Line, {x, 17, x, 21.5})) << x;
}

TEST(ResistorSymbol, NarrowAndFlat) {
    Board b = EmptyBoard();
    RecordingSurface narrow(15, 39);
    Resi_Paint(narrow, b, 0);
    std::vector<double> xs;
    for (const RecordedOp& op : narrow.Ops()) {
        if (op.type == Op::Line && op.state.DrawWidth == 2) xs.push_back(op.args[0]);
    }
    EXPECT_EQ(xs, (std::vector<double>{10, 9, 8, 7}));  // q = m = 1

    RecordingSurface flat(90, 7);
    Resi_Paint(flat, b, 0);
    for (const RecordedOp& op : flat.Ops()) {
        if (op.type == Op::RoundRect) {
            EXPECT_EQ(op.args[5], 4);  // t = nearest(3.5) = 4
        }
    }
}

TEST(ResistorSymbol, BandsShowTheValue) {
    const Rgb gold{255, 218, 70}, black{0, 0, 0}, green{0, 255, 0}, brown{128, 0, 0},
        red{255, 0, 0};
    const std::vector<std::pair<int16_t, std::vector<Rgb>>> cases = {
        {5, {gold, black, green, black}},
        {10, {gold, black, black, brown}},
        {20, {gold, black, black, red}},
        {0, {gold, black, black, red}},
    };
    for (const auto& [value, expected] : cases) {
        Board b = EmptyBoard();
        const int k = AddPart(b, Kind::Resi, 0, 0, value);
        RecordingSurface s(90, 90);
        Resi_Paint(s, b, k);
        const std::vector<Rgb> got = BandColours(s);
        ASSERT_EQ(got.size(), 4u);
        for (size_t i = 0; i < 4; ++i) {
            EXPECT_TRUE(got[i].r == expected[i].r && got[i].g == expected[i].g &&
                        got[i].b == expected[i].b)
                << "value " << value << " band " << i;
        }
    }
}

struct FakeOverlay : OverlayRepaintTarget {
    float Width() const override { return 578; }
    float Height() const override { return 505.5f; }
    void RepaintArea(int32_t a, int32_t b, int32_t c, int32_t d) override {
        calls.push_back({a, b, c, d});
    }
    std::vector<std::array<int32_t, 4>> calls;
};

std::vector<std::pair<std::array<double, 2>, Rgb>> EndDots(const RecordingSurface& s) {
    std::vector<std::pair<std::array<double, 2>, Rgb>> dots;
    for (const RecordedOp& op : s.Ops()) {
        if (op.type == Op::Ellipse && op.args[2] == 3 && op.args[3] == 3) {
            dots.push_back({{op.args[0], op.args[1]}, op.state.FillColor});
        }
    }
    return dots;
}

TEST(BoardPainter, EmptyBoardStillRepaintsTheOverlay) {
    Board b = EmptyBoard();
    FakeOverlay overlay;
    RecordingSurface s(582, 509);
    MainPicture_Paint(s, b, &overlay);
    EXPECT_TRUE(s.Ops().empty());
    ASSERT_EQ(overlay.calls.size(), 1u);
    EXPECT_EQ(overlay.calls[0], (std::array<int32_t, 4>{0, 0, 578, 506}));
}

TEST(BoardPainter, DotColoursFollowTheEndsSharingAJunction) {
    Board b = EmptyBoard();
    const int k = AddPart(b, Kind::Cell, 100, 100);
    const int16_t j = AddJunctionRow(b, 300, 300);
    AddWireRow(b, T1(k), j);
    RecordingSurface one(582, 509);
    MainPicture_Paint(one, b, nullptr);
    ASSERT_TRUE(Drew(one, Op::Line, {100, 145, 300, 300}));
    auto dots = EndDots(one);
    ASSERT_EQ(dots.size(), 2u);
    // The colour a point shows: the last dot painted there.
    auto colourAt = [](const auto& ds, double x, double y) {
        std::array<int, 3> shown{-1, -1, -1};
        for (const auto& [p, c] : ds) {
            if (p[0] == x && p[1] == y) shown = {c.r, c.g, c.b};
        }
        return shown;
    };
    EXPECT_EQ(colourAt(dots, 100, 145), (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(colourAt(dots, 300, 300), (std::array<int, 3>{255, 255, 255}));

    AddWireRow(b, j, T2(k));
    RecordingSurface two(582, 509);
    MainPicture_Paint(two, b, nullptr);
    const auto shared = EndDots(two);
    EXPECT_EQ(colourAt(shared, 300, 300), (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(colourAt(shared, 190, 145), (std::array<int, 3>{0, 0, 0}));
    for (const RecordedOp& op : two.Ops()) {
        if (op.type == Op::Line) {
            EXPECT_EQ(op.state.DrawMode, kDrawModeCopy);
            EXPECT_EQ(op.state.ForeColor.b, 255);
        }
    }
}

TEST(BoardPainter, BadEndsAreSkipped) {
    Board b = EmptyBoard();
    const int k = AddPart(b, Kind::Cell, 100, 100);
    AddWireRow(b, T1(k), -7);     // no such junction
    AddWireRow(b, 30000, T2(k));  // no such terminal
    AddWireRow(b, T1(k), T2(k));
    RecordingSurface s(582, 509);
    MainPicture_Paint(s, b, nullptr);
    EXPECT_EQ(Count(s, Op::Line), 1);
}

}  // namespace
}  // namespace cw
