// Our own overlay: a transparent widget over the board that draws and edits the learner's
// freehand strokes, polylines kept in the notes it is given (the circuit model's). With the pencil
// a left drag draws (dark pen, 2 pixels) and a right drag (or a left one, erasing) erases the
// strokes it touches and asks the host to repaint what lay under them; otherwise every message is
// reported to the host in the platform's encoding.
#pragma once

#include <QPolygonF>
#include <QTransform>
#include <QWidget>
#include <functional>
#include <vector>

#include "overlay/glasso.h"

class QPainter;

namespace cw {

class Platform;

class FreehandOverlay final : public QWidget, public Glasso {
    Q_OBJECT
  public:
    FreehandOverlay(Platform& platform, QWidget* parent, std::vector<QPolygonF>& notes);

    bool PenMode() const override { return penMode_; }
    void SetPenMode(bool on) override { penMode_ = on; }
    int32_t ChildAtPoint(int32_t& hWnd, int32_t& x, int32_t& y) override;
    int32_t hWnd() const override { return handle_; }
    float Width() const override { return static_cast<float>(width()); }
    float Height() const override { return static_cast<float>(height()); }
    void Move(float left, float top, float width, float height) override;
    void ZOrder(int position) override;
    void RepaintArea(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
    void SetEventSink(GlassoEvents* sink) override { sink_ = sink; }

    const std::vector<QPolygonF>& Strokes() const { return strokes_; }
    // The notes are kept in board units from this overlay's corner; the view maps them to its
    // pixels (a zoomed board's notes are drawn and written at the zoom).
    void SetView(const QTransform& boardToWidget);
    // Draws the notes lying in the area (board units from this overlay's corner) with the pen
    // they show in.
    void PaintStrokes(QPainter& painter, const QRectF& within) const;
    // The notes were replaced (a file, a new board, an undo): no stroke is being drawn.
    void StrokesReplaced() {
        drawing_ = false;
        update();
    }

    // What lies beneath answers hover: the pointer shape that says what a press at a point
    // would do, and the tooltip there (none when empty); points in the overlay's coordinates.
    std::function<Qt::CursorShape(QPoint)> CursorAt;
    std::function<QString(QPoint)> ToolTipAt;
    // A pencil gesture has ended (its last button came up, or it was lost): its strokes drawn
    // or erased are one edit of the notes.
    std::function<void()> NotesEdited;
    // Asked at a pen gesture's press: true when the host takes it (a click on a part that asks
    // for one), so no stroke is drawn until every button is up.
    std::function<bool(QPoint)> TakesPress;
    // Sets the pointer shape for where the pointer is now (after a tool change, say).
    void UpdateCursor();
    // The desktop took the running gesture away (its release will never come): a stroke being
    // drawn ends where it is, and the next press decides afresh who gets its messages.
    void ForgetGesture() {
        drawing_ = false;
        taken_ = false;
        reporting_ = !penMode_;
    }
    // The running gesture is called off (a second finger): a stroke being drawn goes, and the
    // gesture is forgotten. Strokes it rubbed out stay rubbed out (Undo brings them back).
    void CancelGesture();
    // The pencil rubs out with the left button too (the eraser, or the pen's eraser end), and
    // how much further than the mouse it reaches (a finger's is wider).
    void SetErasing(bool erasing, double reachScale = 1.0) {
        erasing_ = erasing;
        eraseScale_ = reachScale;
    }

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void Handle(QMouseEvent* event);
    // A message of a gesture the pencil started: strokes with the left button, erasing with
    // the right.
    void Draw(uint32_t message, uint32_t wParam, QPointF pos);
    void EraseAt(QPointF p);
    // Repaints this overlay over an area of board units.
    void UpdateArea(const QRectF& board);
    void SetCursorShape(Qt::CursorShape shape);
    Platform& platform_;
    int32_t handle_;
    GlassoEvents* sink_ = nullptr;
    bool penMode_ = false;
    bool drawing_ = false;
    bool reporting_ = true;  // the running gesture's messages go to the host
    bool taken_ = false;     // the running pen gesture was taken by the host
    bool erasing_ = false;
    double eraseScale_ = 1.0;
    QTransform view_, fromWidget_;
    std::vector<QPolygonF>& strokes_;
};

}  // namespace cw
