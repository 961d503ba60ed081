#include "render/surface.h"

#include <cmath>

namespace cw {

void Surface::Line(double x1, double y1, double x2, double y2) {
    DrawLine(x1, y1, x2, y2);
    currentX_ = x2;
    currentY_ = y2;
}

void Surface::Box(double x1, double y1, double x2, double y2) {
    DrawBox(x1, y1, x2, y2);
    currentX_ = x2;
    currentY_ = y2;
}

void Surface::Circle(double x, double y, double r, double aspect) {
    currentX_ = x;
    currentY_ = y;
    // A degenerate aspect (a zero-width glass) draws nothing rather than an ellipse of NaNs.
    if (!std::isfinite(aspect) || !std::isfinite(r) || aspect <= 0) return;
    const double rx = aspect < 1 ? r : r / aspect;
    const double ry = aspect < 1 ? r * aspect : r;
    DrawEllipse(x, y, rx, ry);
}

void Surface::PSet(double x, double y) {
    DrawDot(x, y);
    currentX_ = x;
    currentY_ = y;
}

void Surface::RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t cornerW,
                        int32_t cornerH) {
    DrawRoundRect(left, top, right, bottom, cornerW, cornerH);
}

}  // namespace cw
