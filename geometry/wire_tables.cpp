#include "geometry/wire_tables.h"

#include "model/board.h"

namespace cw {

int CountWireEnds(const Board& board, int16_t n) {
    int count = 0;
    for (int i = 1; i <= board.LastWire(); ++i) {
        const WireRow& w = board.WireTable[i];
        count += (w.end[0] == n) + (w.end[1] == n);
    }
    return count;
}

void RenameNode(Board& board, int16_t oldId, int16_t newId) {
    for (int i = 1; i <= board.LastWire(); ++i) {
        for (int16_t& e : board.WireTable[i].end) {
            if (e == oldId) e = newId;
        }
    }
}

void RemoveJunction(Board& board, int k) {
    if (k < 1 || k > board.LastJunction()) return;
    for (int i = 1; i <= board.LastWire(); ++i) {
        for (int16_t& e : board.WireTable[i].end) {
            if (-e > k) ++e;
        }
    }
    board.JunctionTable.erase(board.JunctionTable.begin() + k);
}

bool CanAddJunctions(const Board& board, int count) {
    return board.LastJunction() + count <= kMaxTableRows;
}

bool CanAddWire(const Board& board) {
    return board.LastWire() + 1 <= kMaxTableRows;
}

int16_t AddJunction(Board& board, int16_t x, int16_t y) {
    board.JunctionTable.push_back({x, y});
    return static_cast<int16_t>(-board.LastJunction());
}

void AppendWireRow(Board& board, int16_t a, int16_t b) {
    WireRow row;
    row.end[0] = a;
    row.end[1] = b;
    board.WireTable.push_back(row);
}

void RemoveWireRow(Board& board, int l) {
    if (l < 1 || l > board.LastWire()) return;
    board.WireTable.erase(board.WireTable.begin() + l);
}

}  // namespace cw
