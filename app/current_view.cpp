#include "app/current_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>

namespace cw {

namespace {
// The board is repainted in tiles of this size: a frame's dots touch a few of them, and their
// rows of runs make a region Qt takes without sorting.
constexpr int kTile = 32;
constexpr int kFrameMs = 16;  // about 60 frames a second
const QColor kDotFill(255, 224, 0);
const QColor kDotRim(0, 0, 0);
}  // namespace

CurrentView::CurrentView(const Board& board, QWidget* parent) : QWidget(parent), board_(board) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(kFrameMs);
    connect(&timer_, &QTimer::timeout, this, &CurrentView::Frame);
    MakeSprite();
}

void CurrentView::MakeSprite() {
    // One dot drawn once at the zoom: a yellow disc with a dark rim, seen on the blue wires, the
    // green board and the parts' white faces alike.
    const int size = 2 * static_cast<int>(std::ceil(kDotRadius * zoom_)) + 1;
    sprite_ = QImage(size, size, QImage::Format_ARGB32_Premultiplied);
    sprite_.fill(Qt::transparent);
    QPainter p(&sprite_);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kDotRim, zoom_));
    p.setBrush(kDotFill);
    const double c = size / 2.0, r = kDotRadius * zoom_;
    p.drawEllipse(QPointF(c, c), r, r);
}

void CurrentView::SetView(double zoom, QPoint origin) {
    if (zoom == zoom_ && origin == origin_) return;
    if (zoom != zoom_) {
        zoom_ = zoom;
        MakeSprite();
    }
    origin_ = origin;
    update();
}

QPoint CurrentView::At(const FlowDot& d) const {
    return origin_ + QPoint(static_cast<int>(std::lround(d.x * zoom_)),
                            static_cast<int>(std::lround(d.y * zoom_)));
}

void CurrentView::SetCurrents(const std::vector<double>& wireAmps,
                              const std::vector<double>& partAmps) {
    wireAmps_ = wireAmps;
    partAmps_ = partAmps;
    flow_.SetCurrents(board_, wireAmps_, partAmps_, electrons_);
    previous_ = std::move(dots_);
    flow_.Place(board_, dots_);
    MarkTiles(previous_);
    MarkTiles(dots_);
    RepaintMarked();
    UpdateTimer();
}

void CurrentView::SetElectronFlow(bool electrons) {
    if (electrons == electrons_) return;
    electrons_ = electrons;
    SetCurrents(wireAmps_, partAmps_);
}

void CurrentView::Step(double seconds) {
    flow_.Advance(seconds);
    previous_.swap(dots_);
    flow_.Place(board_, dots_);
    MarkTiles(previous_);
    MarkTiles(dots_);
    RepaintMarked();
}

void CurrentView::Frame() {
    const double seconds = static_cast<double>(clock_.restart()) / 1000.0;
    // After a stall (a long solve, a modal dialog) the dots go on from where they were.
    Step(std::min(seconds, 0.1));
}

void CurrentView::UpdateTimer() {
    const bool run = isVisible() && flow_.Moving();
    if (run && !timer_.isActive()) {
        clock_.start();
        timer_.start();
    } else if (!run) {
        timer_.stop();
    }
}

void CurrentView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    UpdateTimer();
}

void CurrentView::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    UpdateTimer();
}

void CurrentView::MarkTiles(const std::vector<FlowDot>& dots) {
    const int columns = (width() + kTile - 1) / kTile, rows = (height() + kTile - 1) / kTile;
    tiles_.resize(static_cast<size_t>(std::max(0, columns * rows)), 0);
    if (columns <= 0 || rows <= 0) return;
    const int reach = sprite_.width() / 2 + 1;
    for (const FlowDot& d : dots) {
        const QPoint at = At(d);
        const int x = at.x(), y = at.y();
        const int c0 = std::max(0, (x - reach) / kTile),
                  c1 = std::min(columns - 1, (x + reach) / kTile);
        const int r0 = std::max(0, (y - reach) / kTile),
                  r1 = std::min(rows - 1, (y + reach) / kTile);
        for (int r = r0; r <= r1; ++r) {
            for (int c = c0; c <= c1; ++c) tiles_[static_cast<size_t>(r * columns + c)] = 1;
        }
    }
}

void CurrentView::RepaintMarked() {
    const int columns = (width() + kTile - 1) / kTile, rows = (height() + kTile - 1) / kTile;
    if (columns <= 0 || rows <= 0) return;
    // Runs of marked tiles, row by row, left to right: sorted and apart, as QRegion wants.
    std::vector<QRect> runs;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns;) {
            if (!tiles_[static_cast<size_t>(r * columns + c)]) {
                ++c;
                continue;
            }
            const int start = c;
            while (c < columns && tiles_[static_cast<size_t>(r * columns + c)]) {
                tiles_[static_cast<size_t>(r * columns + c)] = 0;
                ++c;
            }
            runs.emplace_back(start * kTile, r * kTile, (c - start) * kTile, kTile);
        }
    }
    if (runs.empty()) return;
    QRegion region;
    region.setRects(runs.data(), static_cast<int>(runs.size()));
    update(region);
}

void CurrentView::PaintDots(QPainter& painter) const {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kDotRim, 1));
    painter.setBrush(kDotFill);
    for (const FlowDot& d : dots_) painter.drawEllipse(QPointF(d.x, d.y), kDotRadius, kDotRadius);
}

void CurrentView::UnderChanged(const QRegion& area) {
    const QRegion inside = area & rect();
    if (inside.isEmpty()) return;
    stale_ += inside;
    update(inside);
}

void CurrentView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    under_ = {};
    stale_ = rect();
}

void CurrentView::CopyUnder() {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (under_.size() != pixels || under_.devicePixelRatio() != ratio) {
        under_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        under_.setDevicePixelRatio(ratio);
        stale_ = rect();
    }
    if (stale_.isEmpty() || !parentWidget()) return;
    QPainter p(&under_);
    p.setClipRegion(stale_);
    // The siblings below this sheet, bottom first, as the window stacks them.
    for (QObject* o : parentWidget()->children()) {
        if (o == this) break;
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isHidden() || !w->geometry().intersects(stale_.boundingRect())) continue;
        const QPoint offset = w->pos() - pos();
        w->render(&p, offset, stale_.translated(-offset) & w->rect(), QWidget::DrawChildren);
    }
    stale_ = {};
}

void CurrentView::paintEvent(QPaintEvent* event) {
    CopyUnder();
    QPainter p(this);
    p.drawImage(event->rect(), under_,
                QRectF(QRectF(event->rect()).topLeft() * under_.devicePixelRatio(),
                       QSizeF(event->rect().size()) * under_.devicePixelRatio()));
    const int half = sprite_.width() / 2;
    const QRect area = event->rect().adjusted(-half - 1, -half - 1, half + 1, half + 1);
    for (const FlowDot& d : dots_) {
        const QPoint at = At(d);
        if (area.contains(at)) p.drawImage(at - QPoint(half, half), sprite_);
    }
}

}  // namespace cw
