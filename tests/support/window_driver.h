// Drives the real window as a learner would: mouse events at window coordinates, delivered by
// Qt to whatever widget lies there, so the overlay, capture and relay all take part.
#pragma once

#include <QPoint>
#include <memory>

#include "app/circuit_window.h"
#include "app/main_window.h"

namespace cw::test {

class WindowDriver {
  public:
    // The circuit window alone, or inside the program's main window (menus, files, undo).
    explicit WindowDriver(bool inMainWindow = false);
    ~WindowDriver();

    Circuit& window() { return *window_; }
    MainWindow* main() { return main_.get(); }
    // The top-level window: the circuit window itself, or the main window around it.
    QWidget& top() { return *top_; }
    // Makes the circuit window w x h (the main window around it grows or shrinks with it).
    void Resize(int w, int h);
    Board& board() { return window_->Model(); }

    void Press(QPoint p, Qt::MouseButton b = Qt::LeftButton);
    void MoveTo(QPoint p);
    void Release(QPoint p, Qt::MouseButton b = Qt::LeftButton);
    // The button comes up where the window never sees it (another client, an iconified window).
    void DropRelease(Qt::MouseButton b) { held_ &= ~b; }
    // Press, a few moves on the way, release.
    void Drag(QPoint from, QPoint to, Qt::MouseButton b = Qt::LeftButton);
    void Click(QPoint p, Qt::MouseButton b = Qt::LeftButton);
    // The event Qt sends after the second press of a double click (the press itself not sent).
    void DoubleClickEvent(QPoint p, Qt::MouseButton b);
    void Wheel(QPoint p, int degrees, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    Qt::MouseButtons Held() const { return held_; }
    // A key pressed and released, delivered to the focused control (the window when none).
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    // Where slot i (0..6) of the palette row is, its centre in window coordinates.
    QPoint SlotCentre(int slot);
    // Just outside the part, beside terminal n: where a press with the line tool starts a wire
    // rather than a drag.
    QPoint BesideTerminal(int n);
    // A board point as the window shows it at its zoom.
    QPoint OnWindow(QPointF board) const;
    // Drags the palette copy of a kind so that its top-left lands at the board point (left,
    // top); returns the index of the element now on the board.
    int Place(Kind kind, int left, int top);
    // The colour of the window's pixel at p, as the screen would show it.
    QRgb PixelAt(QPoint p);

  private:
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<Circuit> owned_;
    Circuit* window_;
    QWidget* top_;
    Qt::MouseButtons held_;
};

}  // namespace cw::test
