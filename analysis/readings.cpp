#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <vector>

#include "analysis/exact_currents.h"
#include "analysis/nodal_solve.h"
#include "analysis/readings.h"
#include "analysis/solver.h"
#include "analysis/wire_currents.h"
#include "model/board.h"
#include "model/part_kinds.h"
#include "model/part_values.h"

namespace cw {
namespace {

constexpr long double kUnit = LDBL_EPSILON / 2;

// The point's root among the joined points; the solution is shared and read only, so the
// search does not shorten paths.
int Root(const Solution& s, int point) {
    return s.joined.points.Root(point);
}

int64_t HalfAway(long double y) {
    const long double r = std::floor(std::fabs(y) + 0.5L);
    return static_cast<int64_t>(y < 0 ? -r : r);
}

// The node a terminal lies on, -1 where no part meets it.
int NodeOf(const Solution& s, int terminal) {
    return s.joined.nodeOfRoot[static_cast<size_t>(Root(s, terminal - 1))];
}

using Integer = boost::multiprecision::cpp_int;

int64_t HalfAway(const Rational& q) {
    const Rational m = abs(q) + Rational(1, 2);
    const Integer whole =
        boost::multiprecision::numerator(m) / boost::multiprecision::denominator(m);
    const auto r = static_cast<int64_t>(whole);
    return q < 0 ? -r : r;
}

// The potentials of the nodes the solve left out (dead ends, pieces without a cell), in the
// order they follow one from another: set(node, from, part) for a node reached from a known one
// through a part (equal across a resistor or bulb, a cell's voltage across a cell), and
// set(node, -1, nullptr) for one that starts a piece reached from nowhere, at 0.
template <typename Set>
void SpreadPotentials(const Solution& s, Set set) {
    const std::vector<Part>& parts = s.net.parts;
    const auto n = static_cast<size_t>(std::max(s.nodeCount, 0));
    std::vector<bool> known(n, false);
    std::vector<std::vector<int>> partsAt(n);
    for (size_t i = 0; i < parts.size(); ++i) {
        const Part& p = parts[i];
        if (p.Carries()) known[p.terminal[0]] = known[p.terminal[1]] = true;
        if (!p.Shorted()) {
            partsAt[p.terminal[0]].push_back(static_cast<int>(i));
            partsAt[p.terminal[1]].push_back(static_cast<int>(i));
        }
    }
    std::vector<int> queue;
    for (size_t node = 0; node < n; ++node) {
        if (known[node]) queue.push_back(static_cast<int>(node));
    }
    for (int start = -1; start < static_cast<int>(n); ++start) {
        if (start >= 0) {
            if (known[start] || partsAt[start].empty()) continue;
            set(start, -1, nullptr);
            known[start] = true;
            queue.push_back(start);
        }
        while (!queue.empty()) {
            const int at = queue.back();
            queue.pop_back();
            for (int i : partsAt[at]) {
                const Part& p = parts[static_cast<size_t>(i)];
                const int other = p.terminal[0] == at ? p.terminal[1] : p.terminal[0];
                if (known[other]) continue;
                set(other, at, &p);
                known[other] = true;
                queue.push_back(other);
            }
        }
    }
}

// Every part's current and voltage in exact rational arithmetic, by number: the potentials of
// the parts that carry current (one reference in each piece), the others spread from them as
// before, and the joins' least-energy flow solved again as a network of equal resistances.
// Voltages only where `floats` knows them. Empty past the exact path's bounded work.
struct ExactValues {
    std::vector<Rational> amps, volts;
};
std::optional<ExactValues> ReadExactly(const Solution& s, const CircuitReadings& floats) {
    ExactValues exact;
    exact.amps.resize(floats.parts.size());
    exact.volts.resize(floats.parts.size());
    const std::vector<Part>& parts = s.net.parts;
    const int n = std::max(s.nodeCount, 1);
    DisjointSets pieces(n);
    std::vector<ExactPart> network;
    for (const Part& p : parts) {
        if (!p.Carries()) continue;
        network.push_back({p.terminal[0], p.terminal[1], p.ohms, p.role == Role::Source});
        pieces.Unite(p.terminal[0], p.terminal[1]);
    }
    std::vector<bool> reference(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) reference[static_cast<size_t>(i)] = pieces.Find(i) == i;
    std::optional<std::vector<Rational>> solved = ExactPotentials(n, network, {}, reference);
    if (!solved) return std::nullopt;
    std::vector<Rational>& v = *solved;
    const Rational cellVolts(kCellVolts);

    SpreadPotentials(s, [&](int node, int from, const Part* p) {
        if (!p) {
            v[node] = 0;
        } else {
            const bool cell = p->role == Role::Source;
            v[node] = v[from] + (!cell                    ? Rational(0)
                                 : p->terminal[0] == from ? -cellVolts
                                                          : cellVolts);
        }
    });

    std::vector<Rational> outflow(static_cast<size_t>(s.net.pointCount));
    for (const Part& p : parts) {
        const auto k = static_cast<size_t>(p.number);
        const Rational drop = v[p.terminal[0]] - v[p.terminal[1]];
        exact.volts[k] = drop;
        const bool shortedCell = p.Shorted() && p.role == Role::Source;
        if (!p.Carries() && !shortedCell) continue;
        const Rational amps = (drop - (p.role == Role::Source ? cellVolts : Rational(0))) / p.ohms;
        exact.amps[k] = amps;
        outflow[static_cast<size_t>(FirstTerminal(p.number) - 1)] += amps;
        outflow[static_cast<size_t>(SecondTerminal(p.number) - 1)] -= amps;
    }
    auto gap = [&](int k) {
        if (!floats.parts[static_cast<size_t>(k)].voltsKnown) return;
        const int a = NodeOf(s, FirstTerminal(k)), b = NodeOf(s, SecondTerminal(k));
        exact.volts[static_cast<size_t>(k)] = v[a] - v[b];
    };
    for (const int k : s.net.openSwitches) gap(k);
    for (const int k : s.net.voltmeters) gap(k);
    for (const int k : s.net.blownFuses) gap(k);

    // The joins' own currents: closed switches, ammeters, fuses and resistors of 0 ohms.
    if (s.net.joins.size() > static_cast<size_t>(s.net.wires)) {
        DisjointSets groups(std::max(s.net.pointCount, 1));
        std::vector<ExactPart> wires;
        for (const Join& j : s.net.joins) {
            wires.push_back({j.point[0], j.point[1], 1, false});
            groups.Unite(j.point[0], j.point[1]);
        }
        std::vector<bool> fixed(static_cast<size_t>(std::max(s.net.pointCount, 1)));
        std::vector<Rational> inject(outflow.size());
        for (size_t p = 0; p < fixed.size(); ++p)
            fixed[p] = groups.Find(static_cast<int>(p)) == static_cast<int>(p);
        for (size_t p = 0; p < outflow.size(); ++p) inject[p] = -outflow[p];
        const std::optional<std::vector<Rational>> flow =
            ExactPotentials(s.net.pointCount, wires, inject, fixed);
        if (!flow) return std::nullopt;
        for (size_t j = static_cast<size_t>(s.net.wires); j < s.net.joins.size(); ++j) {
            const Join& join = s.net.joins[j];
            exact.amps[static_cast<size_t>(join.number)] =
                (*flow)[join.point[0]] - (*flow)[join.point[1]];
        }
    }
    return exact;
}

// The readings the error bound left open, settled exactly; as they are past the exact path's
// bounded work.
void SettleExactly(const Solution& s, CircuitReadings& result) {
    const std::optional<ExactValues> exact = ReadExactly(s, result);
    if (!exact) return;
    for (size_t k = 1; k < result.parts.size(); ++k) {
        PartReading& r = result.parts[k];
        r.milliamps = HalfAway(exact->amps[k] * 1000);
        if (r.voltsKnown) r.centivolts = HalfAway(exact->volts[k] * 100);
        r.proved = true;
    }
}

}  // namespace

// The readings of every part and the currents in the wires, from the solved potentials and those
// that follow from them (SpreadPotentials). Each potential keeps a bound of its error, and each
// reading one from them.
CircuitReadings ReadSolution(const Solution& s) {
    CircuitReadings result;
    const std::vector<Part>& parts = s.net.parts;
    std::vector<long double> v = s.potentials().volts;
    std::vector<long double> err(static_cast<size_t>(s.nodeCount), s.potentials().error);
    // The pieces parts join, and the nodes whose potential the solve or the spread below fixes
    // (those of parts not shorted).
    DisjointSets pieces(std::max(s.nodeCount, 1));
    std::vector<bool> known(static_cast<size_t>(s.nodeCount), false);
    for (const Part& p : parts) {
        pieces.Unite(p.terminal[0], p.terminal[1]);
        if (!p.Shorted()) known[p.terminal[0]] = known[p.terminal[1]] = true;
    }
    SpreadPotentials(s, [&](int node, int from, const Part* p) {
        if (!p) {
            v[node] = 0;
            err[node] = 0;
            return;
        }
        const long double rise = p->terminal[0] == from ? -p->Emf() : p->Emf();
        v[node] = v[from] + rise;
        err[node] = err[from] + kUnit * (std::fabs(v[from]) + std::fabs(rise)) * 2;
    });

    result.parts.assign(static_cast<size_t>(s.net.numbers) + 1, PartReading{});
    // Bounds of each part's current and voltage, by number.
    std::vector<long double> ampsError(result.parts.size(), 0), voltsError(result.parts.size(), 0);
    std::vector<double> outflow(static_cast<size_t>(s.net.pointCount), 0.0);
    long double partErrors = 0, flowSize = 0;
    for (const Part& p : parts) {
        const auto k = static_cast<size_t>(p.number);
        PartReading& r = result.parts[k];
        const int a = p.terminal[0], b = p.terminal[1];
        const long double drop = v[a] - v[b];
        r.volts = static_cast<double>(drop);
        voltsError[k] = err[a] + err[b] + 2 * kUnit * (std::fabs(v[a]) + std::fabs(v[b]));
        // A cell shorted by a wire drives its current round that wire, a loop of its own.
        const bool shortedCell = p.Shorted() && p.role == Role::Source;
        if (!p.Carries() && !shortedCell) continue;
        const long double amps = (drop - p.Emf()) / p.ohms;
        r.amps = static_cast<double>(amps);
        ampsError[k] = (voltsError[k] + 4 * kUnit * (std::fabs(drop) + p.Emf())) / p.ohms +
                       2 * kUnit * std::fabs(amps);
        outflow[static_cast<size_t>(FirstTerminal(p.number) - 1)] += r.amps;
        outflow[static_cast<size_t>(SecondTerminal(p.number) - 1)] -= r.amps;
        partErrors += ampsError[k] + kUnit * std::fabs(amps);
        flowSize += std::fabs(amps);
    }
    std::vector<std::array<int, 2>> edges;
    edges.reserve(s.net.joins.size());
    for (const Join& j : s.net.joins) edges.push_back({j.point[0], j.point[1]});
    const std::vector<double> amps = LeastEnergyFlow(s.net.pointCount, edges, outflow);
    result.wireAmps.assign(static_cast<size_t>(s.net.wires) + 1, 0.0);
    for (int l = 1; l <= s.net.wires; ++l) result.wireAmps[l] = amps[static_cast<size_t>(l - 1)];
    // A join's current is a least-energy flow of what the parts draw: each part's error moves at
    // most its own size through any join, and the flow's own arithmetic adds roundings of the
    // order of the whole flow.
    const long double joinError =
        partErrors + 64 * DBL_EPSILON * (flowSize + 1) * static_cast<long double>(edges.size() + 1);
    // Closed switches, ammeters and resistors of 0 ohms are joins of their own.
    for (size_t j = static_cast<size_t>(s.net.wires); j < s.net.joins.size(); ++j) {
        const auto k = static_cast<size_t>(s.net.joins[j].number);
        result.parts[k].amps = amps[j];
        ampsError[k] = joinError;
    }
    // An open switch reads the voltage of its gap, a voltmeter of its terminals: where the two
    // lie in one piece of the circuit, and nothing elsewhere.
    auto gap = [&](int k) {
        PartReading& r = result.parts[static_cast<size_t>(k)];
        const int a = NodeOf(s, FirstTerminal(k)), b = NodeOf(s, SecondTerminal(k));
        r.voltsKnown = a >= 0 && b >= 0 && known[a] && known[b] && pieces.Find(a) == pieces.Find(b);
        if (!r.voltsKnown) return;
        r.volts = static_cast<double>(v[a] - v[b]);
        voltsError[static_cast<size_t>(k)] =
            err[a] + err[b] + 2 * kUnit * (std::fabs(v[a]) + std::fabs(v[b]));
    };
    for (const int k : s.net.openSwitches) gap(k);
    for (const int k : s.net.voltmeters) gap(k);
    for (const int k : s.net.blownFuses) gap(k);

    bool unsettled = false;
    for (size_t k = 1; k < result.parts.size(); ++k) {
        PartReading& r = result.parts[k];
        const std::optional<int64_t> mA = RoundedReading(r.amps, ampsError[k], 1000);
        const std::optional<int64_t> cV = RoundedReading(r.volts, voltsError[k], 100);
        r.milliamps = mA ? *mA : HalfAway(static_cast<long double>(r.amps) * 1000);
        r.centivolts = cV ? *cV : HalfAway(static_cast<long double>(r.volts) * 100);
        r.proved = mA && cV;
        r.ampsError = static_cast<double>(ampsError[k]) * (1 + 4 * DBL_EPSILON) + DBL_MIN;
        unsettled = unsettled || !r.proved;
    }
    if (unsettled) SettleExactly(s, result);
    return result;
}

std::optional<SolveResult::BlownFuse> FuseToBlow(const Board& board, const Solution& s,
                                                 const CircuitReadings& r) {
    struct Candidate {
        int number;
        int16_t rating;  // milliamperes
        double ratio;    // |I| / rating, as the arithmetic gives it
    };
    std::vector<Candidate> over, open;  // over for sure; not yet decided
    for (const KindInfo& info : kKindTable) {
        if (info.role != Role::Fuse) continue;
        for (int l = 1; l <= board.PlacedCount(info.kind); ++l) {
            const ComponentElement& e = board.At(info.kind, l);
            const int k = e.Tag;
            if (!e.Visible || k < 1 || k >= static_cast<int>(r.parts.size())) continue;
            const int16_t rating = board.ValueOf(k);
            if (rating <= 0) continue;  // blown already
            const PartReading& p = r.parts[static_cast<size_t>(k)];
            const double amps = std::fabs(p.amps), limit = rating / 1000.0;
            const Candidate c{k, rating, amps / limit};
            if (amps - p.ampsError > limit) {
                over.push_back(c);
            } else if (amps + p.ampsError > limit) {
                open.push_back(c);
            }
        }
    }
    if (over.empty() && open.empty()) return std::nullopt;
    auto blown = [&](const Candidate& c) {
        return SolveResult::BlownFuse{c.number, r.parts[static_cast<size_t>(c.number)].milliamps,
                                      c.rating};
    };
    // One fuse plainly over, none in doubt: it blows.
    if (over.size() == 1 && open.empty()) return blown(over.front());
    // Else the exact currents decide which are over (strictly) and which is the most over; the
    // lowest number first among equals.
    std::vector<Candidate> all = over;
    all.insert(all.end(), open.begin(), open.end());
    std::sort(all.begin(), all.end(),
              [](const Candidate& a, const Candidate& b) { return a.number < b.number; });
    if (const std::optional<ExactValues> exact = ReadExactly(s, r)) {
        const Candidate* most = nullptr;
        Rational mostRatio;
        for (const Candidate& c : all) {
            const Rational ratio =
                abs(exact->amps[static_cast<size_t>(c.number)]) * 1000 / c.rating;
            if (ratio > 1 && (!most || ratio > mostRatio)) most = &c, mostRatio = ratio;
        }
        if (!most) return std::nullopt;
        return blown(*most);
    }
    // Past the exact path's work: the arithmetic's own answer.
    const Candidate* most = nullptr;
    for (const Candidate& c : all) {
        if (c.ratio > 1 && (!most || c.ratio > most->ratio)) most = &c;
    }
    return most ? std::optional(blown(*most)) : std::nullopt;
}

std::optional<int64_t> RoundedReading(long double x, long double error, int scale) {
    const long double y = x * scale;
    const long double e = error * scale + 4 * kUnit * std::fabs(y) + LDBL_MIN;
    const int64_t low = HalfAway(y - e), high = HalfAway(y + e);
    if (low != high) return std::nullopt;
    return low;
}

CircuitReadings ReadCircuit(const Board& board) {
    if (!ReadNumbers(board).sound) return {};
    const std::optional<Solution> s = Solve(board);
    return s ? ReadSolution(*s) : CircuitReadings{};
}

CircuitReadings ReadCircuit(const Board& board, const SolveResult& solved) {
    if (solved.readings) {
        CircuitReadings readings = *solved.readings;
        if (readings.parts.size() < static_cast<size_t>(board.LastValue()) + 1)
            readings.parts.resize(static_cast<size_t>(board.LastValue()) + 1);
        return readings;
    }
    if (!solved.solution) return ReadCircuit(board);
    CircuitReadings readings = ReadSolution(*solved.solution);
    // Parts placed since carry nothing: placing wires nothing.
    if (readings.parts.size() < static_cast<size_t>(board.LastValue()) + 1)
        readings.parts.resize(static_cast<size_t>(board.LastValue()) + 1);
    return readings;
}

}  // namespace cw
