#include "support/recording_surface.h"

namespace cw {

void RecordingSurface::Record(RecordedOp::Type type, std::array<double, 6> args) {
    ops_.push_back({type, args, State(), {}});
}

void RecordingSurface::DrawLine(double x1, double y1, double x2, double y2) {
    Record(RecordedOp::Type::Line, {x1, y1, x2, y2, 0, 0});
}

void RecordingSurface::DrawBox(double x1, double y1, double x2, double y2) {
    Record(RecordedOp::Type::Box, {x1, y1, x2, y2, 0, 0});
}

void RecordingSurface::DrawEllipse(double cx, double cy, double rx, double ry) {
    Record(RecordedOp::Type::Ellipse, {cx, cy, rx, ry, 0, 0});
}

void RecordingSurface::DrawText(double x, double y, double size, const std::string& utf8) {
    Record(RecordedOp::Type::Text, {x, y, size, 0, 0, 0});
    ops_.back().text = utf8;
}

void RecordingSurface::DrawDot(double x, double y) {
    Record(RecordedOp::Type::Dot, {x, y, 0, 0, 0, 0});
}

void RecordingSurface::DrawRoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom,
                                     int32_t cornerW, int32_t cornerH) {
    Record(
        RecordedOp::Type::RoundRect,
        {static_cast<double>(left), static_cast<double>(top), static_cast<double>(right),
         static_cast<double>(bottom), static_cast<double>(cornerW), static_cast<double>(cornerH)});
}

}  // namespace cw
