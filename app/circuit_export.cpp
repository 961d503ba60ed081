// The board as a picture: its pixels as the window shows them, or drawn again as shapes by the
// same painters for vector files and print.
#include <QPainter>

#include "app/circuit_window.h"
#include "app/current_view.h"
#include "app/focus_marker.h"
#include "render/board_painter.h"
#include "toolkit/image_surface.h"
#include "toolkit/painter_surface.h"

namespace cw {

QRect Circuit::BoardArea() const {
    return mainPicture_->geometry();
}

QImage Circuit::BoardImage() const {
    const QRect area = BoardArea();
    if (area.isEmpty()) return {};  // a window shrunk to its strip shows no board
    const qreal ratio = devicePixelRatioF();
    QImage image((QSizeF(area.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(ToQColor(mainPicture_->BackColor()));
    QPainter p(&image);
    // What lies over the board, bottom first, as the window stacks it; the focus marker and
    // the strip's controls are not the board.
    for (QObject* o : children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isHidden() || w == static_cast<const QWidget*>(marker_) ||
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
    const QRect area = BoardArea();
    p.save();
    p.setClipRect(QRect(QPoint(0, 0), area.size()));
    p.fillRect(QRect(QPoint(0, 0), area.size()), ToQColor(mainPicture_->BackColor()));
    {
        PainterSurface wires(p, area.width(), area.height());
        MainPicture_Paint(wires, board_, nullptr);
    }
    for (QObject* o : children()) {
        auto* part = qobject_cast<PictureControl*>(o);
        if (!part || part->isHidden() || !part->geometry().intersects(area)) continue;
        const ControlInfo c = Identify(part);
        if (c.type != ControlType::Part) continue;
        p.save();
        p.translate(part->pos() - area.topLeft());
        p.setClipRect(part->rect(), Qt::IntersectClip);
        p.fillRect(part->rect(), ToQColor(part->BackColor()));
        PainterSurface s(p, part->ScaleWidth(), part->ScaleHeight());
        PaintElement(s, c.kind, c.index);
        p.restore();
    }
    if (!current_->isHidden()) {
        p.save();
        p.translate(current_->pos() - area.topLeft());
        current_->PaintDots(p);
        p.restore();
    }
    p.translate(glasso_->pos() - area.topLeft());
    glasso_->PaintStrokes(p, glasso_->rect());
    p.restore();
}

}  // namespace cw
