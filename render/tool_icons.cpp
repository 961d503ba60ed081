#include "render/tool_icons.h"

#include "model/numeric.h"
#include "render/board_painter.h"
#include "render/surface.h"

namespace cw {
namespace {

void SetPen(Surface& s, Rgb colour, int width) {
    s.SetForeColor(colour);
    s.SetDrawWidth(width);
    s.SetDrawStyle(0);
}

// The pencil stroke and the cross keep a margin of a quarter of the button, at most 5 pixels.
int16_t InsetX(const Surface& s) {
    return MinInt(5, Nearest16(s.ScaleWidth() / 4));
}
int16_t InsetY(const Surface& s) {
    return MinInt(5, Nearest16(s.ScaleHeight() / 4));
}

}  // namespace

void LinePic_Paint(Surface& s) {
    SetPen(s, kWireBlue, 3);
    s.Line(1, 0.75 * s.ScaleHeight(), s.ScaleWidth() - 1, 0.25 * s.ScaleHeight());
}

void PencilPic_Paint(Surface& s) {
    SetPen(s, {255, 255, 255}, 4);
    const int16_t a = InsetX(s), b = InsetY(s);
    s.Line(s.ScaleWidth() - a, b, a, s.ScaleHeight() - b);
}

void DelPic_Paint(Surface& s) {
    SetPen(s, {255, 0, 0}, 2);
    const int16_t a = InsetX(s), b = InsetY(s);
    const double SW = s.ScaleWidth(), SH = s.ScaleHeight();
    s.Line(a, b, SW - a, SH - b);
    s.Line(SW - a, b, a, SH - b);
}

}  // namespace cw
