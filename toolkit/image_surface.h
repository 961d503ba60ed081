// The drawing surface of a picture control on a persistent Qt image: aliased drawing, the pen
// centred on its path, XOR through the raster operation. The image is kept at the screen's
// resolution (device pixel ratio) while every coordinate stays in logical pixels.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>
#include <memory>

#include "render/surface.h"

namespace cw {

class ImageSurface final : public Surface {
  public:
    explicit ImageSurface(QImage* image) : image_(image) {}
    double ScaleWidth() const override;
    double ScaleHeight() const override;

    // Holds one painter open (clipped to clip when given) for a whole paint handler.
    void BeginBatch(const QRect* clip = nullptr);
    void EndBatch();
    // The area drawn since the last call, in logical pixels; resets it.
    QRect TakeDrawn();

  protected:
    void DrawLine(double x1, double y1, double x2, double y2) override;
    void DrawBox(double x1, double y1, double x2, double y2) override;
    void DrawEllipse(double cx, double cy, double rx, double ry) override;
    void DrawDot(double x, double y) override;
    void DrawRoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t cornerW,
                       int32_t cornerH) override;

  private:
    // The painter for one operation, set up with the drawing state.
    QPainter& Prepare(bool outline, bool fill, Qt::PenJoinStyle join);
    void Finish(const QRectF& bounds);
    bool CanWriteDirectly() const;
    // Sets, in each device-pixel row from top to bottom, the pixels whose centres lie in the
    // span [lo, hi] that span(row centre, lo, hi) gives (false: none), with the pen's mode.
    template <typename Span>
    void FillRows(double top, double bottom, Rgb colour, Span span);
    void FillEllipse(double cx, double cy, double rx, double ry, Rgb colour);
    QImage* image_;
    std::unique_ptr<QPainter> batch_;
    std::unique_ptr<QPainter> single_;
    QRect drawn_;
    QRect clip_;  // device pixels; null for the whole image
};

}  // namespace cw
