#include "toolkit/painter_surface.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "toolkit/image_surface.h"

namespace cw {

void PainterSurface::Prepare(bool fill, bool mitred) {
    QPen pen(ToQColor(State().ForeColor), std::max(1, State().DrawWidth), Qt::SolidLine,
             Qt::RoundCap, mitred ? Qt::MiterJoin : Qt::RoundJoin);
    painter_.setPen(pen);
    painter_.setBrush(fill && State().FillStyle == kFillSolid ? QBrush(ToQColor(State().FillColor))
                                                              : Qt::NoBrush);
    painter_.setRenderHint(QPainter::Antialiasing, true);
}

void PainterSurface::DrawText(double x, double y, double size, const std::string& utf8) {
    QFont font = painter_.font();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(size))));
    painter_.setFont(font);
    painter_.setPen(ToQColor(State().ForeColor));
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.drawText(QPointF(x, y), QString::fromStdString(utf8));
}

void PainterSurface::DrawLine(double x1, double y1, double x2, double y2) {
    Prepare(false);
    painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void PainterSurface::DrawBox(double x1, double y1, double x2, double y2) {
    Prepare(true, true);
    painter_.drawRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized());
}

void PainterSurface::DrawEllipse(double cx, double cy, double rx, double ry) {
    Prepare(true);
    painter_.drawEllipse(QPointF(cx, cy), rx, ry);
}

void PainterSurface::DrawDot(double x, double y) {
    const double r = std::max(1, State().DrawWidth) / 2.0;
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(ToQColor(State().ForeColor));
    painter_.drawEllipse(QPointF(x, y), r, r);
}

void PainterSurface::DrawRoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom,
                                   int32_t cornerW, int32_t cornerH) {
    Prepare(true);
    painter_.drawRoundedRect(QRectF(QPointF(left, top), QPointF(right, bottom)).normalized(),
                             cornerW / 2.0, cornerH / 2.0);
}

}  // namespace cw
