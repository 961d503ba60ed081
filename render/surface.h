// The drawing surface of a picture control: a drawing state kept between operations and the
// operations the painters use. Coordinates are the surface's own pixels from the top-left of its
// inner area, passed as floating point and unrounded where the painters compute them so.
// Implementations: the Qt image surface (toolkit) and the recording surface (tests).
#pragma once

#include <cstdint>
#include <string>

namespace cw {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(Rgb, Rgb) = default;
};

inline constexpr int kDrawModeCopy = 13;
inline constexpr int kDrawModeXor = 7;
inline constexpr int kFillSolid = 0;
inline constexpr int kFillNone = 1;

// The drawing state an operation is carried out with.
struct DrawState {
    Rgb ForeColor{0, 0, 0};
    Rgb FillColor{0, 0, 0};
    int DrawWidth = 1;
    int DrawStyle = 0;  // 0 solid
    int DrawMode = kDrawModeCopy;
    int FillStyle = kFillNone;
};

class Surface {
  public:
    Surface() = default;
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    virtual ~Surface() = default;

    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;

    void SetForeColor(Rgb c) { state_.ForeColor = c; }
    void SetFillColor(Rgb c) { state_.FillColor = c; }
    void SetDrawWidth(int w) { state_.DrawWidth = w; }
    void SetDrawStyle(int s) { state_.DrawStyle = s; }
    void SetDrawMode(int m) { state_.DrawMode = m; }
    void SetFillStyle(int s) { state_.FillStyle = s; }
    const DrawState& State() const { return state_; }
    void SetState(const DrawState& s) { state_ = s; }
    double CurrentX() const { return currentX_; }
    double CurrentY() const { return currentY_; }

    // Line from one point to another; every form leaves the current point at its end.
    void Line(double x1, double y1, double x2, double y2);
    // The end given relative to the start.
    void LineStep(double x1, double y1, double dx, double dy) { Line(x1, y1, x1 + dx, y1 + dy); }
    // From the current point, to a point or by a displacement.
    void LineTo(double x2, double y2) { Line(currentX_, currentY_, x2, y2); }
    void LineStepFromCurrent(double dx, double dy) { LineTo(currentX_ + dx, currentY_ + dy); }
    // Box with opposite corners (x1, y1) and (x2, y2): outlined with the pen, filled as the fill
    // state says.
    void Box(double x1, double y1, double x2, double y2);
    // Ellipse centred at (x, y): for aspect < 1 semi-axes r and r * aspect, otherwise r / aspect
    // and r. Outlined with the pen and filled as the fill state says.
    void Circle(double x, double y, double r, double aspect = 1.0);
    // A filled round dot of diameter DrawWidth in ForeColor.
    void PSet(double x, double y);
    // Rectangle with corners rounded by quarter ellipses cornerW x cornerH, with the current pen
    // and fill, as the platform's rounded-rectangle call draws it.
    void RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t cornerW,
                   int32_t cornerH);

    // Text (UTF-8) whose baseline starts at (x, y), its letters `size` pixels high, in ForeColor.
    void Text(double x, double y, double size, const std::string& utf8) {
        DrawText(x, y, size, utf8);
    }

  protected:
    virtual void DrawText(double x, double y, double size, const std::string& utf8) = 0;
    virtual void DrawLine(double x1, double y1, double x2, double y2) = 0;
    virtual void DrawBox(double x1, double y1, double x2, double y2) = 0;
    virtual void DrawEllipse(double cx, double cy, double rx, double ry) = 0;
    virtual void DrawDot(double x, double y) = 0;
    virtual void DrawRoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom,
                               int32_t cornerW, int32_t cornerH) = 0;

  private:
    DrawState state_;
    double currentX_ = 0, currentY_ = 0;
};

}  // namespace cw
