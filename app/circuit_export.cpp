// The board as a picture: its pixels as the window shows them, or drawn again as shapes by the
// same painters for vector files and print.
#include <QPainter>
#include <QScrollBar>

#include "app/circuit_window.h"
#include "app/current_view.h"
#include "app/focus_marker.h"
#include "render/board_painter.h"
#include "toolkit/image_surface.h"
#include "toolkit/painter_surface.h"

namespace cw {

QRect Circuit::BoardArea() const {
    return QRect(QPoint(0, 0), BoardExtent().toSize());
}

QImage Circuit::BoardImage() const {
    const QRect area = BoardArea();
    if (area.isEmpty()) return {};  // a window shrunk to its strip shows no board
    const qreal ratio = devicePixelRatioF();
    QImage image((QSizeF(area.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(ToQColor(mainPicture_->BackColor()));
    QPainter p(&image);
    if (!view_.Actual()) {
        // Zoomed, the window shows another size: the board is drawn at its own.
        PaintBoard(p);
        return image;
    }
    // What lies over the board, bottom first, as the window stacks it; the focus marker and
    // the strip's controls are not the board.
    for (QObject* o : children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isHidden() || w == static_cast<const QWidget*>(marker_) ||
            w == static_cast<const QWidget*>(hBar_) || w == static_cast<const QWidget*>(vBar_) ||
            !w->geometry().intersects(area))
            continue;
        const ControlInfo c = Identify(w);
        if (c.type == ControlType::Palette || c.type == ControlType::Tool || w == menuPic_)
            continue;
        const QPoint offset = w->pos() - area.topLeft();
        const QRegion clip = QRegion(area.translated(-w->pos())) & w->rect();
        // A picture's own image straight from it: the widget machinery's render costs a board
        // of hundreds of parts more than the copying.
        if (auto* picture = qobject_cast<PictureControl*>(w)) {
            picture->PaintTo(p, offset, clip);
        } else {
            w->render(&p, offset, clip, QWidget::DrawChildren);
        }
    }
    return image;
}

void Circuit::PaintBoard(QPainter& p) const {
    // From the board's own places and sizes, whatever the window's zoom.
    const QRect area = BoardArea();
    p.save();
    p.setClipRect(area);
    p.fillRect(area, ToQColor(mainPicture_->BackColor()));
    {
        PainterSurface wires(p, area.width(), area.height());
        MainPicture_Paint(wires, board_, nullptr);
    }
    for (QObject* o : children()) {  // bottom of the stack first
        auto* part = qobject_cast<PictureControl*>(o);
        if (!part || part->isHidden()) continue;
        const ControlInfo c = Identify(part);
        if (c.type != ControlType::Part) continue;
        const ComponentElement& e = board_.At(c.kind, c.index);
        const QRectF place(e.Left, e.Top, e.Width, e.Height);
        if (!place.intersects(area)) continue;
        p.save();
        p.translate(place.topLeft());
        const QRectF inside(QPointF(0, 0), place.size());
        p.setClipRect(inside, Qt::IntersectClip);
        p.fillRect(inside, ToQColor(part->BackColor()));
        PainterSurface s(p, e.Width, e.Height);
        PaintElement(s, c.kind, c.index);
        p.restore();
    }
    if (!current_->isHidden()) current_->PaintDots(p);
    p.translate(2, 2);  // the notes' corner
    glasso_->PaintStrokes(p, QRectF(area).adjusted(0, 0, -4, -4));
    p.restore();
}

}  // namespace cw
