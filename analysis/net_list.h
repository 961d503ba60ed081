// The circuit a board describes, as the solver sees it: every NodeId it names a point, wires and
// closed switches joining points, cells, resistors and bulbs as parts between points; then the
// points joined into nodes and the parts that cannot carry current (dead ends) marked. Plain
// graph work, no arithmetic on currents.
#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "model/part_kinds.h"

namespace cw {

struct Board;

// A placed cell, resistor or bulb (a part whose role is a source, a resistance or a lamp). Its
// terminals hold NodeIds while the net list is built, point indices once it is built, and node
// indices once the points are joined.
struct Part {
    int number = 0;
    Role role = Role::Source;
    int ohms = 0;
    int terminal[2] = {0, 0};
    bool pruned = false;

    bool Shorted() const { return terminal[0] == terminal[1]; }
    bool Carries() const { return !pruned && !Shorted(); }
    long double Emf() const { return role == Role::Source ? kCellVolts : 0.0L; }
};

// Two points joined into one node: a wire, a closed switch, or a resistor of 0 ohms (whose
// number it keeps; 0 for a wire).
struct Join {
    int point[2];
    int number = 0;
};

// The circuit the board describes: every NodeId it names is one point. The joins come in board
// order: wires by row, then closed switches, ammeters, intact fuses, then resistors of 0 ohms,
// each by element index.
struct NetList {
    std::vector<Join> joins;
    std::vector<Part> parts;
    std::vector<int> openSwitches;  // by number
    std::vector<int> voltmeters;    // by number: they draw nothing, so they join nothing
    std::vector<int> blownFuses;    // by number
    int pointCount = 0;
    int wires = 0;    // the first joins, one per WireTable row
    int numbers = 0;  // the board's last ComponentNumber
};

// Sets of 0..n-1 joined by union by size with path halving, in one array: a root holds minus
// its set's size, any other element its parent.
class DisjointSets {
  public:
    explicit DisjointSets(int n) : parent_(static_cast<size_t>(n), -1) {}
    int Find(int x) {
        while (parent_[x] >= 0) {
            const int up = parent_[x];
            if (parent_[up] >= 0) parent_[x] = parent_[up];
            x = up;
        }
        return x;
    }
    // The smaller set goes under the larger, so no path grows long.
    void Unite(int a, int b) {
        a = Find(a), b = Find(b);
        if (a == b) return;
        if (parent_[a] < parent_[b]) std::swap(a, b);  // b is the larger
        parent_[b] += parent_[a];
        parent_[a] = b;
    }
    // Find without shortening paths, for sets that are shared and only read.
    int Root(int x) const {
        while (parent_[x] >= 0) x = parent_[x];
        return x;
    }

  private:
    std::vector<int> parent_;
};

// How many placed components carry each number. On a sound board every placed component carries
// a number of its own in 1..16383 that ValueTable holds: a number then names one component's
// entry and its two terminals, and nothing else.
struct Numbering {
    // Per number: how many carry it (1, or 2 for more) and whether a part other than a bulb does.
    static constexpr uint8_t kCount = 3, kNotBulb = 4;
    std::vector<uint8_t> carriers;
    bool sound = true;

    // The entry of k is a bulb's, however many bulbs carry it, and no other kind's.
    bool BulbEntry(int k) const {
        return k >= 1 && k < static_cast<int>(carriers.size()) && !(carriers[k] & kNotBulb);
    }
};
Numbering ReadNumbers(const Board& board);

// Wires and closed switches become joins, cells, resistors and bulbs parts; every NodeId named
// becomes a point. Empty when a resistor's entry is negative: such a board has no sound answer.
// With closeSwitches, every switch counts as closed. The parts come in the same order either
// way: cells, resistors, bulbs, each by element index.
std::optional<NetList> BuildNetList(const Board& board, bool closeSwitches = false);

// The points joined into nodes: each root point's node index, -1 for points no part touches.
struct Joined {
    int nodeCount = 0;
    DisjointSets points{0};
    std::vector<int> nodeOfRoot;

    int NodeOfPoint(int point) { return nodeOfRoot[static_cast<size_t>(points.Find(point))]; }
};

// Joins the points into nodes and renumbers every part's terminals by node, 0..count-1.
Joined JoinNodes(NetList& net);

// A node met by a single terminal of a part between two nodes is a dead end: the part there
// cannot carry current and is pruned, which may leave its other node a dead end in turn. A
// shorted part (both terminals on one node) is never pruned and never keeps a node alive.
// Gives the number of surviving parts that join two nodes.
int PruneDeadEnds(std::vector<Part>& parts, int nodeCount);

// How many nodes the parts that carry current touch.
int SurvivingNodes(const std::vector<Part>& parts, int nodeCount);

}  // namespace cw
