// A drawing surface on any QPainter: the painters' shapes as vector paths, for a board drawn
// into an SVG, a PDF, a printer or a picture larger than the screen's. Unlike the image surface
// it lays out nothing in pixels: the pen is centred on its path at its width and Qt smooths the
// edges. The exclusive-or mode of the line tool's rubber band draws as a plain copy.
#pragma once

#include <QPainter>

#include "render/surface.h"

namespace cw {

class PainterSurface final : public Surface {
  public:
    PainterSurface(QPainter& painter, double width, double height)
        : painter_(painter), width_(width), height_(height) {}
    double ScaleWidth() const override { return width_; }
    double ScaleHeight() const override { return height_; }

  protected:
    void DrawText(double x, double y, double size, const std::string& utf8) override;
    void DrawLine(double x1, double y1, double x2, double y2) override;
    void DrawBox(double x1, double y1, double x2, double y2) override;
    void DrawEllipse(double cx, double cy, double rx, double ry) override;
    void DrawDot(double x, double y) override;
    void DrawRoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t cornerW,
                       int32_t cornerH) override;

  private:
    // The pen and brush of the drawing state; joins mitred for boxes.
    void Prepare(bool fill, bool mitred = false);

    QPainter& painter_;
    double width_, height_;
};

}  // namespace cw
