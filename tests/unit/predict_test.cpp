// Predict first: what a bulb's value shows in a prediction's words, and the explanation chosen
// for a wrong prediction, each trigger on a board where it holds beside a near neighbour where it
// does not.
#include <gtest/gtest.h>

#include "analysis/explain.h"
#include "analysis/solver.h"
#include "model/part_kinds.h"
#include "support/board_builder.h"

namespace cw {
namespace {
using namespace cw::test;

// A loop from the cell's + through the parts in turn and back to its -.
void Loop(Board& b, int cell, std::initializer_list<int> parts) {
    int from = T1(cell);
    for (int k : parts) {
        AddWireRow(b, from, T1(k));
        from = T2(k);
    }
    AddWireRow(b, from, T2(cell));
}

Explained Why(Board& b, int bulb) {
    const SolveResult solved = SolveCircuit(b);
    return Explain(b, solved, ReadCircuit(b, solved), bulb);
}

TEST(Predictions, DarkDimAndBrightAsTheGlassShowsThem) {
    EXPECT_EQ(GuessOf(0), Guess::Dark);
    EXPECT_EQ(GuessOf(1), Guess::Dim);
    EXPECT_EQ(GuessOf(kBrightFrom - 1), Guess::Dim);
    EXPECT_EQ(GuessOf(kBrightFrom), Guess::Bright);
    EXPECT_EQ(NextGuess(Guess::None), Guess::Dark);
    EXPECT_EQ(NextGuess(Guess::Bright), Guess::Dark);
    Predictions p;
    p.Set(7, Guess::Dim);
    p.Set(3, Guess::Bright);
    EXPECT_EQ(p.Of(3), Guess::Bright);
    EXPECT_EQ(p.Of(7), Guess::Dim);
    EXPECT_EQ(p.Of(5), Guess::None);
}

TEST(Predictions, ABulbInSeriesSharesItsCurrentOneInParallelHasItsOwn) {
    Board series = EmptyBoard();
    const int c = AddPart(series, Kind::Cell), a = AddPart(series, Kind::Light),
              s = AddPart(series, Kind::Light);
    Loop(series, c, {a, s});
    Explained e = Why(series, s);
    EXPECT_EQ(e.kind, Explanation::SameLoop);
    EXPECT_EQ(e.other, a);
    EXPECT_EQ(e.milliamps, 71);
    // The same bulb added across the first instead: a path of its own, the cell giving more.
    Board parallel = EmptyBoard();
    const int pc = AddPart(parallel, Kind::Cell), pa = AddPart(parallel, Kind::Light),
              ps = AddPart(parallel, Kind::Light);
    Loop(parallel, pc, {pa});
    Loop(parallel, pc, {ps});
    e = Why(parallel, ps);
    EXPECT_EQ(e.kind, Explanation::OwnBranch);
    EXPECT_EQ(e.other, pc);
    EXPECT_EQ(e.milliamps, 125);
    EXPECT_EQ(e.total, 250);
}

TEST(Predictions, AResistorAnywhereInTheLoopIsTheSameAndOneBesideItIsNot) {
    for (bool before : {true, false}) {
        Board b = EmptyBoard();
        const int c = AddPart(b, Kind::Cell), bulb = AddPart(b, Kind::Light),
                  r = AddPart(b, Kind::Resi, 0, 0, 10);
        Loop(b, c, before ? std::initializer_list<int>{r, bulb} : std::initializer_list<int>{bulb, r});
        const Explained e = Why(b, bulb);
        EXPECT_EQ(e.kind, Explanation::ResistorInLoop) << before;
        EXPECT_EQ(e.other, r);
        EXPECT_EQ(e.milliamps, 71);
    }
    // Across the cell beside the bulb, the resistor is not in the bulb's loop.
    Board b = EmptyBoard();
    const int c = AddPart(b, Kind::Cell), bulb = AddPart(b, Kind::Light),
              r = AddPart(b, Kind::Resi, 0, 0, 10);
    Loop(b, c, {bulb});
    Loop(b, c, {r});
    EXPECT_EQ(Why(b, bulb).kind, Explanation::OwnBranch);
}

TEST(Predictions, AShortAcrossOneOfTwoBulbs) {
    Board b = EmptyBoard();
    const int c = AddPart(b, Kind::Cell), a = AddPart(b, Kind::Light),
              s = AddPart(b, Kind::Light);
    Loop(b, c, {a, s});
    AddWireRow(b, T1(s), T2(s));
    EXPECT_EQ(Why(b, s).kind, Explanation::Shorted);
    // The other is alone in the loop now: no bulb shares its current, it is simply lit.
    const Explained e = Why(b, a);
    EXPECT_EQ(e.kind, Explanation::Reason);
    EXPECT_EQ(e.state, BulbState::Lit);
    EXPECT_EQ(e.milliamps, 136);
}

TEST(Predictions, OpenSwitchesAndCellsAidingOrOpposing) {
    Board b = EmptyBoard();
    const int c = AddPart(b, Kind::Cell), sw = AddPart(b, Kind::Swit, 0, 0, kSwitchOpen),
              bulb = AddPart(b, Kind::Light);
    Loop(b, c, {sw, bulb});
    Explained e = Why(b, bulb);
    EXPECT_EQ(e.kind, Explanation::OpenSwitch);
    EXPECT_EQ(e.other, sw);
    // An open switch on another path leaves this bulb lit: not the reason.
    const int lone = AddPart(b, Kind::Light), sw2 = AddPart(b, Kind::Swit, 0, 0, kSwitchOpen);
    b.ValueTable[sw] = kSwitchClosed;
    Loop(b, c, {sw2, lone});
    EXPECT_NE(Why(b, bulb).kind, Explanation::OpenSwitch);
    EXPECT_EQ(Why(b, lone).other, sw2);

    for (bool opposing : {false, true}) {
        Board d = EmptyBoard();
        const int c1 = AddPart(d, Kind::Cell), c2 = AddPart(d, Kind::Cell),
                  l = AddPart(d, Kind::Light);
        AddWireRow(d, T2(c1), opposing ? T2(c2) : T1(c2));
        AddWireRow(d, opposing ? T1(c2) : T2(c2), T1(l));
        AddWireRow(d, T2(l), T1(c1));
        e = Why(d, l);
        EXPECT_EQ(e.kind, opposing ? Explanation::CellsOppose : Explanation::CellsAid);
        if (!opposing) {
            EXPECT_EQ(e.milliamps, 250);
        }
    }
}

}  // namespace
}  // namespace cw
