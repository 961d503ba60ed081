// Why a bulb is dark: one small board per reason, each with the bulb wired as a learner would.
#include <gtest/gtest.h>

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
        SolveCircuit(b);
        const std::vector<BulbState> states = ExplainBulbs(b);
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

}  // namespace
}  // namespace cw
