#include "toolkit/platform.h"

#include <QWidget>
#include <algorithm>

#include "model/numeric.h"
#include "toolkit/picture_control.h"

namespace cw {

int32_t MakeLParam(int x, int y) {
    const uint32_t lo = static_cast<uint16_t>(static_cast<int16_t>(x));
    const uint32_t hi = static_cast<uint16_t>(static_cast<int16_t>(y));
    return static_cast<int32_t>(lo | (hi << 16));
}

int16_t LParamX(int32_t lParam) {
    return static_cast<int16_t>(static_cast<uint32_t>(lParam) & 0xFFFF);
}
int16_t LParamY(int32_t lParam) {
    return static_cast<int16_t>(static_cast<uint32_t>(lParam) >> 16);
}

bool IsButtonDown(uint32_t m) {
    return m == kWmLButtonDown || m == kWmRButtonDown || m == kWmMButtonDown || m == kWmXButtonDown;
}
bool IsButtonUp(uint32_t m) {
    return m == kWmLButtonUp || m == kWmRButtonUp || m == kWmMButtonUp || m == kWmXButtonUp;
}

bool IntersectRect(Rect32* out, const Rect32& a, const Rect32& b) {
    const Rect32 r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                   std::min(a.bottom, b.bottom)};
    if (a.IsEmpty() || b.IsEmpty() || r.IsEmpty()) {
        *out = Rect32{};
        return false;
    }
    *out = r;
    return true;
}

void MoveWindow(QWidget& widget, float left, float top, float width, float height) {
    widget.setGeometry(Nearest32(left), Nearest32(top), std::max(0, Nearest32(width)),
                       std::max(0, Nearest32(height)));
}

int32_t Platform::Register(QWidget* widget, bool excludedFromWalk) {
    int32_t handle = static_cast<int32_t>(entries_.size());
    if (free_.empty()) {
        entries_.push_back({});
    } else {
        handle = free_.back();
        free_.pop_back();
    }
    entries_[handle] = Entry{widget, excludedFromWalk};
    handles_[widget] = handle;
    QObject::connect(widget, &QObject::destroyed, &watcher_, [this, handle, widget] {
        handles_.erase(widget);
        entries_[handle] = Entry{};
        free_.push_back(handle);
        if (capture_ == handle) capture_ = 0;
    });
    return handle;
}

QWidget* Platform::WidgetOf(int32_t handle) const {
    if (handle <= 0 || handle >= static_cast<int32_t>(entries_.size())) return nullptr;
    return entries_[handle].widget.data();
}

QPoint Platform::ClientToScreen(int32_t handle, QPoint p) const {
    QWidget* w = WidgetOf(handle);
    return w ? w->mapToGlobal(p) : p;
}

QPoint Platform::ScreenToClient(int32_t handle, QPoint p) const {
    QWidget* w = WidgetOf(handle);
    return w ? w->mapFromGlobal(p) : p;
}

int32_t Platform::ChildAtPoint(int32_t handle, int x, int y) const {
    QWidget* parent = WidgetOf(handle);
    if (!parent) return 0;
    // The children list runs from the bottom of the stack to the top.
    const QObjectList& children = parent->children();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        if (!(*it)->isWidgetType()) continue;
        const auto* child = static_cast<const QWidget*>(*it);
        if (child->isHidden() || !child->geometry().contains(x, y)) continue;
        const auto found = handles_.find(child);
        if (found == handles_.end() || entries_[found->second].excluded) continue;
        return found->second;
    }
    return handle;
}

void Platform::SendMessageA(int32_t handle, uint32_t message, uint32_t wParam, int32_t lParam) {
    if (auto* control = qobject_cast<PictureControl*>(WidgetOf(handle))) {
        control->OnMouseMessage(message, wParam, LParamX(lParam), LParamY(lParam));
    }
}

int32_t Platform::Capture() const {
    return WidgetOf(capture_) ? capture_ : 0;
}

void Platform::RedrawWindow(int32_t handle, const Rect32* area) {
    auto* control = qobject_cast<PictureControl*>(WidgetOf(handle));
    if (!control) return;
    const QRect all = control->rect();
    control->Redraw(area ? *area
                         : Rect32{all.left(), all.top(), all.right() + 1, all.bottom() + 1});
}

}  // namespace cw
