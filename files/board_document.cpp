#include "files/board_document.h"

namespace cw {
namespace {
bool SameRows(const std::vector<JunctionRow>& a, const std::vector<JunctionRow>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](JunctionRow p, JunctionRow q) { return p.x == q.x && p.y == q.y; });
}
bool SameRows(const std::vector<WireRow>& a, const std::vector<WireRow>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](WireRow p, WireRow q) {
        return p.end[0] == q.end[0] && p.end[1] == q.end[1];
    });
}
}  // namespace

bool BoardDocument::SameContent(const BoardDocument& o) const {
    return parts == o.parts && nextNumber == o.nextNumber && SameRows(junctions, o.junctions) &&
           SameRows(wires, o.wires) && notes == o.notes && task == o.task && answers == o.answers;
}

bool operator==(const BoardDocument& a, const BoardDocument& b) {
    return a.width == b.width && a.height == b.height && a.SameContent(b);
}

}  // namespace cw
