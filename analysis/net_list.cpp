#include "analysis/net_list.h"

#include <algorithm>
#include <unordered_map>

#include "model/board.h"
#include "model/part_kinds.h"

namespace cw {

Numbering ReadNumbers(const Board& board) {
    Numbering numbering;
    const int last = std::min(board.LastValue(), kMaxComponentNumber);
    numbering.carriers.assign(static_cast<size_t>(std::max(last, 0)) + 1, 0);
    for (Kind kind : kKinds) {
        for (int l = 1; l <= board.PlacedCount(kind); ++l) {
            const int k = board.At(kind, l).Tag;
            if (k < 1 || k > last) {
                numbering.sound = false;
                continue;
            }
            uint8_t& c = numbering.carriers[k];
            if (Info(kind).role != Role::Lamp) c |= Numbering::kNotBulb;
            if ((c & Numbering::kCount) > 0) {
                numbering.sound = false;
                c = static_cast<uint8_t>((c & Numbering::kNotBulb) | 2);
            } else {
                ++c;
            }
        }
    }
    return numbering;
}

std::optional<NetList> BuildNetList(const Board& board, bool closeSwitches) {
    NetList net;
    net.joins.reserve(static_cast<size_t>(board.LastWire() + board.LastValue()));
    net.parts.reserve(static_cast<size_t>(board.LastValue()));
    for (const KindInfo& info : kKindTable) {
        if (info.role == Role::Switch)
            net.openSwitches.reserve(net.openSwitches.size() +
                                     static_cast<size_t>(board.PlacedCount(info.kind)));
    }
    for (int i = 1; i <= board.LastWire(); ++i) {
        const WireRow& w = board.WireTable[i];
        net.joins.push_back({{w.end[0], w.end[1]}});
    }
    net.wires = board.LastWire();
    net.numbers = board.LastValue();
    // Each kind as its role makes it: switches join or are absent, ammeters join, voltmeters are
    // absent, fuses join until they blow, the others are parts (a resistance of 0 a join); switches
    // first, then ammeters, voltmeters, sources, resistances and lamps.
    for (const Role role : {Role::Switch, Role::Ammeter, Role::Voltmeter, Role::Fuse, Role::Source,
                            Role::Resistance, Role::Lamp}) {
        for (const KindInfo& info : kKindTable) {
            if (info.role != role) continue;
            for (int l = 1; l <= board.PlacedCount(info.kind); ++l) {
                const int k = board.At(info.kind, l).Tag;
                const Join join{{FirstTerminal(k), SecondTerminal(k)}, k};
                if (role == Role::Switch) {
                    if (closeSwitches || board.ValueOf(k) == kSwitchClosed) {
                        net.joins.push_back(join);
                    } else {
                        net.openSwitches.push_back(k);
                    }
                    continue;
                }
                if (role == Role::Ammeter) {
                    net.joins.push_back(join);
                    continue;
                }
                if (role == Role::Voltmeter) {
                    net.voltmeters.push_back(k);
                    continue;
                }
                if (role == Role::Fuse) {  // intact: a join; blown: a gap
                    if (board.ValueOf(k) > 0) {
                        net.joins.push_back(join);
                    } else {
                        net.blownFuses.push_back(k);
                    }
                    continue;
                }
                const int ohms = role == Role::Source       ? kCellOhms
                                 : role == Role::Resistance ? board.ValueOf(k)
                                                            : kBulbOhms;
                if (ohms < 0) return std::nullopt;
                if (ohms == 0) {
                    net.joins.push_back(join);
                } else {
                    net.parts.push_back({k, role, ohms, {join.point[0], join.point[1]}});
                }
            }
        }
    }

    // Terminals first, then junctions, then any other NodeId a wire names.
    const int terminals = 2 * board.LastValue(), junctions = board.LastJunction();
    std::unordered_map<int, int> others;  // NodeIds of nothing on the board: rare, kept apart
    auto other = [&](int id) {
        return others.try_emplace(id, terminals + junctions + static_cast<int>(others.size()))
            .first->second;
    };
    auto point = [&](int id) {
        if (id >= 1 && id <= terminals) return id - 1;
        if (id <= -1 && -id <= junctions) return terminals - id - 1;
        return other(id);
    };
    for (Join& j : net.joins) j.point[0] = point(j.point[0]), j.point[1] = point(j.point[1]);
    for (Part& p : net.parts)
        p.terminal[0] = point(p.terminal[0]), p.terminal[1] = point(p.terminal[1]);
    net.pointCount = terminals + junctions + static_cast<int>(others.size());
    return net;
}

Joined JoinNodes(NetList& net) {
    Joined j{0, DisjointSets(net.pointCount), std::vector<int>(net.pointCount, -1)};
    for (const Join& join : net.joins) j.points.Unite(join.point[0], join.point[1]);
    for (Part& p : net.parts) {
        for (int& t : p.terminal) {
            int& node = j.nodeOfRoot[static_cast<size_t>(j.points.Find(t))];
            if (node < 0) node = j.nodeCount++;
            t = node;
        }
    }
    return j;
}

int PruneDeadEnds(std::vector<Part>& parts, int nodeCount) {
    // One allocation for the working lists: each node's uses, the parts at each node as one list
    // cut by node (first, fill, partsAt), and the dead ends waiting (each node waits once at
    // most: its uses reach 1 once).
    const size_t n = static_cast<size_t>(nodeCount);
    std::vector<int> work(4 * n + 1 + 2 * parts.size(), 0);
    int* const uses = work.data();
    int* const first = uses + n;
    int* const fill = first + n + 1;
    int* const deadEnds = fill + n;
    int* const partsAt = deadEnds + n;
    for (const Part& p : parts) {
        if (p.Shorted()) continue;
        for (int t : p.terminal) ++uses[t];
    }
    for (size_t v = 0; v < n; ++v) first[v + 1] = first[v] + uses[v];
    std::copy(first, first + n, fill);
    for (int i = 0; i < static_cast<int>(parts.size()); ++i) {
        if (parts[i].Shorted()) continue;
        for (int t : parts[i].terminal) partsAt[fill[t]++] = i;
    }

    int waiting = 0;
    for (int v = 0; v < nodeCount; ++v) {
        if (uses[v] == 1) deadEnds[waiting++] = v;
    }
    int survivors = first[n] / 2;
    while (waiting > 0) {
        const int v = deadEnds[--waiting];
        for (int s = first[v]; s < first[v + 1]; ++s) {
            Part& p = parts[static_cast<size_t>(partsAt[s])];
            if (p.pruned) continue;
            p.pruned = true;
            --survivors;
            for (int t : p.terminal) {
                if (--uses[t] == 1) deadEnds[waiting++] = t;
            }
        }
    }
    return survivors;
}

int SurvivingNodes(const std::vector<Part>& parts, int nodeCount) {
    std::vector<bool> used(nodeCount, false);
    for (const Part& p : parts) {
        if (p.Carries()) used[p.terminal[0]] = used[p.terminal[1]] = true;
    }
    return static_cast<int>(std::count(used.begin(), used.end(), true));
}

}  // namespace cw
