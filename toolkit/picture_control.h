// A picture control: a widget that keeps its drawing in a persistent image, repaints it at once
// on Refresh by running its Paint handler, and takes mouse input as the platform's messages so
// the pointer is held by the pressed control from press to release.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "render/surface.h"
#include "toolkit/image_surface.h"
#include "toolkit/platform.h"

namespace cw {

class PictureControl final : public QWidget, public MessageTarget {
    Q_OBJECT
  public:
    // border: frame width on each side (the inner area is the outer size less twice it).
    PictureControl(Platform& platform, QWidget* parent, int border = 0);
    ~PictureControl() override;
    PictureControl(const PictureControl&) = delete;
    PictureControl& operator=(const PictureControl&) = delete;

    int32_t Handle() const { return handle_; }
    Rgb BackColor() const { return backColor_; }
    void SetBackColor(Rgb c) { backColor_ = c; }
    void SetPaintHandler(std::function<void(Surface&)> handler) { paint_ = std::move(handler); }

    // Mouse events as (Button, Shift, X, Y), X and Y in the inner area's pixels.
    std::function<void(int, int, float, float)> MouseDown, MouseMove, MouseUp;
    std::function<void()> Click;

    // Fills the image with BackColor, runs the Paint handler and shows the result now.
    void Refresh();
    void Move(float left, float top, float width, float height);
    float ScaleWidth() const { return static_cast<float>(std::max(0, width() - 2 * border_)); }
    float ScaleHeight() const { return static_cast<float>(std::max(0, height() - 2 * border_)); }
    // The surface, for strokes drawn between repaints, and a request to show them.
    Surface& DrawingSurface();
    void ShowPendingStrokes();
    const QImage& Image() const { return image_; }

    void OnMouseMessage(uint32_t message, uint32_t wParam, int x, int y) override;
    void Redraw(const Rect32& area) override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool EnsureImage();  // true when the image was recreated
    void Render(const QRect* clip);
    void Route(QMouseEvent* event);

    Platform& platform_;
    int border_;
    int32_t handle_;
    Rgb backColor_{255, 255, 255};
    std::function<void(Surface&)> paint_;
    QImage image_;
    QImage previous_;  // the image Refresh replaced, to find what changed
    ImageSurface surface_{&image_};
    bool leftPressed_ = false;
};

}  // namespace cw
