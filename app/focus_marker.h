// Where the keyboard is: a ring around the focused control, or a cross at the board's keyboard
// cursor. It is a widget of its own above everything else and shaped to what it draws, so the
// pixels of the control it marks never change and the pointer passes through it.
#pragma once

#include <QWidget>

namespace cw {

class FocusMarker final : public QWidget {
  public:
    explicit FocusMarker(QWidget* parent);

    // A two-pixel ring just outside the rectangle (window coordinates).
    void Ring(const QRect& around);
    // A cross centred on the point.
    void Cross(QPoint at);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void Show(const QRect& geometry, const QRegion& shape);
    bool cross_ = false;
};

}  // namespace cw
