#include "overlay/overlay_relay.h"

#include "model/numeric.h"
#include "overlay/glasso.h"
#include "toolkit/platform.h"

namespace cw {

OverlayRelay::OverlayRelay(Glasso& glasso, Platform& platform, int32_t mainWindow, int32_t board,
                           const Board& model, ElementHandle elementHandle)
    : glasso_(glasso),
      platform_(platform),
      mainWindow_(mainWindow),
      board_(board),
      model_(model),
      elementHandle_(std::move(elementHandle)) {}

void OverlayRelay::MouseMessage(int32_t message, int32_t wParam, int32_t lParam) {
    const QPoint screen =
        platform_.ClientToScreen(glasso_.hWnd(), QPoint(LParamX(lParam), LParamY(lParam)));
    int32_t w = platform_.Capture();
    if (w == 0) {
        // The pencil keeps new gestures for the overlay; one already running goes on.
        if (glasso_.PenMode()) return;
        w = mainWindow_;
        int32_t prev = 0;
        do {
            prev = w;
            const QPoint p = platform_.ScreenToClient(prev, screen);
            int32_t x = p.x(), y = p.y();
            w = glasso_.ChildAtPoint(prev, x, y);
        } while (w != prev && w != 0);
        if (w == 0) return;
        if (IsButtonDown(static_cast<uint32_t>(message))) platform_.SetCapture(w);
    }
    const QPoint target = platform_.ScreenToClient(w, screen);
    platform_.SendMessageA(w, static_cast<uint32_t>(message), static_cast<uint32_t>(wParam),
                           MakeLParam(target.x(), target.y()));
    if (IsButtonUp(static_cast<uint32_t>(message)) && (wParam & kMkButtons) == 0 &&
        platform_.Capture() == w) {
        platform_.ReleaseCapture();
    }
}

void OverlayRelay::RepaintRequest(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    const QPoint a =
        platform_.ScreenToClient(board_, platform_.ClientToScreen(glasso_.hWnd(), QPoint(x1, y1)));
    const QPoint b =
        platform_.ScreenToClient(board_, platform_.ClientToScreen(glasso_.hWnd(), QPoint(x2, y2)));
    const Rect32 r{a.x(), a.y(), b.x(), b.y()};
    platform_.RedrawWindow(board_, &r);
    for (Kind kind : kKinds) {
        for (int i = 1; i <= model_.PlacedCount(kind); ++i) {
            const ComponentElement& e = model_.At(kind, i);
            const Rect32 area{Nearest32(e.Left), Nearest32(e.Top),
                              Nearest32(static_cast<double>(e.Left) + e.Width),
                              Nearest32(static_cast<double>(e.Top) + e.Height)};
            Rect32 hit;
            if (!IntersectRect(&hit, r, area)) continue;
            const Rect32 local{hit.left - area.left, hit.top - area.top, hit.right - area.left,
                               hit.bottom - area.top};
            platform_.RedrawWindow(elementHandle_(kind, i), &local);
        }
    }
}

}  // namespace cw
