// A picture control: a widget that keeps its drawing in a persistent image, repaints it at once
// on Refresh by running its Paint handler, and turns mouse input straight into its MouseDown,
// MouseMove and MouseUp handlers. Qt's implicit grab keeps every event of a press on the control
// that took it, whatever other buttons come and go; messages relayed through the overlay arrive
// in the platform's encoding and reach the same handlers.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "render/surface.h"
#include "toolkit/board_view.h"
#include "toolkit/image_surface.h"
#include "toolkit/platform.h"

namespace cw {

class PictureControl final : public QWidget {
    Q_OBJECT
  public:
    // border: frame width on each side (the inner area is the outer size less twice it).
    PictureControl(Platform& platform, QWidget* parent, int border = 0);
    PictureControl(const PictureControl&) = delete;
    PictureControl& operator=(const PictureControl&) = delete;

    int32_t Handle() const { return handle_; }
    Rgb BackColor() const { return backColor_; }
    void SetBackColor(Rgb c) { backColor_ = c; }
    void SetPaintHandler(std::function<void(Surface&)> handler) { paint_ = std::move(handler); }
    // A control whose whole picture comes from its Paint handler alone (a part, not a board
    // drawn on between repaints) takes it from the shared picture cache when it was drawn
    // before.
    void SetCached(bool cached) { cached_ = cached; }

    // A control on the board is placed through the board's view, and its events come in board
    // units; it is drawn at the zoom unless it keeps the strip's look (drawn at its own size,
    // as the strip's copies and tool buttons are, whatever the zoom).
    void SetView(const BoardView* view) { view_ = view; }
    void SetDrawnAtZoom(bool atZoom) { drawnAtZoom_ = atZoom; }

    // Mouse events as (Button, Shift, X, Y), X and Y in the inner area's pixels (board units on
    // the board).
    std::function<void(int, int, float, float)> MouseDown, MouseMove, MouseUp;
    std::function<void()> Click;
    // Called when the control takes (true) or loses (false) the keyboard focus.
    std::function<void(bool)> FocusChanged;

    // Fills the image with BackColor, runs the Paint handler and shows the result now.
    void Refresh();
    void Move(float left, float top, float width, float height);
    // The inner area's size in the units its Paint handler draws in.
    float ScaleWidth() const {
        return static_cast<float>(std::max(0, width() - 2 * border_) / DrawScale());
    }
    float ScaleHeight() const {
        return static_cast<float>(std::max(0, height() - 2 * border_) / DrawScale());
    }
    // The surface, for strokes drawn between repaints, and a request to show them.
    Surface& DrawingSurface();
    void ShowPendingStrokes();
    // The picture, drawn now if its drawing was put off.
    const QImage& Image();

    // A relayed message, (x, y) in the control's own coordinates.
    void OnMouseMessage(uint32_t message, uint32_t wParam, int x, int y);
    // Repaints the area (the inner area's pixels) now.
    void Redraw(const Rect32& area);
    // Runs the Paint handler for the area alone (in the units it draws in) and shows it with
    // the next frame: for a change known to lie there.
    void RefreshArea(const QRegion& area);

    // Paints the control as it shows on screen, its top-left corner at `at`, inside clip (the
    // control's own coordinates).
    void PaintTo(QPainter& p, QPoint at, const QRegion& clip);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    // Window pixels per unit of the Paint handler's drawing, and per unit of its events.
    double DrawScale() const { return view_ && drawnAtZoom_ ? view_->zoom : 1.0; }
    double EventScale() const { return view_ ? view_->zoom : 1.0; }
    // The Paint handler's area in window pixels.
    QRect ToWidget(const QRectF& drawn) const;
    bool EnsureImage();  // true when the image was recreated
    // Draws the picture whole if it has no drawing yet or its drawing was put off.
    void Settle();
    void Render(const QRegion* clip);
    // Shows the pixels in the region (device pixels of the image) with the next frame.
    void ShowChanged(const QRegion& changed);
    enum class Action { Down, Move, Up };
    // Runs the handler of one event: button 1 left, 2 right, 4 middle (for moves, those held);
    // shift 1 Shift, 2 Ctrl; (x, y) in the outer area's pixels.
    void Deliver(Action action, int button, int shift, int x, int y);
    void Deliver(Action action, QMouseEvent* event);

    int border_;
    const BoardView* view_ = nullptr;
    bool drawnAtZoom_ = true;
    int32_t handle_;
    Rgb backColor_{255, 255, 255};
    std::function<void(Surface&)> paint_;
    QImage image_;
    QImage previous_;  // the image Refresh replaced, to find what changed
    ImageSurface surface_{&image_};
    bool leftPressed_ = false;
    bool cached_ = false;
    bool stale_ = false;  // a Refresh came while the control was not on screen
};

}  // namespace cw
