#include "analysis/series_parallel.h"

#include <unordered_map>

namespace cw {
namespace {

// Edges merged into larger ones, each remembering whether it runs against the one it joined.
class MergedEdges {
  public:
    int Add(int from, int to) {
        ends_.push_back({from, to});
        parent_.push_back(static_cast<int>(parent_.size()));
        against_.push_back(0);
        return static_cast<int>(parent_.size()) - 1;
    }
    // Makes `part` a piece of `whole`; `against` when it runs the other way.
    void Join(int part, int whole, bool against) {
        parent_[part] = whole;
        against_[part] = against ? 1 : 0;
    }
    // Whether edge e runs against the edge it ended up in, and that edge.
    std::pair<int, bool> Root(int e) {
        int flips = 0, x = e;
        while (parent_[x] != x) flips ^= against_[x], x = parent_[x];
        // Compress the path, keeping each edge's direction relative to the root.
        int y = e, f = flips;
        while (parent_[y] != y) {
            const int up = parent_[y];
            const int upFlips = f ^ against_[y];
            parent_[y] = x;
            against_[y] = static_cast<uint8_t>(f);
            y = up;
            f = upFlips;
        }
        return {x, flips != 0};
    }
    std::pair<int, int> Ends(int e) const { return ends_[e]; }

  private:
    std::vector<std::pair<int, int>> ends_;
    std::vector<int> parent_;
    std::vector<uint8_t> against_;
};

}  // namespace

std::optional<std::vector<int8_t>> SeriesParallelDirections(
    int nodeCount, const std::vector<std::pair<int, int>>& edges, int source, int sink) {
    if (source == sink || edges.empty()) return std::nullopt;
    MergedEdges merged;
    std::vector<std::unordered_map<int, int>> at(static_cast<size_t>(nodeCount));
    std::vector<int> pending;  // nodes that may have just two neighbours

    // Puts edge e (from, to) into the network, merging it with a parallel one.
    auto insert = [&](int e) {
        const auto [from, to] = merged.Ends(e);
        auto found = at[from].find(to);
        if (found == at[from].end()) {
            at[from][to] = e;
            at[to][from] = e;
            return;
        }
        const int other = found->second;
        const int both = merged.Add(from, to);
        merged.Join(e, both, false);
        merged.Join(other, both, merged.Ends(other).first != from);
        at[from][to] = both;
        at[to][from] = both;
        pending.push_back(from);
        pending.push_back(to);
    };
    for (const auto& [a, b] : edges) {
        if (a == b) return std::nullopt;
        insert(merged.Add(a, b));
    }
    for (int n = 0; n < nodeCount; ++n) pending.push_back(n);
    while (!pending.empty()) {
        const int v = pending.back();
        pending.pop_back();
        if (v == source || v == sink || at[v].size() != 2) continue;
        auto it = at[v].begin();
        const auto [u, toU] = *it++;
        const auto [w, toW] = *it;
        // u - v - w becomes one edge from u to w.
        const int chain = merged.Add(u, w);
        merged.Join(toU, chain, merged.Ends(toU).first != u);
        merged.Join(toW, chain, merged.Ends(toW).first != v);
        at[v].clear();
        at[u].erase(v);
        at[w].erase(v);
        insert(chain);
        pending.push_back(u);
        pending.push_back(w);
    }
    // Reduced to one edge from source to sink, and nothing else left?
    if (at[source].size() != 1 || at[source].begin()->first != sink) return std::nullopt;
    for (int n = 0; n < nodeCount; ++n) {
        if (n != source && n != sink && !at[n].empty()) return std::nullopt;
    }
    const int last = at[source].begin()->second;
    const bool lastAgainst = merged.Ends(last).first != source;
    std::vector<int8_t> directions;
    directions.reserve(edges.size());
    for (int e = 0; e < static_cast<int>(edges.size()); ++e) {
        const auto [root, against] = merged.Root(e);
        if (root != last) return std::nullopt;
        directions.push_back(against != lastAgainst ? -1 : 1);
    }
    return directions;
}

}  // namespace cw
