#include "toolkit/image_surface.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace cw {

double ImageSurface::ScaleWidth() const {
    return logicalWidth_ >= 0 ? logicalWidth_ : image_->width() / image_->devicePixelRatio();
}
double ImageSurface::ScaleHeight() const {
    return logicalHeight_ >= 0 ? logicalHeight_ : image_->height() / image_->devicePixelRatio();
}

void ImageSurface::SetLogicalSize(double width, double height) {
    logicalWidth_ = width;
    logicalHeight_ = height;
}

QRegion ImageSurface::DeviceRegion(const QRegion& logical) const {
    const double dpr = image_->devicePixelRatio();
    QRegion device;
    for (const QRect& r : logical) {
        device +=
            QRectF(r.x() * dpr, r.y() * dpr, r.width() * dpr, r.height() * dpr).toAlignedRect();
    }
    return device & image_->rect();
}

void ImageSurface::BeginBatch(const QRegion* clip) {
    EndBatch();
    if (image_->isNull()) return;
    batch_ = std::make_unique<QPainter>(image_);
    if (!clip) return;
    // The painter's clip in device pixels, the same pixels the runs keep to.
    const double dpr = image_->devicePixelRatio();
    batch_->setWorldTransform(QTransform::fromScale(1 / dpr, 1 / dpr));
    batch_->setClipRegion(*clip);
    batch_->resetTransform();
    clip_ = clip->boundingRect();
    if (clip->rectCount() <= 1) return;
    clipRects_.assign(clip->begin(), clip->end());
    clipRows_.assign(static_cast<size_t>(clip_.height()), {});
    const int cellColumns = (clip_.width() + kClipCell - 1) / kClipCell;
    clipCells_.assign(static_cast<size_t>((clip_.height() + kClipCell - 1) / kClipCell), 0);
    for (int i = static_cast<int>(clipRects_.size()) - 1; i >= 0; --i) {
        const QRect& r = clipRects_[static_cast<size_t>(i)];
        for (int row = r.top(); row <= r.bottom(); ++row) {
            ClipRow& c = clipRows_[static_cast<size_t>(row - clip_.top())];
            if (c.end == 0) c.end = i + 1, c.right = r.right();
            c.first = i;
            c.left = r.left();
        }
        if (cellColumns > 64) continue;  // wider than the cells can tell: none passed over
        const int c0 = (r.left() - clip_.left()) / kClipCell;
        const int c1 = (r.right() - clip_.left()) / kClipCell;
        const uint64_t columns = (~uint64_t{0} >> (63 - (c1 - c0))) << c0;
        for (int y = (r.top() - clip_.top()) / kClipCell;
             y <= (r.bottom() - clip_.top()) / kClipCell; ++y)
            clipCells_[static_cast<size_t>(y)] |= columns;
    }
    if (cellColumns > 64) clipCells_.clear();
}

bool ImageSurface::ClipTouches(const QRect& box) const {
    const QRect within = box & clip_;
    if (within.isEmpty()) return false;
    if (clipCells_.empty()) return true;
    const int c0 = (within.left() - clip_.left()) / kClipCell;
    const int c1 = (within.right() - clip_.left()) / kClipCell;
    const uint64_t columns = (~uint64_t{0} >> (63 - (c1 - c0))) << c0;
    for (int y = (within.top() - clip_.top()) / kClipCell;
         y <= (within.bottom() - clip_.top()) / kClipCell; ++y) {
        if (clipCells_[static_cast<size_t>(y)] & columns) return true;
    }
    return false;
}

void ImageSurface::EndBatch() {
    batch_.reset();
    clip_ = QRect();
    clipRects_.clear();
    clipRows_.clear();
    clipCells_.clear();
}

QRect ImageSurface::TakeDrawn() {
    const QRect r = drawn_;
    drawn_ = QRect();
    return r;
}

QPointF ImageSurface::SpareShift(double x, double y) const {
    const double half = std::max(1, State().DrawWidth) / 2.0;
    auto onCentre = [](double edge) {
        return std::fabs(edge - std::floor(edge) - 0.5) < 1e-9 ? 0.5 : 0.0;
    };
    return QPointF(onCentre(x - half), onCentre(y - half));
}

