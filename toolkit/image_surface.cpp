#include "toolkit/image_surface.h"

#include <algorithm>
#include <cmath>
#include <limits>

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
    if (clip) {
        batch_->setClipRect(*clip);
        const double dpr = image_->devicePixelRatio();
        clip_ = QRectF(clip->x() * dpr, clip->y() * dpr, clip->width() * dpr, clip->height() * dpr)
                    .toAlignedRect();
    }
}

void ImageSurface::EndBatch() {
    batch_.reset();
    clip_ = QRect();
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
    const DrawState& st = State();
    if (st.DrawWidth >= 2 && CanWriteDirectly()) {
        // A thick line with round ends is a capsule: every pixel whose centre lies within half
        // the width of the segment, each exactly once, so an XOR stroke drawn twice vanishes.
        const double dpr = image_->devicePixelRatio();
        const double ax = x1 * dpr, ay = y1 * dpr, bx = x2 * dpr, by = y2 * dpr;
        const double r = st.DrawWidth * dpr / 2;
        const double dx = bx - ax, dy = by - ay, len2 = dx * dx + dy * dy, len = std::sqrt(len2);
        FillRows(std::min(ay, by) - r, std::max(ay, by) + r, st.ForeColor,
                 [&](double yc, double& lo, double& hi) {
                     bool any = false;
                     auto take = [&](double a, double b) {
                         if (b < a) return;
                         lo = any ? std::min(lo, a) : a;
                         hi = any ? std::max(hi, b) : b;
                         any = true;
                     };
                     for (const auto& [px, py] : {std::pair{ax, ay}, std::pair{bx, by}}) {
                         const double h = r * r - (yc - py) * (yc - py);
                         if (h >= 0) take(px - std::sqrt(h), px + std::sqrt(h));
                     }
                     if (len > 0) {
                         // Between the ends: |cross(d, p - a)| <= r |d| and 0 <= dot(d, p - a) <=
                         // |d|^2, both linear in x along the row.
                         double a = -std::numeric_limits<double>::infinity();
                         double b = std::numeric_limits<double>::infinity();
                         auto within = [&](double k, double m, double low, double high) {
                             if (k == 0) {
                                 if (m < low || m > high) b = a - 1;
                                 return;
                             }
                             double u = (low - m) / k, v = (high - m) / k;
                             if (u > v) std::swap(u, v);
                             a = std::max(a, u);
                             b = std::min(b, v);
                         };
                         within(-dy, dx * (yc - ay) + dy * ax, -r * len, r * len);
                         within(dx, -dx * ax + dy * (yc - ay), 0, len2);
                         take(a, b);
                     }
                     return any;
                 });
        Finish(QRectF(QPointF(x1, y1), QPointF(x2, y2)));
        return;
    }
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
    const DrawState& st = State();
    const bool solid = st.FillStyle == kFillSolid;
    const bool oneColour = solid && st.FillColor == st.ForeColor;
    if (CanWriteDirectly() && solid && (oneColour || st.DrawMode != kDrawModeXor)) {
        // A filled ellipse: the pen's outer edge in the pen colour, then the inside of its inner
        // edge in the fill colour (one pass when both are the same, as for the wire dots).
        const double dpr = image_->devicePixelRatio();
        const double half = std::max(1, st.DrawWidth) * dpr / 2;
        FillEllipse(cx * dpr, cy * dpr, rx * dpr + half, ry * dpr + half, st.ForeColor);
        if (!oneColour && rx * dpr > half && ry * dpr > half) {
            FillEllipse(cx * dpr, cy * dpr, rx * dpr - half, ry * dpr - half, st.FillColor);
        }
        Finish(QRectF(cx - rx, cy - ry, 2 * rx, 2 * ry));
        return;
    }
    Prepare(true, solid, Qt::RoundJoin).drawEllipse(QPointF(cx, cy), rx, ry);
    Finish(QRectF(cx - rx, cy - ry, 2 * rx, 2 * ry));
}

void ImageSurface::DrawDot(double x, double y) {
    if (image_->isNull()) return;
    // A disc of exactly DrawWidth pixels across, so a wide dot is as wide as it is tall.
    const double d = std::max(1, State().DrawWidth);
    const double dpr = image_->devicePixelRatio();
    if (CanWriteDirectly()) {
        FillEllipse(x * dpr, y * dpr, d * dpr / 2, d * dpr / 2, State().ForeColor);
    } else {
        Prepare(false, true, Qt::RoundJoin).drawEllipse(QPointF(x, y), d / 2, d / 2);
    }
    Finish(QRectF(x - d / 2, y - d / 2, d, d));
}

void ImageSurface::FillEllipse(double cx, double cy, double rx, double ry, Rgb colour) {
    if (rx <= 0 || ry <= 0) return;
    FillRows(cy - ry, cy + ry, colour, [&](double yc, double& lo, double& hi) {
        const double t = 1 - (yc - cy) * (yc - cy) / (ry * ry);
        if (t < 0) return false;
        const double half = rx * std::sqrt(t);
        lo = cx - half;
        hi = cx + half;
        return true;
    });
}

bool ImageSurface::CanWriteDirectly() const {
    // Direct writes need our own pixel format and a buffer no copy shares with us (a painter
    // open on the image keeps writing to the buffer it began on).
    return image_->format() == QImage::Format_RGB32 && image_->isDetached();
}

template <typename Span>
void ImageSurface::FillRows(double top, double bottom, Rgb colour, Span span) {
    const uint32_t rgb = (uint32_t{colour.r} << 16) | (uint32_t{colour.g} << 8) | colour.b;
    const bool xorPen = State().DrawMode == kDrawModeXor;
    const QRect bounds = clip_.isNull() ? image_->rect() : (clip_ & image_->rect());
    const int firstRow = std::max(bounds.top(), static_cast<int>(std::floor(top)));
    const int lastRow = std::min(bounds.bottom(), static_cast<int>(std::ceil(bottom)));
    for (int row = firstRow; row <= lastRow; ++row) {
        double lo = 0, hi = 0;
        if (!span(row + 0.5, lo, hi)) continue;
        // The pixels whose centres lie in [lo, hi].
        const double first = std::ceil(lo - 0.5), last = std::floor(hi - 0.5);
        const int x0 = static_cast<int>(std::max<double>(first, bounds.left()));
        const int x1 = static_cast<int>(std::min<double>(last, bounds.right()));
        if (x1 < x0) continue;
        auto* line = reinterpret_cast<uint32_t*>(image_->scanLine(row));
        if (xorPen) {
            for (int x = x0; x <= x1; ++x) line[x] ^= rgb;
        } else {
            std::fill(line + x0, line + x1 + 1, 0xFF000000u | rgb);
        }
    }
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
