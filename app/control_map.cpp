#include "app/control_map.h"

#include <algorithm>

#include "model/part_kinds.h"
#include "toolkit/picture_control.h"

namespace cw {
namespace {
constexpr std::array<int16_t, 3> kToolOrder = {kToolLine, kToolPencil, kToolDelete};
}  // namespace

void ControlMap::SetFixed(PictureControl* board, PictureControl* line, PictureControl* pencil,
                          PictureControl* erase) {
    board_control_ = board;
    tools_ = {line, pencil, erase};
}

void ControlMap::AddElement(Kind kind, int i, PictureControl* control) {
    auto& controls = elements_[static_cast<size_t>(KindIndex(kind))];
    if (controls.empty()) controls.push_back(nullptr);
    controls.resize(static_cast<size_t>(i));
    controls.push_back(control);
    elementOf_[control] = {kind, i};
}

PictureControl* ControlMap::RemoveLastElement(Kind kind) {
    auto& controls = elements_[static_cast<size_t>(KindIndex(kind))];
    if (controls.size() <= 1) return nullptr;
    PictureControl* c = controls.back();
    controls.pop_back();
    elementOf_.erase(c);
    return c;
}

PictureControl* ControlMap::Element(Kind kind, int i) const {
    const auto& controls = elements_[static_cast<size_t>(KindIndex(kind))];
    if (i < 1 || i >= static_cast<int>(controls.size())) return nullptr;
    return controls[static_cast<size_t>(i)];
}

ControlInfo ControlMap::Identify(const QWidget* control) const {
    if (!control) return {};
    if (control == board_control_) return {ControlType::Board};
    for (size_t t = 0; t < tools_.size(); ++t) {
        if (control == tools_[t]) return {ControlType::Tool, Kind::Cell, 0, kToolOrder[t]};
    }
    const auto found = elementOf_.find(control);
    if (found == elementOf_.end()) return {};
    const auto [kind, i] = found->second;
    if (i > board_.UBound(kind)) return {};  // unloaded, waiting to be destroyed
    const bool copy = i == board_.UBound(kind);
    return {copy ? ControlType::Palette : ControlType::Part, kind, i};
}

std::vector<QWidget*> ControlMap::FocusOrder() const {
    std::vector<QWidget*> order;
    // The strip's copies; the bar's wait hidden, its buttons take the focus for them.
    for (Kind kind : kStripKinds) order.push_back(Element(kind, board_.UBound(kind)));
    order.insert(order.end(), bar_.begin(), bar_.end());
    order.insert(order.end(), tools_.begin(), tools_.end());
    // The parts on the board by number; one being dragged out of the palette has none yet.
    std::vector<std::pair<int, QWidget*>> parts;
    for (Kind kind : kKinds) {
        for (int i = 1; i <= board_.PlacedCount(kind); ++i) {
            const ComponentElement& e = board_.At(kind, i);
            if (e.Visible && e.Tag > 0) parts.emplace_back(e.Tag, Element(kind, i));
        }
    }
    std::sort(parts.begin(), parts.end());
    for (const auto& [number, control] : parts) order.push_back(control);
    order.push_back(board_control_);
    std::erase(order, nullptr);
    return order;
}

}  // namespace cw
