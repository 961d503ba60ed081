#include <benchmark/benchmark.h>

#include "analysis/solver.h"
#include "generated_boards.h"

namespace cw::bench {
namespace {

template <Board (*Make)(int)>
void SolveBoard(benchmark::State& state) {
    Board b = Make(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        SolveCircuit(b);
        benchmark::DoNotOptimize(b.ValueTable.data());
    }
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

}  // namespace
}  // namespace cw::bench
