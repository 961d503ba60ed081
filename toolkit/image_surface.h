// The drawing surface of a picture control on a persistent Qt image, with one pixel convention
// for every operation: the pen centred on its path, a pen of width w exactly w pixels across,
// and where the pen's edge falls on a pixel centre (an odd width at a whole coordinate, an even
// one at a half) the spare pixel right of and below the path, as Qt's aliased pens place it.
// That choice is made in logical pixels, so a ratio of 2 shows the same shapes as a ratio of 1,
// twice as fine. Lines are drawn by QPainter (XOR through its raster operation); boxes,
// ellipses, dots and rounded rectangles, which QPainter draws uneven or slowly, are laid out
// here in whole device pixels.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRegion>
#include <cstdint>
#include <memory>
#include <vector>

#include "render/surface.h"

namespace cw {

inline QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

class ImageSurface final : public Surface {
  public:
    // The logical size is the image's until SetLogicalSize gives the control's.
    explicit ImageSurface(QImage* image) : image_(image) {}
    double ScaleWidth() const override;
    double ScaleHeight() const override;
    // The control's inner size in logical pixels: what ScaleWidth and ScaleHeight report, even
    // where the image's device pixels do not divide evenly by the ratio.
    void SetLogicalSize(double width, double height);

    // Holds one painter open for a whole paint handler, clipped when given a clip (device
    // pixels of the image): nothing is drawn outside it, and shapes wholly outside are skipped.
    void BeginBatch(const QRegion* clip = nullptr);
    void EndBatch();
    // The device pixels a clip in logical pixels covers: each of its rectangles rounded out.
    QRegion DeviceRegion(const QRegion& logical) const;
    // The area drawn since the last call, in logical pixels; resets it.
    QRect TakeDrawn();

  protected:
    void DrawText(double x, double y, double size, const std::string& utf8) override;
    void DrawLine(double x1, double y1, double x2, double y2) override;
    void DrawBox(double x1, double y1, double x2, double y2) override;
    void DrawEllipse(double cx, double cy, double rx, double ry) override;
    void DrawDot(double x, double y) override;
    void DrawRoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t cornerW,
                       int32_t cornerH) override;

  private:
    // The painter for one operation, set up with the drawing state.
    // The painter for one operation: a 1-pixel pen in the fore colour with the drawing mode,
    // moved by shift (the half pixel of SpareShift).
    QPainter& Prepare(QPointF shift);
    // Half a logical pixel right and down, per axis, where a pen edge starting from (x, y) would
    // fall on a pixel centre; nothing elsewhere.
    QPointF SpareShift(double x, double y) const;
    void Finish(const QRectF& bounds);
    // A shape between the two points, the pen included, lies wholly outside the batch's clip.
    bool Outside(double x1, double y1, double x2, double y2) const;
    // Outlines the rounded rectangle path (corner radii rx, ry; a point when the path has no
    // size) with the pen's width in pen, and fills its inside with fill when given, pixel by
    // pixel in device space. The pen's outer corners are round, or square when mitred.
    void FillRounded(const QRectF& path, double rx, double ry, Rgb pen, const Rgb* fill,
                     bool mitred = false);
    // A thick line with round ends: the device pixels whose centres lie within half the pen's
    // width of the segment.
    void FillCapsule(double x1, double y1, double x2, double y2);
    // The painter for runs of device pixels, or null where they are written straight into the
    // image; FillRun writes one run of a row with the pen's mode.
    QPainter* RunPainter();
    void FillRun(QPainter* p, int row, int from, int to, Rgb colour);
    // Nothing a clip of several rectangles keeps of the row lies between columns lo and hi.
    bool RowClippedAway(int row, double lo, double hi) const {
        if (clipRects_.empty() || row < clip_.top() || row > clip_.bottom()) return false;
        const ClipRow& r = clipRows_[static_cast<size_t>(row - clip_.top())];
        return r.first == r.end || hi < r.left || lo > r.right + 1;
    }
    // Writes the columns from..to of a row, all inside the clip, straight into the image.
    void WriteRun(int row, int from, int to, Rgb colour);
    // A rounded rectangle in device pixels, worked out once for all its rows.
    struct RoundedShape {
        RoundedShape(const QRectF& box, double rx, double ry);
        // The columns first..last of the row whose centre is y inside the shape; false when
        // the row misses it.
        bool Span(double y, int& first, int& last) const;
        double top, bottom, left, right, rx, ry, inverseRy;
    };
    QImage* image_;
    double logicalWidth_ = -1, logicalHeight_ = -1;
    std::unique_ptr<QPainter> batch_;
    std::unique_ptr<QPainter> single_;
    QRect drawn_;
    QRect clip_;  // device pixels, the clip's bounds; null for the whole image
    // A clip of several rectangles: they (banded by rows, as QRegion keeps them), and for each
    // row of clip_ the first and past-the-last of those covering it.
    std::vector<QRect> clipRects_;
    struct ClipRow {
        int first = 0, end = 0;    // the rectangles covering the row
        int left = 0, right = -1;  // the columns they span, first to last
    };
    std::vector<ClipRow> clipRows_;
    // Which cells of kClipCell device pixels square from clip_'s corner the clip touches: a bit
    // per column, a word per row of cells; to pass over shapes far from every rectangle.
    static constexpr int kClipCell = 64;
    std::vector<uint64_t> clipCells_;
    bool ClipTouches(const QRect& box) const;
    // Set by RunPainter for the runs of one shape written straight into the image.
    QRect runBounds_;
    QRgb* runBits_ = nullptr;
    int runStride_ = 0;
    bool runXor_ = false;
};

}  // namespace cw