QPainter& ImageSurface::Prepare(QPointF shift) {
    QPainter* p = batch_.get();
    if (!p) {
        single_ = std::make_unique<QPainter>(image_);
        p = single_.get();
    }
    p->setWorldTransform(QTransform::fromTranslate(shift.x(), shift.y()));
    const DrawState& s = State();
    p->setRenderHint(QPainter::Antialiasing, false);
    p->setCompositionMode(s.DrawMode == kDrawModeXor ? QPainter::RasterOp_SourceXorDestination
                                                     : QPainter::CompositionMode_SourceOver);
    p->setPen(QPen(ToQColor(s.ForeColor), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p->setBrush(QBrush());
    return *p;
}

void ImageSurface::Finish(const QRectF& bounds) {
    single_.reset();
    const double pad = State().DrawWidth / 2.0 + 2;
    drawn_ |= bounds.normalized().adjusted(-pad, -pad, pad, pad).toAlignedRect();
}

void ImageSurface::DrawText(double x, double y, double size, const std::string& utf8) {
    if (image_->isNull()) return;
    QPainter& p = Prepare(QPointF());
    const int pixels = std::max(1, static_cast<int>(std::lround(size)));
    if (p.font().pixelSize() != pixels) {
        QFont font = p.font();
        font.setPixelSize(pixels);
        p.setFont(font);
    }
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.drawText(QPointF(x, y), QString::fromStdString(utf8));
    // What a line of labels can cover, without measuring it: no letter is wider than its height.
    Finish(QRectF(x, y - size, size * static_cast<double>(utf8.size()), size * 1.4));
}

bool ImageSurface::Outside(double x1, double y1, double x2, double y2) const {
    if (clip_.isNull()) return false;
    // A pen's whole width and two pixels more on every side: nothing drawn reaches beyond.
    const double dpr = image_->devicePixelRatio();
    const double m = std::max(1, State().DrawWidth) * dpr + 2;
    const QRectF box(QPointF(std::min(x1, x2) * dpr - m, std::min(y1, y2) * dpr - m),
                     QPointF(std::max(x1, x2) * dpr + m, std::max(y1, y2) * dpr + m));
    if (!box.intersects(QRectF(clip_))) return true;
    return !clipRects_.empty() && !ClipTouches(box.toAlignedRect());
}

void ImageSurface::DrawLine(double x1, double y1, double x2, double y2) {
    if (image_->isNull() || Outside(x1, y1, x2, y2)) return;
    if (State().DrawWidth >= 2 && (x1 == x2 || y1 == y2)) {
        // A level or upright thick line is a box of no width whose round pen ends make its caps.
        const QRectF path = QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
        FillRounded(path, 0, 0, State().ForeColor, nullptr);
    } else if (State().DrawWidth >= 2) {
        // QPainter's stroker takes 3 to 5 microseconds for one thick line, too slow for a board
        // of a thousand wires within a frame; the same round-ended shape is laid out here.
        FillCapsule(x1, y1, x2, y2);
    } else {
        Prepare(SpareShift(x1, y1)).drawLine(QPointF(x1, y1), QPointF(x2, y2));
    }
    Finish(QRectF(QPointF(x1, y1), QPointF(x2, y2)));
}

void ImageSurface::DrawBox(double x1, double y1, double x2, double y2) {
    if (image_->isNull()) return;
    // A rounded rectangle without corners: QPainter's aliased boxes come out with unequal
    // edges at a ratio of 1.5.
    const QRectF r = QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
    const Rgb fill = State().FillColor;
    FillRounded(r, 0, 0, State().ForeColor, State().FillStyle == kFillSolid ? &fill : nullptr,
                true);
    Finish(r);
}

void ImageSurface::DrawEllipse(double cx, double cy, double rx, double ry) {
    if (image_->isNull() || Outside(cx - rx, cy - ry, cx + rx, cy + ry)) return;
    // A rounded rectangle all corner: QPainter takes 9 microseconds for a wire's end dot, a
    // full board has two thousand of them, and its 9-pixel dots come out 8 across.
    const QRectF r(cx - rx, cy - ry, 2 * rx, 2 * ry);
    const Rgb fill = State().FillColor;
    FillRounded(r, rx, ry, State().ForeColor, State().FillStyle == kFillSolid ? &fill : nullptr);
    Finish(r);
}

void ImageSurface::DrawDot(double x, double y) {
    if (image_->isNull()) return;
    // A dot is a rounded rectangle of no size whose pen makes a disc: QPainter's own round
    // points come out a pixel short for odd widths at whole coordinates (9 across gives 8).
    const double d = std::max(1, State().DrawWidth);
    FillRounded(QRectF(x, y, 0, 0), 0, 0, State().ForeColor, nullptr);
    Finish(QRectF(x - d / 2, y - d / 2, d, d));
}

void ImageSurface::DrawRoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom,
                                 int32_t cornerW, int32_t cornerH) {
    if (image_->isNull()) return;
    // QPainter rounds the lower corners of an aliased rounded rectangle more than the upper
    // ones, so the body of a resistor came out uneven; the shape is laid out here instead.
    const QRectF r = QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
    const Rgb fill = State().FillColor;
    FillRounded(r, cornerW / 2.0, cornerH / 2.0, State().ForeColor,
                State().FillStyle == kFillSolid ? &fill : nullptr);
    Finish(r);
}

void ImageSurface::FillRounded(const QRectF& path, double rx, double ry, Rgb pen, const Rgb* fill,
                               bool mitred) {
    // Laid out in whole device pixels: the pen a whole number of them wide and the outer edges
    // on pixel boundaries, so opposite edges come out equal at every ratio (1.5 included).
    const double dpr = image_->devicePixelRatio();
    const int width =
        std::max(1, static_cast<int>(std::lround(std::max(1, State().DrawWidth) * dpr)));
    const QPointF shift = SpareShift(path.left(), path.top());
    auto edge = [](double v) { return std::floor(v + 0.5); };
    const double left = edge((path.left() + shift.x()) * dpr - width / 2.0);
    const double top = edge((path.top() + shift.y()) * dpr - width / 2.0);
    const double right = edge((path.right() + shift.x()) * dpr + width / 2.0);
    const double bottom = edge((path.bottom() + shift.y()) * dpr + width / 2.0);
    const QRectF outer(QPointF(left, top), QPointF(right, bottom));
    const QRectF inner = outer.adjusted(width, width, -width, -width);
    const double h = width / 2.0;
    const double orx = mitred ? 0 : rx * dpr + h, ory = mitred ? 0 : ry * dpr + h;
    const double irx = std::max(0.0, rx * dpr - h), iry = std::max(0.0, ry * dpr - h);

    QPainter* p = RunPainter();
    auto run = [&](int row, int from, int to, Rgb colour) { FillRun(p, row, from, to, colour); };
    const bool oneColour = fill && *fill == pen;
    const RoundedShape outside(outer, orx, ory);
    const bool hollow = !oneColour && inner.width() > 0 && inner.height() > 0;
    const RoundedShape inside(hollow ? inner : QRectF(), irx, iry);
    const int firstRow = static_cast<int>(std::floor(outer.top()));
    const int lastRow = static_cast<int>(std::ceil(outer.bottom()));
    for (int row = firstRow; row <= lastRow; ++row) {
        int x0 = 0, x1 = -1;
        if (!outside.Span(row + 0.5, x0, x1)) continue;
        int i0 = 0, i1 = -1;
        if (hollow && inside.Span(row + 0.5, i0, i1)) {
            // Each pixel once, so an XOR shape drawn twice leaves nothing behind.
            run(row, x0, i0 - 1, pen);
            if (fill) run(row, i0, i1, *fill);
            run(row, i1 + 1, x1, pen);
        } else {
            run(row, x0, x1, pen);
        }
    }
}

QPainter* ImageSurface::RunPainter() {
    // Runs of whole rows go straight into our own RGB32 image, many times faster than painter
    // calls for the thousands of small dots and wires a full board has; an image shared with a
    // copy, or of another format, takes the painter.
    if (image_->format() == QImage::Format_RGB32 && image_->isDetached()) {
        // What every run of this shape needs, worked out once.
        runBounds_ = clip_.isNull() ? image_->rect() : (clip_ & image_->rect());
        runBits_ = reinterpret_cast<QRgb*>(image_->bits());
        runStride_ = image_->bytesPerLine() / static_cast<int>(sizeof(QRgb));
        runXor_ = State().DrawMode == kDrawModeXor;
        return nullptr;
    }
    QPainter* p = &Prepare(QPointF());
    const double dpr = image_->devicePixelRatio();
    p->setWorldTransform(QTransform::fromScale(1 / dpr, 1 / dpr));  // device pixels
    return p;
}

void ImageSurface::FillRun(QPainter* p, int row, int from, int to, Rgb colour) {
    if (p) {
        if (to >= from) p->fillRect(QRect(from, row, to - from + 1, 1), ToQColor(colour));
        return;
    }
    from = std::max(from, runBounds_.left());
    to = std::min(to, runBounds_.right());
    if (to < from || row < runBounds_.top() || row > runBounds_.bottom()) return;
    if (clipRects_.empty()) return WriteRun(row, from, to, colour);
    const ClipRow& rects = clipRows_[static_cast<size_t>(row - clip_.top())];
    for (int i = rects.first; i < rects.end; ++i) {
        const QRect& r = clipRects_[static_cast<size_t>(i)];
        const int a = std::max(from, r.left()), b = std::min(to, r.right());
        if (a <= b) WriteRun(row, a, b, colour);
    }
}

void ImageSurface::WriteRun(int row, int from, int to, Rgb colour) {
    QRgb* line = runBits_ + static_cast<ptrdiff_t>(row) * runStride_;
    const QRgb rgb = qRgb(colour.r, colour.g, colour.b);
    if (runXor_) {
        for (int x = from; x <= to; ++x) line[x] ^= rgb & RGB_MASK;
    } else {
        std::fill(line + from, line + to + 1, rgb);
    }
}

void ImageSurface::FillCapsule(double x1, double y1, double x2, double y2) {
    const double dpr = image_->devicePixelRatio();
    const double r = std::lround(State().DrawWidth * dpr) / 2.0;
    const QPointF shift = SpareShift(x1, y1) * dpr;
    const double ax = x1 * dpr + shift.x(), ay = y1 * dpr + shift.y();
    const double bx = x2 * dpr + shift.x(), by = y2 * dpr + shift.y();
    const double dx = bx - ax, dy = by - ay, length2 = dx * dx + dy * dy;
    const double reach = r * std::sqrt(length2);
    const double inverseDx = 1 / dx, inverseMinusDy = -1 / dy;
    QPainter* p = RunPainter();
    int firstRow = static_cast<int>(std::floor(std::min(ay, by) - r));
    int lastRow = static_cast<int>(std::ceil(std::max(ay, by) + r));
    if (!p) {
        // Rows the runs would drop whole are not worked out at all.
        firstRow = std::max(firstRow, runBounds_.top());
        lastRow = std::min(lastRow, runBounds_.bottom());
    }
    // Every point of the shape lies within r of the line through its ends: on a row, within
    // `across` of where the line crosses it.
    const double slope = dx / dy, across = reach / std::fabs(dy) + 1;
    for (int row = firstRow; row <= lastRow; ++row) {
        const double y = row + 0.5;
        const double centre = ax + (y - ay) * slope;
        if (!p && RowClippedAway(row, centre - across, centre + across)) continue;
        double lo = std::numeric_limits<double>::infinity(), hi = -lo;
        for (const auto& [px, py] : {std::pair{ax, ay}, std::pair{bx, by}}) {
            const double h2 = r * r - (y - py) * (y - py);
            if (h2 > 0)
                lo = std::min(lo, px - std::sqrt(h2)), hi = std::max(hi, px + std::sqrt(h2));
        }
        // Between the ends: |cross(d, q - a)| < r |d| and 0 < dot(d, q - a) < |d|^2, both
        // linear in x along the row (neither dx nor dy is 0: level and upright lines are boxes).
        double a = -std::numeric_limits<double>::infinity(), b = -a;
        auto within = [&](double inverseSlope, double m, double low, double high) {
            double u = (low - m) * inverseSlope, v = (high - m) * inverseSlope;
            if (u > v) std::swap(u, v);
            a = std::max(a, u);
            b = std::min(b, v);
        };
        within(inverseMinusDy, dx * (y - ay) + dy * ax, -reach, reach);
        within(inverseDx, -dx * ax + dy * (y - ay), 0, length2);
        if (b > a) lo = std::min(lo, a), hi = std::max(hi, b);
        if (hi <= lo) continue;
        FillRun(p, row, static_cast<int>(std::floor(lo - 0.5)) + 1,
                static_cast<int>(std::floor(hi - 0.5)), State().ForeColor);
    }
}

ImageSurface::RoundedShape::RoundedShape(const QRectF& box, double rx, double ry)
    : top(box.top()),
      bottom(box.bottom()),
      left(box.left() - 0.5),
      right(box.right() - 0.5),
      rx(std::min(rx, box.width() / 2)),
      ry(std::min(ry, box.height() / 2)),
      inverseRy(this->ry > 0 ? 1 / this->ry : 0) {}

bool ImageSurface::RoundedShape::Span(double y, int& first, int& last) const {
    // A centre on the edge counts on the lower and right edges only, as Qt's own pens do.
    if (y <= top || y > bottom) return false;
    // How far the rounded corners pull the row in from the straight sides.
    double inset = 0;
    const double dy = std::max(top + ry - y, y - (bottom - ry)) * inverseRy;
    if (dy > 0) inset = rx * (1 - std::sqrt(std::max(0.0, 1 - dy * dy)));
    first = static_cast<int>(std::floor(left + inset)) + 1;
    last = static_cast<int>(std::floor(right - inset));
    return last >= first;
}

}  // namespace cw
