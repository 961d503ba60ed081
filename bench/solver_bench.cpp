#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <vector>

#include "analysis/solver.h"
#include "dense_elimination.h"
#include "files/task_check.h"
#include "generated_boards.h"
#include "model/part_kinds.h"

namespace cw::bench {
namespace {

// The median time of one call, for each of two ways, taken in alternation on the same board so
// that the machine's load falls on both alike.
template <typename First, typename Second>
std::pair<double, double> AlternatingMedians(First first, Second second) {
    using Clock = std::chrono::steady_clock;
    std::vector<double> a, b;
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(400);
    while (a.size() < 5 || (Clock::now() < end && a.size() < 2000)) {
        for (int way = 0; way < 2; ++way) {
            const Clock::time_point start = Clock::now();
            way == 0 ? first() : second();
            const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
            (way == 0 ? a : b).push_back(seconds);
        }
    }
    auto median = [](std::vector<double>& v) {
        std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
        return v[v.size() / 2];
    };
    return {median(a), median(b)};
}

template <Board (*Make)(int)>
void SolveBoard(benchmark::State& state) {
    Board b = Make(static_cast<int>(state.range(0)));
    SolveResult result;
    for (auto _ : state) {
        result = SolveCircuit(b);
        benchmark::DoNotOptimize(b.ValueTable.data());
    }
    // How often the exact path runs, and whether any bulb was beyond it.
    state.counters["exact_blocks"] = result.exactBlocks;
    state.counters["unsettled"] = result.unsettled;
    state.counters["components"] = static_cast<double>(b.LastValue());
    state.counters["wires"] = static_cast<double>(b.LastWire());
    // The plain dense elimination of the same board beside it: how many times faster the solve
    // with its bound and reasons is (above 1: faster). Its matrix grows with the square of the
    // board, so the largest boards go without.
    if (b.LastValue() <= 2000) {
        Board plain = b;
        const auto [dense, certified] =
            AlternatingMedians([&] { DenseElimination(plain); }, [&] { SolveCircuit(b); });
        state.counters["dense_us"] = dense * 1e6;
        state.counters["x_dense"] = dense / certified;
    }
}

// Every part's reading and every wire's current, as the tooltips and the current's view ask.
template <Board (*Make)(int)>
void ReadBoard(benchmark::State& state) {
    const Board b = Make(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(ReadCircuit(b).wireAmps.data());
    state.counters["components"] = static_cast<double>(b.LastValue());
    state.counters["wires"] = static_cast<double>(b.LastWire());
}

Board Mesh(int n) {
    return RandomMesh(n);
}
Board HalfNodes(int n) {
    return HalfNodeMesh(n);
}
// A random mesh with one part in five a meter wired across two of its terminals, ammeters and
// voltmeters in turn: every solve works out the readings their faces show.
Board Metered(int n) {
    const int meters = n / 5;
    Board b = RandomMesh(n - meters);
    std::mt19937 random(5);
    std::uniform_int_distribution<int> terminal(1, 2 * b.LastValue());
    for (int m = 0; m < meters; ++m) {
        const int k = test::AddPart(b, m % 2 ? Kind::Voltmeter : Kind::Ammeter, 0, 0, 0);
        test::AddWireRow(b, FirstTerminal(k), terminal(random));
        test::AddWireRow(b, SecondTerminal(k), terminal(random));
    }
    return b;
}

// A class's boards (50 and 100 parts), larger ones, and up to 16,000 parts: the largest size of
// each shape whose wires and parts still fit the 16-bit tables.
BENCHMARK(SolveBoard<SeriesChain>)
    ->Name("Solve/SeriesChain")
    ->Arg(50)
    ->Arg(100)
    ->Arg(500)
    ->Arg(2000)
    ->Arg(16000);
BENCHMARK(SolveBoard<Ladder>)
    ->Name("Solve/Ladder")
    ->Arg(50)
    ->Arg(100)
    ->Arg(500)
    ->Arg(2000)
    ->Arg(14000);
BENCHMARK(SolveBoard<Mesh>)
    ->Name("Solve/RandomMesh")
    ->Arg(50)
    ->Arg(100)
    ->Arg(500)
    ->Arg(2000)
    ->Arg(10000);
BENCHMARK(SolveBoard<HalfNodes>)
    ->Name("Solve/HalfNodeMesh")
    ->Arg(50)
    ->Arg(100)
    ->Arg(500)
    ->Arg(2000)
    ->Arg(10000);

// Check on a task of 20 goals, every kind among them, five switches asked whether they control a
// bulb (each a solve of its own with the switch toggled), on the board as the window has it.
void CheckTwentyGoals(benchmark::State& state) {
    Board b = Metered(static_cast<int>(state.range(0)));
    std::vector<int> bulbs, switches, meters, cells;
    for (Kind kind : kKinds) {
        for (int i = 1; i <= b.PlacedCount(kind); ++i) {
            const int k = b.At(kind, i).Tag;
            if (kind == Kind::Light) bulbs.push_back(k);
            if (kind == Kind::Swit) switches.push_back(k);
            if (IsMeter(kind)) meters.push_back(k);
        }
    }
    const SolveResult solved = SolveCircuit(b);
    const CircuitReadings readings = ReadCircuit(b, solved);
    Task task;
    auto goal = [&task](GoalKind kind, int part = 0, int other = 0) {
        Goal g;
        g.kind = kind;
        g.part = part;
        g.other = other;
        g.value = 0.1;
        g.tolerance = 0.01;
        g.count = 100;
        g.partKind = Kind::Light;
        task.goals.push_back(g);
    };
    for (int i = 0; i < 5; ++i) goal(GoalKind::Controls, switches.at(i), bulbs.at(i));
    for (int i = 0; i < 4; ++i) goal(GoalKind::Lit, bulbs.at(i));
    goal(GoalKind::Lit);
    goal(GoalKind::Dark);
    for (int i = 0; i < 3; ++i) goal(GoalKind::AsBright, bulbs.at(i), bulbs.at(i + 1));
    goal(GoalKind::Brighter, bulbs.at(5), bulbs.at(6));
    goal(GoalKind::MeterReads, meters.at(0));
    goal(GoalKind::NoShortedCell);
    goal(GoalKind::NoBlownFuse);
    goal(GoalKind::AtMost);
    goal(GoalKind::Answer);
    const std::vector<TaskAnswer> answers = {{19, QStringLiteral("20 \u03a9")}};
    for (auto _ : state) {
        benchmark::DoNotOptimize(CheckTask(b, solved, readings, task, answers).data());
    }
    state.counters["goals"] = static_cast<double>(task.goals.size());
}

BENCHMARK(ReadBoard<Mesh>)->Name("Readings/RandomMesh")->Arg(500)->Arg(10000);
// 100 meters among 500 parts: the solve that lights the bulbs also reads the meters.
BENCHMARK(SolveBoard<Metered>)->Name("Solve/Metered")->Arg(500);
BENCHMARK(CheckTwentyGoals)->Name("Task/CheckTwentyGoals")->Arg(500)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace cw::bench
