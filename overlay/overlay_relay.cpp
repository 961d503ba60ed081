#include "overlay/overlay_relay.h"

#include <QWidget>

#include "model/numeric.h"
#include "overlay/glasso.h"
#include "toolkit/platform.h"

namespace cw {

void OverlayRelay::MouseMessage(int32_t message, int32_t wParam, int32_t lParam) {
    const QPoint screen =
        platform.ClientToScreen(glasso.hWnd(), QPoint(LParamX(lParam), LParamY(lParam)));
    int32_t w = platform.Capture();
    if (w == 0) {
        // The pencil keeps new gestures for the overlay; one already running goes on.
        if (glasso.PenMode()) return;
        w = mainWindow;
        int32_t prev = 0;
        do {
            prev = w;
            const QPoint p = platform.ScreenToClient(prev, screen);
            int32_t x = p.x(), y = p.y();
            w = glasso.ChildAtPoint(prev, x, y);
        } while (w != prev && w != 0);
        if (w == 0) return;
        if (IsButtonDown(static_cast<uint32_t>(message))) platform.SetCapture(w);
    }
    const QPoint target = platform.ScreenToClient(w, screen);
    platform.SendMessageA(w, static_cast<uint32_t>(message), static_cast<uint32_t>(wParam),
                          MakeLParam(target.x(), target.y()));
    if (IsButtonUp(static_cast<uint32_t>(message)) && (wParam & kMkButtons) == 0 &&
        platform.Capture() == w) {
        platform.ReleaseCapture();
    }
}

void OverlayRelay::RepaintRequest(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    const QPoint a =
        platform.ScreenToClient(board, platform.ClientToScreen(glasso.hWnd(), QPoint(x1, y1)));
    const QPoint b =
        platform.ScreenToClient(board, platform.ClientToScreen(glasso.hWnd(), QPoint(x2, y2)));
    const Rect32 r{a.x(), a.y(), b.x(), b.y()};
    platform.RedrawWindow(board, &r);
    // Each part where its window lies under the area, in that window's own pixels.
    for (Kind kind : kKinds) {
        for (int i = 1; i <= model.PlacedCount(kind); ++i) {
            const int32_t h = elementHandle(kind, i);
            const QWidget* w = platform.WidgetOf(h);
            if (!w) continue;
            const QPoint at = platform.ScreenToClient(board, platform.ClientToScreen(h, {0, 0}));
            const Rect32 area{at.x(), at.y(), at.x() + w->width(), at.y() + w->height()};
            Rect32 hit;
            if (!IntersectRect(&hit, r, area)) continue;
            const Rect32 local{hit.left - area.left, hit.top - area.top, hit.right - area.left,
                               hit.bottom - area.top};
            platform.RedrawWindow(h, &local);
        }
    }
}

}  // namespace cw
