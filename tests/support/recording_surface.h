// A surface that draws nothing and logs every operation with its exact arguments and the drawing
// state it was made with, so tests can check a symbol's coordinates and colours.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "render/surface.h"

namespace cw {

struct RecordedOp {
    enum class Type { Line, Box, Ellipse, Dot, RoundRect, Text };
    Type type;
    std::array<double, 6> args{};  // Line/Box: x1 y1 x2 y2; Ellipse: cx cy rx ry; Dot: x y;
                                   // RoundRect: left top right bottom cornerW cornerH
    DrawState state;
    std::string text;  // Text: what it says; args x y size
};

class RecordingSurface final : public Surface {
  public:
    RecordingSurface(double width, double height) : width_(width), height_(height) {}
    double ScaleWidth() const override { return width_; }
    double ScaleHeight() const override { return height_; }
    const std::vector<RecordedOp>& Ops() const { return ops_; }
    void Clear() { ops_.clear(); }

  protected:
    void DrawText(double x, double y, double size, const std::string& utf8) override;
    void DrawLine(double x1, double y1, double x2, double y2) override;
    void DrawBox(double x1, double y1, double x2, double y2) override;
    void DrawEllipse(double cx, double cy, double rx, double ry) override;
    void DrawDot(double x, double y) override;
    void DrawRoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t cornerW,
                       int32_t cornerH) override;

  private:
    void Record(RecordedOp::Type type, std::array<double, 6> args);
    double width_, height_;
    std::vector<RecordedOp> ops_;
};

}  // namespace cw
