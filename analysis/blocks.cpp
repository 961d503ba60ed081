#include "analysis/blocks.h"

#include <algorithm>

namespace cw {

GraphBlocks FindBlocks(int nodeCount, const std::vector<std::pair<int, int>>& edges) {
    const int edgeCount = static_cast<int>(edges.size());
    GraphBlocks result;
    result.blockOf.assign(static_cast<size_t>(edgeCount), -1);
    result.size.reserve(static_cast<size_t>(std::min(edgeCount, nodeCount)));

    // One allocation for the working lists: the edges at each node as one list cut by node
    // (first, edgesAt, fill), the search's order and low numbers, and the edges of the blocks
    // not yet closed (each edge is opened once at most).
    const size_t n = static_cast<size_t>(nodeCount), m = static_cast<size_t>(edgeCount);
    std::vector<int> work(4 * n + 1 + 3 * m, 0);
    int* const first = work.data();
    int* const edgesAt = first + n + 1;
    int* const fill = edgesAt + 2 * m;
    int* const order = fill + n;
    int* const low = order + n;
    int* const open = low + n;
    int opened = 0;
    for (const auto& [a, b] : edges) {
        if (a == b) continue;
        ++first[a + 1];
        ++first[b + 1];
    }
    for (int v = 0; v < nodeCount; ++v) first[v + 1] += first[v];
    std::copy(first, first + n, fill);
    for (int e = 0; e < edgeCount; ++e) {
        const auto [a, b] = edges[e];
        if (a == b) continue;
        edgesAt[fill[a]++] = e;
        edgesAt[fill[b]++] = e;
    }
    std::fill(order, order + n, -1);

    // Depth-first search keeping the edges of the blocks not yet closed on a stack (Tarjan).
    struct Frame {
        int node, viaEdge, next;
    };
    std::vector<Frame> frames;
    frames.reserve(n);
    int time = 0;
    for (int root = 0; root < nodeCount; ++root) {
        if (order[root] >= 0) continue;
        order[root] = low[root] = time++;
        frames.push_back({root, -1, first[root]});
        while (!frames.empty()) {
            Frame& f = frames.back();
            if (f.next < first[f.node + 1]) {
                const int e = edgesAt[f.next++];
                if (e == f.viaEdge) continue;
                const int w = edges[e].first == f.node ? edges[e].second : edges[e].first;
                if (order[w] < 0) {
                    open[opened++] = e;
                    order[w] = low[w] = time++;
                    frames.push_back({w, e, first[w]});
                } else if (order[w] < order[f.node]) {  // a loop closes back to an ancestor
                    open[opened++] = e;
                    low[f.node] = std::min(low[f.node], order[w]);
                }
                continue;
            }
            const Frame done = f;
            frames.pop_back();
            if (frames.empty()) break;
            const int parent = frames.back().node;
            low[parent] = std::min(low[parent], low[done.node]);
            if (low[done.node] >= order[parent]) {  // parent cuts this block off: close it
                const int block = static_cast<int>(result.size.size());
                int count = 0;
                for (;;) {
                    const int e = open[--opened];
                    result.blockOf[e] = block;
                    ++count;
                    if (e == done.viaEdge) break;
                }
                result.size.push_back(count);
            }
        }
    }
    return result;
}

}  // namespace cw
