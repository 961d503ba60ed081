#include "overlay/overlay_relay.h"

#include "model/numeric.h"
#include "overlay/glasso.h"
#include "toolkit/platform.h"

namespace cw {

void Glasso1_MouseMessage(const RelayContext& c, int32_t message, int32_t wParam, int32_t lParam) {
    if (c.glasso.PenMode()) return;
    const QPoint screen =
        c.platform.ClientToScreen(c.glasso.hWnd(), QPoint(LParamX(lParam), LParamY(lParam)));
    int32_t w = c.mainWindow;
    int32_t prev = 0;
    do {
        prev = w;
        const QPoint p = c.platform.ScreenToClient(prev, screen);
        int32_t x = p.x(), y = p.y();
        w = c.glasso.ChildAtPoint(prev, x, y);
    } while (w != prev && w != 0);
    if (w == 0) return;
    const QPoint target = c.platform.ScreenToClient(w, screen);
    c.platform.SendMessageA(w, static_cast<uint32_t>(message), static_cast<uint32_t>(wParam),
                            MakeLParam(target.x(), target.y()));
}

void Glasso1_RepaintRequest(const RelayContext& c, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    const QPoint a = c.platform.ScreenToClient(
        c.board, c.platform.ClientToScreen(c.glasso.hWnd(), QPoint(x1, y1)));
    const QPoint b = c.platform.ScreenToClient(
        c.board, c.platform.ClientToScreen(c.glasso.hWnd(), QPoint(x2, y2)));
    const Rect32 r{a.x(), a.y(), b.x(), b.y()};
    c.platform.RedrawWindow(c.board, &r);
    for (Kind kind : kKinds) {
        const ComponentArray& array = c.model.Array(kind);
        for (int i = 1; i + 1 < static_cast<int>(array.size()); ++i) {
            const ComponentElement& e = array[static_cast<size_t>(i)];
            const Rect32 area{Nearest32(e.Left), Nearest32(e.Top),
                              Nearest32(static_cast<double>(e.Left) + e.Width),
                              Nearest32(static_cast<double>(e.Top) + e.Height)};
            Rect32 hit;
            if (!IntersectRect(&hit, r, area)) continue;
            const Rect32 local{hit.left - area.left, hit.top - area.top, hit.right - area.left,
                               hit.bottom - area.top};
            c.platform.RedrawWindow(c.elementHandle(kind, i), &local);
        }
    }
}

}  // namespace cw
