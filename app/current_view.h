// The layer that shows the current: a sheet over the parts and under the notes that paints the
// flow's dots and lets every press through. A frame moves the dots on by the time since the
// last and repaints only the tiles the dots left or entered; with no current flowing or the
// view hidden no timer runs. So that a frame need not repaint the hundreds of parts beneath
// each tile, the sheet keeps a copy of what lies under it (the board and the parts) and paints
// itself whole; the window tells it where that changed.
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "render/current_flow.h"

namespace cw {

class CurrentView final : public QWidget {
    Q_OBJECT
  public:
    CurrentView(const Board& board, QWidget* parent);

    // The currents of a fresh solve (wires by row, parts by number); the dots start again.
    void SetCurrents(const std::vector<double>& wireAmps, const std::vector<double>& partAmps);
    void SetElectronFlow(bool electrons);
    // The board's zoom, and where the board's corner lies on this sheet: the dots are drawn at
    // the zoom, from there.
    void SetView(double zoom, QPoint origin);
    bool ElectronFlow() const { return electrons_; }
    // What lies beneath changed inside the area (this sheet's coordinates): copied again before
    // the next paint.
    void UnderChanged(const QRegion& area);
    // One frame: the dots moved on by the time given, the tiles they touch repainted.
    void Step(double seconds);
    bool Animating() const { return timer_.isActive(); }
    const std::vector<FlowDot>& Dots() const { return dots_; }
    // Draws the dots as shapes, for a picture of the board at any size.
    void PaintDots(QPainter& painter) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void Frame();
    void UpdateTimer();
    // Marks the tiles the dots cover, then asks for those to be repainted.
    void MarkTiles(const std::vector<FlowDot>& dots);
    void RepaintMarked();
    // Copies what the board and the parts below this sheet show inside the stale area.
    void CopyUnder();
    void MakeSprite();
    // A dot's centre on this sheet.
    QPoint At(const FlowDot& d) const;

    const Board& board_;
    FlowDots flow_;
    bool electrons_ = false;
    std::vector<double> wireAmps_, partAmps_;
    std::vector<FlowDot> dots_;
    std::vector<FlowDot> previous_;
    std::vector<unsigned char> tiles_;
    QTimer timer_;
    QElapsedTimer clock_;
    QImage sprite_;
    QImage under_;
    QRegion stale_;
    double zoom_ = 1.0;
    QPoint origin_;
};

}  // namespace cw
