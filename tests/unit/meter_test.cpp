// Meters and the one reading rule: milliamperes and hundredths of a volt, rounded half away from
// zero; an ideal ammeter is a wire that reads its current, an ideal voltmeter draws nothing, and
// wired the wrong way each teaches what it does.
#include <gtest/gtest.h>

#include "analysis/solver.h"
#include "model/part_values.h"
#include "support/board_builder.h"

namespace cw {
namespace {
using namespace cw::test;

void Wires(Board& b, std::initializer_list<std::pair<int, int>> pairs) {
    for (auto [x, y] : pairs) AddWireRow(b, x, y);
}

TEST(ReadingRule, HalfAwayFromZeroAndOnlyWhenTheBoundSettlesIt) {
    EXPECT_EQ(RoundedReading(1.37501L, 1e-9L, 100), 138);  // just past half: away from zero
    EXPECT_EQ(RoundedReading(-1.37501L, 1e-9L, 100), -138);
    EXPECT_EQ(RoundedReading(-1.37499L, 1e-9L, 100), -137);
    EXPECT_EQ(RoundedReading(0.13649L, 0, 1000), 136);
    EXPECT_EQ(RoundedReading(1.355L, 1e-9L, 100), std::nullopt);  // either side of .5 is near
    EXPECT_EQ(RoundedReading(1.3549L, 1e-9L, 100), 135);
    EXPECT_EQ(RoundedReading(0, 1e-12L, 1000), 0);
    EXPECT_EQ(RoundedReading(0.0004999999999L, 1e-12L, 1000), std::nullopt);
}

// One cell, a closed switch, an ammeter, a bulb in one loop, the bulb wired either way round:
// every part reads one current, and the ammeter its sign.
TEST(Meters, ASeriesLoopReadsOneCurrentAllRound) {
    for (bool reversed : {false, true}) {
        SCOPED_TRACE(reversed);
        Board b = EmptyBoard();
        const int c = AddPart(b, Kind::Cell), s = AddPart(b, Kind::Swit, 0, 0, kSwitchClosed);
        const int a = AddPart(b, Kind::Ammeter), l = AddPart(b, Kind::Light);
        const int bulbIn = reversed ? T2(l) : T1(l), bulbOut = reversed ? T1(l) : T2(l);
        Wires(b, {{T1(c), T1(a)}, {T2(a), T1(s)}, {T2(s), bulbIn}, {bulbOut, T2(c)}});
        const CircuitReadings r = ReadCircuit(b, SolveCircuit(b));
        for (int k : {c, s, a, l}) EXPECT_EQ(std::abs(r.parts[k].milliamps), 136) << k;
        EXPECT_EQ(b.ValueOf(a), 136);  // into + from the cell's + terminal: positive
        EXPECT_EQ(std::abs(r.parts[l].centivolts), 136);
        EXPECT_TRUE(r.parts[l].proved);
    }
}

TEST(Meters, WrongWiringTeaches) {
    // An ammeter across a bulb shorts it and reads the loop's whole current.
    Board across = EmptyBoard();
    int c = AddPart(across, Kind::Cell), r = AddPart(across, Kind::Resi);
    int l = AddPart(across, Kind::Light), a = AddPart(across, Kind::Ammeter);
    Wires(across, {{T1(c), T1(r)}, {T2(r), T1(l)}, {T2(l), T2(c)}, {T1(a), T1(l)}, {T2(a), T2(l)}});
    SolveResult solved = SolveCircuit(across);
    EXPECT_EQ(solved.bulbs[1], BulbState::Shorted);
    EXPECT_EQ(across.ValueOf(a), 136);  // 1.5 V over 1 + 10 ohms

    // An ammeter straight across a cell reads what the cell's own resistance lets through.
    Board shorted = EmptyBoard();
    c = AddPart(shorted, Kind::Cell), a = AddPart(shorted, Kind::Ammeter);
    Wires(shorted, {{T1(c), T1(a)}, {T2(a), T2(c)}});
    SolveCircuit(shorted);
    EXPECT_EQ(shorted.ValueOf(a), 1500);

    // A voltmeter in series lets nothing through, says so, and reads the cell's 1.50 V.
    Board series = EmptyBoard();
    c = AddPart(series, Kind::Cell), l = AddPart(series, Kind::Light);
    const int v = AddPart(series, Kind::Voltmeter);
    Wires(series, {{T1(c), T1(v)}, {T2(v), T1(l)}, {T2(l), T2(c)}});
    solved = SolveCircuit(series);
    EXPECT_EQ(series.ValueOf(l), 0);
    EXPECT_EQ(solved.bulbs[1], BulbState::VoltmeterInLoop);
    EXPECT_EQ(series.ValueOf(v), 150);

    // Across the bulb of a working loop it reads the bulb's voltage and changes nothing.
    Board meter = EmptyBoard();
    c = AddPart(meter, Kind::Cell), l = AddPart(meter, Kind::Light);
    const int vm = AddPart(meter, Kind::Voltmeter);
    Wires(meter, {{T1(c), T1(l)}, {T2(l), T2(c)}, {T1(vm), T1(l)}, {T2(vm), T2(l)}});
    SolveCircuit(meter);
    EXPECT_EQ(meter.ValueOf(l), 13);
    EXPECT_EQ(meter.ValueOf(vm), 136);
}

// 1.5 V over 1 + 5 + (10 || 5 || 5) = 8 ohms: 187.5 mA, and 0.375 V across the three in
// parallel, exactly on rounding boundaries, where no floating-point bound can decide: the exact
// path does, away from zero.
TEST(Meters, ReadingsExactlyOnABoundaryAreSettledExactly) {
    Board b = EmptyBoard();
    const int c = AddPart(b, Kind::Cell), a = AddPart(b, Kind::Ammeter);
    const int r1 = AddPart(b, Kind::Resi, 0, 0, 5), r2 = AddPart(b, Kind::Resi, 0, 0, 10);
    const int r3 = AddPart(b, Kind::Resi, 0, 0, 5), r4 = AddPart(b, Kind::Resi, 0, 0, 5);
    Wires(b, {{T1(c), T1(a)},
              {T2(a), T1(r1)},
              {T2(r1), T1(r2)},
              {T2(r1), T1(r3)},
              {T2(r1), T1(r4)},
              {T2(r2), T2(c)},
              {T2(r3), T2(c)},
              {T2(r4), T2(c)}});
    const CircuitReadings r = ReadCircuit(b, SolveCircuit(b));
    EXPECT_EQ(b.ValueOf(a), 188);
    EXPECT_EQ(r.parts[a].milliamps, 188);
    EXPECT_EQ(r.parts[c].milliamps, -188);  // delivering
    EXPECT_EQ(r.parts[c].centivolts, 131);  // 1.3125 V
    EXPECT_EQ(r.parts[r1].centivolts, 94);  // 0.9375 V
    EXPECT_EQ(r.parts[r2].centivolts, 38);  // 0.375 V
    EXPECT_EQ(r.parts[r2].milliamps, 38);   // 37.5 mA
    EXPECT_EQ(r.parts[r3].milliamps, 75);
    for (int k : {c, a, r1, r2, r3, r4}) EXPECT_TRUE(r.parts[k].proved) << k;
}

TEST(Meters, AVoltmeterJoinedToNothingReadsNothing) {
    Board b = EmptyBoard();
    const int c = AddPart(b, Kind::Cell), l = AddPart(b, Kind::Light);
    const int v = AddPart(b, Kind::Voltmeter), other = AddPart(b, Kind::Cell);
    Wires(b, {{T1(c), T1(l)}, {T2(l), T2(c)}, {T1(v), T1(l)}});
    SolveCircuit(b);
    EXPECT_EQ(b.ValueOf(v), kNoReading);  // one lead hangs free
    Wires(b, {{T2(v), T1(other)}});
    SolveCircuit(b);
    EXPECT_EQ(b.ValueOf(v), kNoReading);  // the other lead on a circuit of its own
    Wires(b, {{T2(other), T2(l)}});
    SolveCircuit(b);
    // Through the idle cell: the loop's cell gives 1.36 V, the idle one takes 1.50 V off.
    EXPECT_EQ(b.ValueOf(v), -14);
}

}  // namespace
}  // namespace cw
