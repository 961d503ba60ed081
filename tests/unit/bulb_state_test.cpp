// Why a bulb is dark: one small board per reason, each with the bulb wired as a learner would.
#include <gtest/gtest.h>

#include <vector>

#include "analysis/solver.h"
#include "support/board_builder.h"

namespace cw {
namespace {
using namespace cw::test;

// A board with one bulb (always bulb 1) and a few more parts, wired by (terminal, terminal).
struct OneBulb {
    Board b = EmptyBoard();
    int cell = AddPart(b, Kind::Cell);
    int bulb = AddPart(b, Kind::Light);

    BulbState State() {
        const std::vector<BulbState> states = SolveCircuit(b).bulbs;
        EXPECT_EQ(states.size(), 2u);
        // Lit exactly when the solver lights it.
        EXPECT_EQ(states[1] == BulbState::Lit, b.ValueOf(bulb) > 0);
        return states[1];
    }
};

TEST(BulbState, EachReasonOnItsOwnBoard) {
    OneBulb lit;
    AddWireRow(lit.b, T1(lit.cell), T1(lit.bulb));
    AddWireRow(lit.b, T2(lit.bulb), T2(lit.cell));
    EXPECT_EQ(lit.State(), BulbState::Lit);

    OneBulb shorted = lit;
    AddWireRow(shorted.b, T1(shorted.bulb), T2(shorted.bulb));
    EXPECT_EQ(shorted.State(), BulbState::Shorted);

    OneBulb open;  // cell, bulb and an open switch in one loop
    const int s = AddPart(open.b, Kind::Swit);
    AddWireRow(open.b, T1(open.cell), T1(open.bulb));
    AddWireRow(open.b, T2(open.bulb), T1(s));
    AddWireRow(open.b, T2(s), T2(open.cell));
    EXPECT_EQ(open.State(), BulbState::SwitchOpen);
    open.b.ValueTable[s] = 0;
    EXPECT_EQ(open.State(), BulbState::Lit);

    OneBulb loose;  // one wire: no loop, switch or not
    AddPart(loose.b, Kind::Swit);
    AddWireRow(loose.b, T1(loose.cell), T1(loose.bulb));
    EXPECT_EQ(loose.State(), BulbState::NotInClosedLoop);

    OneBulb noCell;  // the bulb in a loop with a resistor; the cell stands apart
    const int r = AddPart(noCell.b, Kind::Resi);
    AddWireRow(noCell.b, T1(r), T1(noCell.bulb));
    AddWireRow(noCell.b, T2(noCell.bulb), T2(r));
    EXPECT_EQ(noCell.State(), BulbState::NoCell);

    OneBulb cancel;  // two cells back to back
    const int c2 = AddPart(cancel.b, Kind::Cell);
    AddWireRow(cancel.b, T1(cancel.cell), T1(c2));
    AddWireRow(cancel.b, T2(cancel.cell), T1(cancel.bulb));
    AddWireRow(cancel.b, T2(cancel.bulb), T2(c2));
    EXPECT_EQ(cancel.State(), BulbState::CellsCancel);

    OneBulb faint;  // 1.5 / 1011 is 0.0015: under a hundredth
    const int big = AddPart(faint.b, Kind::Resi, 0, 0, 1000);
    AddWireRow(faint.b, T1(faint.cell), T1(faint.bulb));
    AddWireRow(faint.b, T2(faint.bulb), T1(big));
    AddWireRow(faint.b, T2(big), T2(faint.cell));
    EXPECT_EQ(faint.State(), BulbState::TooLittleCurrent);

    OneBulb unsound = lit;  // a placed part without a number: the board cannot be solved
    unsound.b.At(Kind::Cell, 1).Tag = 0;
    EXPECT_EQ(unsound.State(), BulbState::Unsolved);
}

// Boards a structural reading of "why" once got wrong. Wires are pairs of NodeIds: 2k - 1 and
// 2k are part k's terminals.
struct Board27 {
    Board b = EmptyBoard();
    std::vector<BulbState> states;
    void Parts(std::initializer_list<Kind> kinds) {
        for (Kind k : kinds) AddPart(b, k);
    }
    void Wires(std::initializer_list<std::pair<int, int>> wires) {
        for (auto [x, y] : wires) AddWireRow(b, x, y);
        states = SolveCircuit(b).bulbs;
    }
    BulbState Of(int number) const {
        for (int l = 1; l <= b.PlacedCount(Kind::Light); ++l)
            if (b.At(Kind::Light, l).Tag == number) return states[l];
        return BulbState::Unsolved;
    }
};

TEST(BulbState, ReasonsFollowTheLoopsOfTheCircuit) {
    using enum Kind;
    Board27 cellLessLoop;  // bulb 3 with resistor 4 in a loop touching the lit loop at one node
    cellLessLoop.Parts({Cell, Light, Light, Resi});
    cellLessLoop.Wires({{1, 3}, {4, 2}, {6, 7}, {8, 5}, {5, 1}});
    EXPECT_EQ(cellLessLoop.Of(3), BulbState::NoCell);
    EXPECT_EQ(cellLessLoop.Of(2), BulbState::Lit);

    Board27 bridge;  // bulb 5 joins two loops: no loop passes through it
    bridge.Parts({Cell, Light, Resi, Resi, Light});
    bridge.Wires({{1, 3}, {4, 2}, {6, 7}, {8, 5}, {9, 1}, {10, 5}});
    EXPECT_EQ(bridge.Of(5), BulbState::NotInClosedLoop);

    Board27 shortedFarEnd;  // bulb 3's far node holds only resistor 4, shorted by a wire
    shortedFarEnd.Parts({Cell, Light, Light, Resi});
    shortedFarEnd.Wires({{1, 3}, {4, 2}, {5, 1}, {6, 7}, {7, 8}});
    EXPECT_EQ(shortedFarEnd.Of(3), BulbState::NotInClosedLoop);

    Board27 closingShorts;  // closing switch 2 would short bulb 1, not light it
    closingShorts.Parts({Light, Swit});
    closingShorts.Wires({{1, 3}, {2, 4}});
    EXPECT_EQ(closingShorts.Of(1), BulbState::NotInClosedLoop);

    Board27 closingMakesACellLessLoop;  // bulb 1, resistor 2 and open switch 3 in a loop
    closingMakesACellLessLoop.Parts({Light, Resi, Swit});
    closingMakesACellLessLoop.Wires({{2, 3}, {4, 5}, {6, 1}});
    EXPECT_EQ(closingMakesACellLessLoop.Of(1), BulbState::NoCell);
}

// A long ladder's far rungs carry a current far below what floating point resolves; its sign,
// not its size, decides what the bulb shows (a negative one floors to 1).
TEST(BulbState, FarRungsOfALongLadderShowTheirCurrentsSign) {
    for (bool turned : {false, true}) {
        Board b = EmptyBoard();
        const int cell = AddPart(b, Kind::Cell);
        int top = T1(cell), bottom = T2(cell), lastRung = 0;
        for (int rung = 0; rung < 25; ++rung) {
            const int upper = AddPart(b, Kind::Resi, 0, 0, 5),
                      lower = AddPart(b, Kind::Resi, 0, 0, 5);
            lastRung = AddPart(b, Kind::Light);
            AddWireRow(b, top, T1(upper));
            AddWireRow(b, bottom, T1(lower));
            top = T2(upper), bottom = T2(lower);
            AddWireRow(b, top, turned ? T2(lastRung) : T1(lastRung));
            AddWireRow(b, bottom, turned ? T1(lastRung) : T2(lastRung));
        }
        const std::vector<BulbState> states = SolveCircuit(b).bulbs;
        EXPECT_EQ(b.ValueOf(lastRung), turned ? 1 : 0);
        EXPECT_EQ(states.back(), turned ? BulbState::Lit : BulbState::TooLittleCurrent);
    }
}

}  // namespace
}  // namespace cw
