#include "analysis/explain.h"

#include <algorithm>
#include <cmath>

#include "analysis/net_list.h"
#include "model/board.h"
#include "model/part_kinds.h"

namespace cw {
namespace {

int64_t Milliamps(const CircuitReadings& readings, int k) {
    return k >= 0 && k < static_cast<int>(readings.parts.size())
               ? std::abs(readings.parts[static_cast<size_t>(k)].milliamps)
               : 0;
}

BulbState StateOf(const Board& board, const SolveResult& solved, int bulb) {
    for (int i = 1; i <= board.PlacedCount(LampKind()); ++i) {
        if (board.At(LampKind(), i).Tag == bulb && static_cast<size_t>(i) < solved.bulbs.size())
            return solved.bulbs[static_cast<size_t>(i)];
    }
    return BulbState::Unsolved;
}

// The open switch whose closing alone lights the bulb; 0 when none does alone.
int SwitchThatLights(const Board& board, int bulb) {
    constexpr int kMostTried = 64;  // each a solve of its own
    int tried = 0;
    for (Kind kind : kKinds) {
        if (Info(kind).role != Role::Switch) continue;
        for (int i = 1; i <= board.PlacedCount(kind) && tried < kMostTried; ++i) {
            const ComponentElement& e = board.At(kind, i);
            if (!e.Visible || e.Tag <= 0 || board.ValueOf(e.Tag) != kSwitchOpen) continue;
            ++tried;
            Board closed = board;
            closed.ValueTable[static_cast<size_t>(e.Tag)] = kSwitchClosed;
            SolveCircuit(closed);
            if (closed.ValueOf(bulb) > 0) return e.Tag;
        }
    }
    return 0;
}

// The parts of the bulb's branch (net-list parts that carry current, joined end to end through
// nodes that exactly two of their terminals touch).
std::vector<const Part*> Branch(const NetList& net, int bulb, int nodeCount) {
    std::vector<int> degree(static_cast<size_t>(nodeCount), 0);
    for (const Part& p : net.parts) {
        if (!p.Carries()) continue;
        for (int t : p.terminal) ++degree[static_cast<size_t>(t)];
    }
    const int n = static_cast<int>(net.parts.size());
    DisjointSets runs(n);
    std::vector<int> firstAt(static_cast<size_t>(nodeCount), -1);
    for (int i = 0; i < n; ++i) {
        const Part& p = net.parts[static_cast<size_t>(i)];
        if (!p.Carries()) continue;
        for (int t : p.terminal) {
            if (degree[static_cast<size_t>(t)] != 2) continue;
            int& first = firstAt[static_cast<size_t>(t)];
            if (first < 0) {
                first = i;
            } else {
                runs.Unite(first, i);
            }
        }
    }
    int at = -1;
    for (int i = 0; i < n; ++i) {
        if (net.parts[static_cast<size_t>(i)].number == bulb && net.parts[i].Carries()) at = i;
    }
    std::vector<const Part*> branch;
    if (at < 0) return branch;
    for (int i = 0; i < n; ++i) {
        if (net.parts[static_cast<size_t>(i)].Carries() && runs.Find(i) == runs.Find(at))
            branch.push_back(&net.parts[static_cast<size_t>(i)]);
    }
    return branch;
}

}  // namespace

Explained Explain(const Board& board, const SolveResult& solved, const CircuitReadings& readings,
                  int bulb) {
    Explained e;
    e.bulb = bulb;
    e.milliamps = Milliamps(readings, bulb);
    e.state = StateOf(board, solved, bulb);
    switch (e.state) {
        case BulbState::Shorted:
            e.kind = Explanation::Shorted;
            return e;
        case BulbState::SwitchOpen:
            e.kind = Explanation::OpenSwitch;
            e.other = SwitchThatLights(board, bulb);
            return e;
        case BulbState::CellsCancel:
            e.kind = Explanation::CellsOppose;
            return e;
        case BulbState::Lit:
        case BulbState::TooLittleCurrent:
            break;
        default:
            return e;  // its own reason
    }
    std::optional<NetList> net = BuildNetList(board);
    if (!net) return e;
    Joined joined = JoinNodes(*net);
    PruneDeadEnds(net->parts, joined.nodeCount);
    const std::vector<const Part*> branch = Branch(*net, bulb, joined.nodeCount);
    std::vector<int> cells, bulbs, resistors;
    for (const Part* p : branch) {
        if (p->number == bulb) continue;
        if (p->role == Role::Source) cells.push_back(p->number);
        if (p->role == Role::Lamp) bulbs.push_back(p->number);
        if (p->role == Role::Resistance) resistors.push_back(p->number);
    }
    if (cells.size() >= 2) {
        e.kind = Explanation::CellsAid;
        e.other = *std::min_element(cells.begin(), cells.end());
        return e;
    }
    if (!bulbs.empty()) {
        e.kind = Explanation::SameLoop;
        e.other = *std::min_element(bulbs.begin(), bulbs.end());
        return e;
    }
    if (!resistors.empty()) {
        e.kind = Explanation::ResistorInLoop;
        e.other = *std::min_element(resistors.begin(), resistors.end());
        return e;
    }
    if (cells.empty()) {
        // The cell that gives most, beyond what this branch carries.
        for (const Part& p : net->parts) {
            if (p.role != Role::Source || !p.Carries()) continue;
            const int64_t given = Milliamps(readings, p.number);
            if (given > e.milliamps && given > e.total) {
                e.total = given;
                e.other = p.number;
            }
        }
        if (e.other != 0) {
            e.kind = Explanation::OwnBranch;
            return e;
        }
    }
    return e;
}

}  // namespace cw
