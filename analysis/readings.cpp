#include <array>
#include <vector>

#include "analysis/nodal_solve.h"
#include "analysis/solver.h"
#include "analysis/wire_currents.h"
#include "model/board.h"

namespace cw {
namespace {

// The point's root among the joined points; the solution is shared and read only, so the
// search does not shorten paths.
int Root(const Solution& s, int point) {
    return s.joined.points.Root(point);
}

// The readings of every part and the currents in the wires, from the solved potentials. Nodes
// the solve left out (dead ends, pieces without a cell) carry no current, so their potentials
// follow from a solved neighbour through each part that joins them: equal across a resistor or
// bulb, a cell's voltage across a cell; a piece reached from nowhere starts at 0.
CircuitReadings ReadSolution(const Solution& s) {
    CircuitReadings result;
    const std::vector<Part>& parts = s.net.parts;
    std::vector<long double> v = s.potentials().volts;
    std::vector<bool> known(static_cast<size_t>(s.nodeCount), false);
    std::vector<std::vector<int>> partsAt(static_cast<size_t>(s.nodeCount));
    for (size_t i = 0; i < parts.size(); ++i) {
        const Part& p = parts[i];
        if (p.Carries()) known[p.terminal[0]] = known[p.terminal[1]] = true;
        if (!p.Shorted()) {
            partsAt[p.terminal[0]].push_back(static_cast<int>(i));
            partsAt[p.terminal[1]].push_back(static_cast<int>(i));
        }
    }
    std::vector<int> queue;
    auto spread = [&] {
        while (!queue.empty()) {
            const int n = queue.back();
            queue.pop_back();
            for (int i : partsAt[n]) {
                const Part& p = parts[static_cast<size_t>(i)];
                const int other = p.terminal[0] == n ? p.terminal[1] : p.terminal[0];
                if (known[other]) continue;
                const long double rise = p.terminal[0] == n ? -p.Emf() : p.Emf();
                v[other] = v[n] + rise;
                known[other] = true;
                queue.push_back(other);
            }
        }
    };
    for (int n = 0; n < s.nodeCount; ++n) {
        if (known[n]) queue.push_back(n);
    }
    spread();
    for (int n = 0; n < s.nodeCount; ++n) {
        if (known[n] || partsAt[n].empty()) continue;
        v[n] = 0;
        known[n] = true;
        queue.push_back(n);
        spread();
    }

    result.parts.assign(static_cast<size_t>(s.net.numbers) + 1, PartReading{});
    std::vector<double> outflow(static_cast<size_t>(s.net.pointCount), 0.0);
    for (const Part& p : parts) {
        PartReading& r = result.parts[static_cast<size_t>(p.number)];
        r.volts = static_cast<double>(v[p.terminal[0]] - v[p.terminal[1]]);
        if (!p.Carries()) continue;
        r.amps = static_cast<double>((v[p.terminal[0]] - v[p.terminal[1]] - p.Emf()) / p.ohms);
        outflow[static_cast<size_t>(FirstTerminal(p.number) - 1)] += r.amps;
        outflow[static_cast<size_t>(SecondTerminal(p.number) - 1)] -= r.amps;
    }
    std::vector<std::array<int, 2>> edges;
    edges.reserve(s.net.joins.size());
    for (const Join& j : s.net.joins) edges.push_back({j.point[0], j.point[1]});
    const std::vector<double> amps = LeastEnergyFlow(s.net.pointCount, edges, outflow);
    result.wireAmps.assign(static_cast<size_t>(s.net.wires) + 1, 0.0);
    for (int l = 1; l <= s.net.wires; ++l) result.wireAmps[l] = amps[static_cast<size_t>(l - 1)];
    // Closed switches and resistors of 0 ohms are joins of their own; an open switch reads the
    // voltage of its gap.
    for (size_t j = static_cast<size_t>(s.net.wires); j < s.net.joins.size(); ++j)
        result.parts[static_cast<size_t>(s.net.joins[j].number)].amps = amps[j];
    for (const int k : s.net.openSwitches) {
        const int a = s.joined.nodeOfRoot[static_cast<size_t>(Root(s, FirstTerminal(k) - 1))];
        const int b = s.joined.nodeOfRoot[static_cast<size_t>(Root(s, SecondTerminal(k) - 1))];
        if (a >= 0 && b >= 0 && known[a] && known[b])
            result.parts[static_cast<size_t>(k)].volts = static_cast<double>(v[a] - v[b]);
    }
    return result;
}

}  // namespace

CircuitReadings ReadCircuit(const Board& board) {
    if (!ReadNumbers(board).sound) return {};
    const std::optional<Solution> s = Solve(board);
    return s ? ReadSolution(*s) : CircuitReadings{};
}

CircuitReadings ReadCircuit(const Board& board, const SolveResult& solved) {
    if (!solved.solution) return ReadCircuit(board);
    CircuitReadings readings = ReadSolution(*solved.solution);
    // Parts placed since carry nothing: placing wires nothing.
    if (readings.parts.size() < static_cast<size_t>(board.LastValue()) + 1)
        readings.parts.resize(static_cast<size_t>(board.LastValue()) + 1);
    return readings;
}

}  // namespace cw
