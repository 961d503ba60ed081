#include <benchmark/benchmark.h>

#include "analysis/solver.h"
#include "generated_boards.h"

namespace cw::bench {
namespace {

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

// Up to 16,000 parts: the largest size of each shape whose wires and parts still fit the 16-bit
// tables.
BENCHMARK(SolveBoard<SeriesChain>)->Name("Solve/SeriesChain")->Arg(50)->Arg(500)->Arg(16000);
BENCHMARK(SolveBoard<Ladder>)->Name("Solve/Ladder")->Arg(50)->Arg(500)->Arg(14000);
BENCHMARK(SolveBoard<Mesh>)->Name("Solve/RandomMesh")->Arg(50)->Arg(500)->Arg(10000);
BENCHMARK(SolveBoard<HalfNodes>)->Name("Solve/HalfNodeMesh")->Arg(50)->Arg(500)->Arg(10000);

BENCHMARK(ReadBoard<Mesh>)->Name("Readings/RandomMesh")->Arg(500)->Arg(10000);

}  // namespace
}  // namespace cw::bench
