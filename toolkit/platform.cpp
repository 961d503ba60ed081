#include "toolkit/platform.h"

#include <algorithm>

#include <QWidget>

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
    return m == kWmLButtonDown || m == kWmRButtonDown || m == kWmMButtonDown;
}
bool IsButtonUp(uint32_t m) {
    return m == kWmLButtonUp || m == kWmRButtonUp || m == kWmMButtonUp;
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

int32_t Platform::Register(QWidget* widget, MessageTarget* target, bool excludedFromWalk) {
    entries_.push_back(Entry{widget, target, excludedFromWalk});
    return static_cast<int32_t>(entries_.size() - 1);
}

void Platform::Unregister(int32_t handle) {
    if (handle <= 0 || handle >= static_cast<int32_t>(entries_.size())) return;
    entries_[static_cast<size_t>(handle)] = Entry{};
    if (capture_ == handle) capture_ = 0;
}

const Platform::Entry* Platform::Find(int32_t handle) const {
    if (handle <= 0 || handle >= static_cast<int32_t>(entries_.size())) return nullptr;
    const Entry& e = entries_[static_cast<size_t>(handle)];
    return e.widget ? &e : nullptr;
}

QWidget* Platform::WidgetOf(int32_t handle) const {
    const Entry* e = Find(handle);
    return e ? e->widget.data() : nullptr;
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
    const QPoint p(x, y);
    int32_t best = 0;
    int bestOrder = -1;
    // The widget's children list runs from the bottom of the stack to the top.
    const QObjectList& children = parent->children();
    for (size_t h = 1; h < entries_.size(); ++h) {
        const Entry& e = entries_[h];
        if (!e.widget || e.excluded || e.widget->parentWidget() != parent || e.widget->isHidden())
            continue;
        if (!e.widget->geometry().contains(p)) continue;
        const int order = static_cast<int>(children.indexOf(e.widget.data()));
        if (order > bestOrder) {
            bestOrder = order;
            best = static_cast<int32_t>(h);
        }
    }
    return best != 0 ? best : handle;
}

void Platform::SendMessageA(int32_t handle, uint32_t message, uint32_t wParam, int32_t lParam) {
    const Entry* e = Find(handle);
    if (!e) return;
    if (IsButtonDown(message)) capture_ = handle;
    MessageTarget* target = e->target;
    if (target) target->OnMouseMessage(message, wParam, LParamX(lParam), LParamY(lParam));
    if (IsButtonUp(message) && (wParam & kMkButtons) == 0 && capture_ == handle) capture_ = 0;
}

void Platform::RouteFromToolkit(int32_t from, uint32_t message, uint32_t wParam, QPoint screen) {
    const int32_t to = Find(capture_) ? capture_ : from;
    const QPoint local = ScreenToClient(to, screen);
    SendMessageA(to, message, wParam, MakeLParam(local.x(), local.y()));
}

void Platform::RedrawWindow(int32_t handle, const Rect32* area) {
    const Entry* e = Find(handle);
    if (!e || !e->target) return;
    const QRect all = e->widget->rect();
    e->target->Redraw(area ? *area
                           : Rect32{all.left(), all.top(), all.right() + 1, all.bottom() + 1});
}

}  // namespace cw
