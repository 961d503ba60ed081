// How the board shows in its window: the zoom, and how far the window is scrolled over it (in
// window pixels). Every control on the board is placed through it, and every pointer position is
// taken back through it, so the board's own coordinates are the same at every zoom.
#pragma once

#include <QPointF>
#include <QRect>

#include "model/numeric.h"

namespace cw {

struct BoardView {
    static constexpr double kMinZoom = 0.5;
    static constexpr double kMaxZoom = 3.0;

    double zoom = 1.0;
    QPoint scroll;  // the window pixel the board's origin is scrolled past

    // A board rectangle as the window shows it, rounded as every control's placement is.
    QRect ToWindow(double left, double top, double width, double height) const {
        return QRect(Nearest32(left * zoom) - scroll.x(), Nearest32(top * zoom) - scroll.y(),
                     std::max(0, Nearest32(width * zoom)), std::max(0, Nearest32(height * zoom)));
    }
    // A window point on the board.
    QPointF ToBoard(QPointF window) const {
        return QPointF((window.x() + scroll.x()) / zoom, (window.y() + scroll.y()) / zoom);
    }
    bool Actual() const { return zoom == 1.0 && scroll.isNull(); }
};

}  // namespace cw
