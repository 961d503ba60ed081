// The blocks of a circuit's graph: its nodes, and one edge per part from terminal node to
// terminal node. A block (biconnected component) is a largest set of edges any two of which lie
// on a common loop, so a part's current is driven only by the cells of its own block; a block
// of one edge is a bridge, a part no loop passes through. Plain graph code, no circuit in it.
#pragma once

#include <utility>
#include <vector>

namespace cw {

struct GraphBlocks {
    // The block of every edge, or -1 for an edge from a node to itself (a shorted part, which
    // belongs to no loop through other parts).
    std::vector<int> blockOf;
    // How many edges each block holds.
    std::vector<int> size;

    bool Bridge(int edge) const { return blockOf[edge] >= 0 && size[blockOf[edge]] == 1; }
};

// Nodes are 0..nodeCount-1; parallel edges are allowed (two of them form a block). Linear in
// nodes and edges, and iterative, so a chain of 16,000 parts needs no deep call stack.
GraphBlocks FindBlocks(int nodeCount, const std::vector<std::pair<int, int>>& edges);

}  // namespace cw
