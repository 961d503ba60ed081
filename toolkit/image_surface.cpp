#include "toolkit/image_surface.h"

#include <cmath>

namespace cw {
namespace {
QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}
double ScaleOf(const QImage* image, bool width) {
    const double dpr = image->devicePixelRatio();
    return (width ? image->width() : image->height()) / dpr;
}
}  // namespace

double ImageSurface::ScaleWidth() const {
    return ScaleOf(image_, true);
}
double ImageSurface::ScaleHeight() const {
    return ScaleOf(image_, false);
}

void ImageSurface::BeginBatch(const QRect* clip) {
    EndBatch();
    if (image_->isNull()) return;
    batch_ = std::make_unique<QPainter>(image_);
    if (clip) batch_->setClipRect(*clip);
}

void ImageSurface::EndBatch() {
    batch_.reset();
}

QRect ImageSurface::TakeDrawn() {
    const QRect r = drawn_;
    drawn_ = QRect();
    return r;
}

QPainter& ImageSurface::Prepare(bool outline, bool fill, Qt::PenJoinStyle join) {
    QPainter* p = batch_.get();
    if (!p) {
        single_ = std::make_unique<QPainter>(image_);
        p = single_.get();
    }
    const DrawState& s = State();
    p->setRenderHint(QPainter::Antialiasing, false);
    p->setCompositionMode(s.DrawMode == kDrawModeXor ? QPainter::RasterOp_SourceXorDestination
                                                     : QPainter::CompositionMode_SourceOver);
    if (outline) {
        QPen pen(ToQColor(s.ForeColor), std::max(1, s.DrawWidth), Qt::SolidLine,
                 join == Qt::MiterJoin ? Qt::SquareCap : Qt::RoundCap, join);
        p->setPen(pen);
    } else {
        p->setPen(Qt::NoPen);
    }
    p->setBrush(fill ? QBrush(ToQColor(s.FillStyle == kFillSolid ? s.FillColor : s.ForeColor))
                     : QBrush());
    return *p;
}

void ImageSurface::Finish(const QRectF& bounds) {
    single_.reset();
    const double pad = State().DrawWidth / 2.0 + 2;
    drawn_ |= bounds.normalized().adjusted(-pad, -pad, pad, pad).toAlignedRect();
}

void ImageSurface::DrawLine(double x1, double y1, double x2, double y2) {
    if (image_->isNull()) return;
    Prepare(true, false, Qt::RoundJoin).drawLine(QPointF(x1, y1), QPointF(x2, y2));
    Finish(QRectF(QPointF(x1, y1), QPointF(x2, y2)));
}

void ImageSurface::DrawBox(double x1, double y1, double x2, double y2) {
    if (image_->isNull()) return;
    const QRectF r = QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
    Prepare(true, State().FillStyle == kFillSolid, Qt::MiterJoin).drawRect(r);
    Finish(r);
}

void ImageSurface::DrawEllipse(double cx, double cy, double rx, double ry) {
    if (image_->isNull()) return;
    Prepare(true, State().FillStyle == kFillSolid, Qt::RoundJoin)
        .drawEllipse(QPointF(cx, cy), rx, ry);
    Finish(QRectF(cx - rx, cy - ry, 2 * rx, 2 * ry));
}

void ImageSurface::DrawDot(double x, double y) {
    if (image_->isNull()) return;
    const double d = std::max(1, State().DrawWidth);
    QPainter& p = Prepare(false, true, Qt::RoundJoin);
    const QColor colour = ToQColor(State().ForeColor);
    // A disc of exactly d device-independent pixels across: every pixel whose centre lies inside
    // it, row by row, so a wide dot is as wide as it is tall at any scale.
    const double dpr = image_->devicePixelRatio();
    const double cx = x * dpr, cy = y * dpr, radius = d * dpr / 2;
    for (int py = static_cast<int>(std::floor(cy - radius)); py <= std::ceil(cy + radius); ++py) {
        const double dy = py + 0.5 - cy;
        if (std::fabs(dy) >= radius) continue;
        const double half = std::sqrt(radius * radius - dy * dy);
        const int x0 = static_cast<int>(std::ceil(cx - half - 0.5));
        const int x1 = static_cast<int>(std::floor(cx + half - 0.5));
        if (x1 < x0) continue;
        p.fillRect(QRectF(x0 / dpr, py / dpr, (x1 - x0 + 1) / dpr, 1 / dpr), colour);
    }
    Finish(QRectF(x - d / 2, y - d / 2, d, d));
}

void ImageSurface::DrawRoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom,
                                 int32_t cornerW, int32_t cornerH) {
    if (image_->isNull()) return;
    const QRectF r = QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
    Prepare(true, State().FillStyle == kFillSolid, Qt::RoundJoin)
        .drawRoundedRect(r, cornerW / 2.0, cornerH / 2.0, Qt::AbsoluteSize);
    Finish(r);
}

}  // namespace cw
