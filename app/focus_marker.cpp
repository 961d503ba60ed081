#include "app/focus_marker.h"

#include <QPainter>

namespace cw {
namespace {
constexpr int kRingWidth = 2;  // the two-pixel gaps between the strip's items hold it exactly
constexpr int kCrossArm = 8;
}  // namespace

FocusMarker::FocusMarker(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusMarker::Show(const QRect& geometry, const QRegion& shape) {
    setGeometry(geometry);
    setMask(shape);
    show();
    raise();
    update();
}

void FocusMarker::Ring(const QRect& around) {
    cross_ = false;
    const QRect outer = around.adjusted(-kRingWidth, -kRingWidth, kRingWidth, kRingWidth);
    const QRect local(QPoint(0, 0), outer.size());
    Show(outer, QRegion(local) -
                    QRegion(local.adjusted(kRingWidth, kRingWidth, -kRingWidth, -kRingWidth)));
}

void FocusMarker::Cross(QPoint at) {
    cross_ = true;
    const int side = 2 * kCrossArm + 1;
    QRegion shape(QRect(0, kCrossArm - 1, side, 3));
    shape += QRect(kCrossArm - 1, 0, 3, side);
    Show(QRect(at.x() - kCrossArm, at.y() - kCrossArm, side, side), shape);
}

void FocusMarker::paintEvent(QPaintEvent*) {
    // White outside, black inside: it shows on the green board and the yellow strip alike.
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (cross_) {
        p.fillRect(QRect(0, kCrossArm, width(), 1), Qt::black);
        p.fillRect(QRect(kCrossArm, 0, 1, height()), Qt::black);
    } else {
        p.fillRect(rect().adjusted(1, 1, -1, -1), Qt::black);
    }
}

}  // namespace cw
