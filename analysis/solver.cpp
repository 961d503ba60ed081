#include "analysis/solver.h"

#include <algorithm>
#include <cmath>

#include "analysis/elimination.h"
#include "model/board.h"
#include "model/numeric.h"

namespace cw {
namespace {

constexpr int kCellCode = 0;
constexpr int kResistorCode = 1;
constexpr int kBulbCode = 2;

struct Branch {
    int number;
    int kind;
    int a;
    int b;
};

// Every later row takes the higher label wherever it held the lower one.
void MergeForward(NetTable& net, int row) {
    const int16_t lo = MinInt(net[row][0], net[row][1]);
    const int16_t hi = MaxInt(net[row][0], net[row][1]);
    for (size_t j = static_cast<size_t>(row) + 1; j < net.size(); ++j) {
        if (net[j][0] == lo) net[j][0] = hi;
        if (net[j][1] == lo) net[j][1] = hi;
    }
}

int PlacedCount(const Board& board, Kind kind) {
    return board.UBound(kind) > 1 ? board.UBound(kind) - 1 : 0;
}

}  // namespace

int CountNodeUses(const NetTable& net, int firstComponentRow, int16_t label) {
    int count = 0;
    for (size_t j = static_cast<size_t>(firstComponentRow); j < net.size(); ++j) {
        count += (net[j][0] == label) + (net[j][1] == label);
    }
    return count;
}

PruneResult PruneDeadEnds(NetTable& net, int firstComponentRow) {
    // Label use counts kept up to date while rows are pruned, so that each test gives what
    // CountNodeUses would give at that moment without rescanning the rows.
    int lowest = -1, highest = -1;
    for (size_t j = static_cast<size_t>(firstComponentRow); j < net.size(); ++j) {
        for (int16_t label : net[j]) {
            lowest = std::min<int>(lowest, label);
            highest = std::max<int>(highest, label);
        }
    }
    std::vector<int> uses(static_cast<size_t>(highest - lowest) + 1, 0);
    auto slot = [lowest](int16_t label) { return static_cast<size_t>(label - lowest); };
    for (size_t j = static_cast<size_t>(firstComponentRow); j < net.size(); ++j) {
        ++uses[slot(net[j][0])];
        ++uses[slot(net[j][1])];
    }
    auto prune = [&](std::array<int16_t, 2>& row) {
        --uses[slot(row[0])];
        --uses[slot(row[1])];
        row = {-1, -1};
        uses[slot(-1)] += 2;
    };
    PruneResult result;
    for (size_t j = static_cast<size_t>(firstComponentRow); j < net.size(); ++j) {
        std::array<int16_t, 2>& row = net[j];
        if (row[0] != -1 && uses[slot(row[0])] < 2) {
            prune(row);
            result.changed = true;
        }
        if (row[1] != -1 && uses[slot(row[1])] < 2) {
            prune(row);
            result.changed = true;
        }
        if (row[0] != -1 || row[1] != -1) ++result.survivors;
        result.largestLabel = std::max<int>(result.largestLabel, MaxInt(row[0], row[1]));
    }
    return result;
}

void SolveCircuit(Board& board, const BulbRefresh& refreshBulb, EliminationKind elimination) {
    const int placedBulbs = PlacedCount(board, Kind::Light);
    if (board.UBound(Kind::Light) <= 1) return;

    const ComponentArray& lights = board.Array(Kind::Light);
    auto repaintBulbs = [&] {
        if (!refreshBulb) return;
        for (int l = 1; l <= placedBulbs; ++l) refreshBulb(l);
    };
    auto setValue = [&](int k, int16_t v) {
        if (k >= 0 && k <= board.LastValue()) board.ValueTable[static_cast<size_t>(k)] = v;
    };
    for (int l = 1; l <= placedBulbs; ++l) {
        setValue(lights[static_cast<size_t>(l)].Tag, 0);
        if (refreshBulb) refreshBulb(l);
    }

    const int W = board.LastWire();
    const int PS = PlacedCount(board, Kind::Swit);
    const int PC = PlacedCount(board, Kind::Cell);
    const int PR = PlacedCount(board, Kind::Resi);
    const int rows = W + PS + PC + PR + placedBulbs;
    if (rows > kInt16Max) {
        repaintBulbs();
        return;
    }

    // Net list: wires, switches, then cells, resistors and bulbs with their part rows.
    NetTable net;
    net.reserve(static_cast<size_t>(rows) + 1);
    net.push_back({0, 0});
    for (int i = 1; i <= W; ++i) {
        const WireRow& w = board.WireTable[static_cast<size_t>(i)];
        net.push_back({w.end[0], w.end[1]});
    }
    auto addComponentRows = [&](Kind kind, int code, std::vector<std::array<int, 2>>* parts) {
        const ComponentArray& array = board.Array(kind);
        for (int l = 1; l <= PlacedCount(board, kind); ++l) {
            const int k = array[static_cast<size_t>(l)].Tag;
            net.push_back({FirstTerminal(k), SecondTerminal(k)});
            if (parts) parts->push_back({k, code});
        }
    };
    std::vector<std::array<int, 2>> parts;  // PartTable, from row 1 at index 0
    addComponentRows(Kind::Swit, 0, nullptr);
    addComponentRows(Kind::Cell, kCellCode, &parts);
    addComponentRows(Kind::Resi, kResistorCode, &parts);
    addComponentRows(Kind::Light, kBulbCode, &parts);

    for (int i = 1; i <= W; ++i) MergeForward(net, i);
    const ComponentArray& switches = board.Array(Kind::Swit);
    for (int l = 1; l <= PS; ++l) {
        if (board.ValueOf(switches[static_cast<size_t>(l)].Tag) == 0) MergeForward(net, W + l);
    }

    const int firstComponentRow = W + PS + 1;
    PruneResult pass;
    do {
        pass = PruneDeadEnds(net, firstComponentRow);
    } while (pass.changed);
    const int B = pass.survivors;
    if (pass.largestLabel == -1 || B == 0) {
        repaintBulbs();
        return;
    }

    // Compact node numbers in order of first appearance.
    std::vector<int> nodeNumber(static_cast<size_t>(pass.largestLabel) + 1, 0);
    std::vector<Branch> branches;
    branches.reserve(static_cast<size_t>(B));
    int next = 1;
    for (int j = firstComponentRow; j <= rows; ++j) {
        const auto& row = net[static_cast<size_t>(j)];
        if (row[0] == -1 && row[1] == -1) continue;
        const auto& part = parts[static_cast<size_t>(j - firstComponentRow)];
        branches.push_back({part[0], part[1], row[0], row[1]});
        for (int16_t label : row) {
            if (nodeNumber[static_cast<size_t>(label)] == 0)
                nodeNumber[static_cast<size_t>(label)] = next++;
        }
    }
    for (Branch& br : branches) {
        br.a = nodeNumber[static_cast<size_t>(br.a)];
        br.b = nodeNumber[static_cast<size_t>(br.b)];
    }
    const int N = next - 1;
    if (B + N + 2 > kInt16Max) {
        repaintBulbs();
        return;
    }

    // Branch rows: potential(a) - potential(b) - R x current = E. Node rows: currents in less
    // currents out. Coefficients that land on one element are added, so a shorted branch cancels.
    SystemMatrix m(B + N);
    const int rhs = B + N + 1;
    for (int i = 1; i <= B; ++i) {
        const Branch& br = branches[static_cast<size_t>(i - 1)];
        float R = 10.0f, E = 0.0f;
        if (br.kind == kCellCode) {
            R = 1.0f;
            E = 1.5f;
        } else if (br.kind == kResistorCode) {
            R = static_cast<float>(board.ValueOf(br.number));
        }
        m.At(i, B + br.a) += 1.0f;
        m.At(i, B + br.b) += -1.0f;
        m.At(i, i) = -R;
        m.At(i, rhs) = E;
        m.At(B + br.a, i) += -1.0f;
        m.At(B + br.b, i) += 1.0f;
    }
    if (elimination == EliminationKind::Dense) {
        EliminateDense(m);
    } else {
        EliminateSparse(m);
    }

    for (int i = 1; i <= B; ++i) {
        const Branch& br = branches[static_cast<size_t>(i - 1)];
        if (br.kind != kBulbCode) continue;
        const double scaled = std::floor(static_cast<double>(m.At(i, rhs)) * 100.0);
        setValue(br.number, std::isfinite(scaled) ? Saturate16(std::fabs(scaled)) : int16_t{0});
    }
    repaintBulbs();
}

}  // namespace cw
