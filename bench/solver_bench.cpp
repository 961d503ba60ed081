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

void SolveDense(benchmark::State& state) {
    Board b = RandomMesh(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        SolveCircuit(b, {}, EliminationKind::Dense);
        benchmark::DoNotOptimize(b.ValueTable.data());
    }
}

BENCHMARK(SolveBoard<SeriesChain>)->Name("Solve/SeriesChain")->Arg(10)->Arg(50)->Arg(200)->Arg(500);
BENCHMARK(SolveBoard<Ladder>)->Name("Solve/Ladder")->Arg(10)->Arg(50)->Arg(200)->Arg(500);
BENCHMARK(SolveBoard<Mesh>)->Name("Solve/RandomMesh")->Arg(10)->Arg(50)->Arg(200)->Arg(500);
BENCHMARK(SolveDense)->Name("Solve/RandomMesh/DenseReference")->Arg(50)->Arg(200)->Arg(500);

}  // namespace
}  // namespace cw::bench
