// Fuses: intact they join, past their rating (strictly, decided exactly) the most overloaded one
// blows and the circuit is solved again until none is over; blown they are a gap that says why
// its bulbs are dark.
#include <gtest/gtest.h>

#include "analysis/solver.h"
#include "model/part_kinds.h"
#include "model/part_values.h"
#include "support/board_builder.h"

namespace cw {
namespace {
using namespace cw::test;

void Wires(Board& b, std::initializer_list<std::pair<int, int>> pairs) {
    for (auto [x, y] : pairs) AddWireRow(b, x, y);
}

// A cell and a fuse of the rating; `load` joins the fuse's far end back to the cell's -.
struct Fused {
    Board b = EmptyBoard();
    int cell = AddPart(b, Kind::Cell);
    int fuse;
    explicit Fused(int16_t rating) : fuse(AddPart(b, Kind::Fuse, 0, 0, rating)) {
        Wires(b, {{T1(cell), T1(fuse)}});
    }
    int Bulb() {
        const int l = AddPart(b, Kind::Light);
        Wires(b, {{T2(fuse), T1(l)}, {T2(l), T2(cell)}});
        return l;
    }
};

TEST(Fuses, BlowStrictlyPastTheirRating) {
    Fused shorted(1000);  // a wire straight back: 1.5 A through a 1 A fuse
    Wires(shorted.b, {{T2(shorted.fuse), T2(shorted.cell)}});
    SolveResult r = SolveCircuit(shorted.b);
    EXPECT_EQ(shorted.b.ValueOf(shorted.fuse), -1000);
    ASSERT_EQ(r.blown.size(), 1u);
    EXPECT_EQ(r.blown[0].milliamps, 1500);

    Fused one(250);  // one bulb: 0.136 A
    one.Bulb();
    SolveCircuit(one.b);
    EXPECT_EQ(one.b.ValueOf(one.fuse), 250);

    Fused two(250);  // two bulbs in parallel: 1.5 V over 1 + 5 ohms, exactly 0.25 A
    const int first = two.Bulb();
    two.Bulb();
    SolveCircuit(two.b);
    EXPECT_EQ(two.b.ValueOf(two.fuse), 250);
    EXPECT_GT(two.b.ValueOf(first), 0);
    two.Bulb();  // a third: 0.346 A
    r = SolveCircuit(two.b);
    EXPECT_EQ(two.b.ValueOf(two.fuse), -250);
    EXPECT_EQ(two.b.ValueOf(first), 0);
    EXPECT_EQ(r.bulbs[1], BulbState::FuseBlown);
}

TEST(Fuses, TheMostOverloadedBlowsFirstAndTheRestAreJudgedAnew) {
    // Two in series over a short: the 0.5 A one blows, the 1 A one then carries nothing.
    Board series = EmptyBoard();
    const int c = AddPart(series, Kind::Cell);
    const int big = AddPart(series, Kind::Fuse, 0, 0, 1000);
    const int small = AddPart(series, Kind::Fuse, 0, 0, 500);
    Wires(series, {{T1(c), T1(big)}, {T2(big), T1(small)}, {T2(small), T2(c)}});
    SolveCircuit(series);
    EXPECT_EQ(series.ValueOf(small), -500);
    EXPECT_EQ(series.ValueOf(big), 1000);

    // A 1 A fuse feeds a bulb and a shorted branch behind a 0.25 A fuse: the branch's fuse goes
    // (6 times its rating against 1.5), and the bulb's 0.136 A leaves the 1 A fuse whole.
    Fused main(1000);
    const int bulb = main.Bulb();
    const int branch = AddPart(main.b, Kind::Fuse, 0, 0, 250);
    Wires(main.b, {{T2(main.fuse), T1(branch)}, {T2(branch), T2(main.cell)}});
    const SolveResult r = SolveCircuit(main.b);
    EXPECT_EQ(main.b.ValueOf(branch), -250);
    EXPECT_EQ(main.b.ValueOf(main.fuse), 1000);
    EXPECT_EQ(main.b.ValueOf(bulb), 13);
    ASSERT_EQ(r.blown.size(), 1u);
    EXPECT_EQ(r.blown[0].number, branch);

    // Two alike in series over a short: equal, so the lower number blows.
    Board twins = EmptyBoard();
    const int tc = AddPart(twins, Kind::Cell);
    const int f1 = AddPart(twins, Kind::Fuse, 0, 0, 500),
              f2 = AddPart(twins, Kind::Fuse, 0, 0, 500);
    Wires(twins, {{T1(tc), T1(f1)}, {T2(f1), T1(f2)}, {T2(f2), T2(tc)}});
    SolveCircuit(twins);
    EXPECT_EQ(twins.ValueOf(f1), -500);
    EXPECT_EQ(twins.ValueOf(f2), 500);
}

TEST(Fuses, AClickReplacesABlownFuseAndStepsAnIntactOne) {
    EXPECT_EQ(Info(Kind::Fuse).click(-500), 500);
    EXPECT_EQ(Info(Kind::Fuse).click(500), 1000);
    EXPECT_EQ(Info(Kind::Fuse).click(1000), 250);
    // Replaced over a short that is still there, it blows again in the same solve.
    Fused shorted(1000);
    Wires(shorted.b, {{T2(shorted.fuse), T2(shorted.cell)}});
    SolveCircuit(shorted.b);
    shorted.b.ValueTable[shorted.fuse] = Info(Kind::Fuse).click(shorted.b.ValueOf(shorted.fuse));
    SolveCircuit(shorted.b);
    EXPECT_EQ(shorted.b.ValueOf(shorted.fuse), -1000);
}

}  // namespace
}  // namespace cw
