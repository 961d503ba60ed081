// An ammeter and a voltmeter: a grey case with a seven-segment face showing the signed reading
// the solver stored, the unit's letter below, the + terminal (left) red and the - terminal
// (right) black. And a fuse: a glass cartridge with its wire, broken once blown, and its rating
// in the same segments.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "model/numeric.h"
#include "model/part_kinds.h"
#include "render/symbol_painters.h"

namespace cw {
namespace {

char gDecimalSeparator = '.';

// Segments a..g of each digit, as bits 0..6: top, top right, bottom right, bottom, bottom left,
// top left, middle.
constexpr std::array<uint8_t, 10> kDigitSegments = {0x3F, 0x06, 0x5B, 0x4F, 0x66,
                                                    0x6D, 0x7D, 0x07, 0x7F, 0x6F};
constexpr uint8_t kMiddleSegment = 0x40;

// One glyph in a cell w x h from (x, y).
void Glyph(Surface& s, double x, double y, double w, double h, uint8_t segments) {
    const double r = x + w, m = y + h / 2, b = y + h;
    const std::array<std::array<double, 4>, 7> lines = {{
        {x, y, r, y},
        {r, y, r, m},
        {r, m, r, b},
        {x, b, r, b},
        {x, m, x, b},
        {x, y, x, m},
        {x, m, r, m},
    }};
    for (size_t i = 0; i < lines.size(); ++i) {
        if (segments & (1u << i)) s.Line(lines[i][0], lines[i][1], lines[i][2], lines[i][3]);
    }
}

// The text in segments, right-aligned to `right`, glyphs h high from `top`, `pitch` apart.
void Segments(Surface& s, const std::string& text, double right, double top, double pitch,
              double h) {
    const double glyphW = pitch * 0.6;
    double width = 0;
    for (char c : text) width += c == '.' || c == ',' ? pitch * 0.5 : pitch;
    double x = right - width + (pitch - glyphW);
    for (char c : text) {
        if (c == '.' || c == ',') {
            // In a half cell of its own, on the baseline; a comma hangs below it.
            const double at = x - (pitch - glyphW) / 2 + pitch * 0.25;
            s.Line(at, top + h, at, top + h + (c == ',' ? h / 5 : 0.5));
            x += pitch * 0.5;
            continue;
        }
        Glyph(s, x, top, glyphW, h,
              c == '-' ? kMiddleSegment : kDigitSegments[static_cast<size_t>(c - '0')]);
        x += pitch;
    }
}

// The letter A in strokes, centred on cx between top and bottom.
void LetterA(Surface& s, double cx, double top, double bottom, double half) {
    s.Line(cx - half, bottom, cx, top);
    s.Line(cx, top, cx + half, bottom);
    s.Line(cx - half / 2, (top + bottom) / 2 + 2, cx + half / 2, (top + bottom) / 2 + 2);
}

// The reading as the face shows it: sign, whole part, separator, `decimals` digits; dashes for
// none.
std::string FaceText(int16_t value, int decimals) {
    if (value == kNoReading) return "---";
    const int scale = decimals == 3 ? 1000 : 100;
    const int magnitude = std::abs(static_cast<int>(value));
    std::string text = value < 0 ? "-" : "";
    text += std::to_string(magnitude / scale);
    text += gDecimalSeparator;
    std::string fraction = std::to_string(magnitude % scale);
    text += std::string(static_cast<size_t>(decimals) - fraction.size(), '0') + fraction;
    return text;
}

}  // namespace

void SetMeterDecimalSeparator(char separator) {
    gDecimalSeparator = separator;
}
char MeterDecimalSeparator() {
    return gDecimalSeparator;
}

void Meter_Paint(Surface& s, const Board& board, Kind kind, int32_t tag) {
    const double SW = s.ScaleWidth(), SH = s.ScaleHeight();
    const bool ammeter = Info(kind).role == Role::Ammeter;
    const double lead = std::max(2.0, std::floor(SW / 10));
    s.SetForeColor({0, 0, 0});
    s.SetFillColor({200, 200, 200});
    s.SetFillStyle(kFillSolid);
    s.SetDrawStyle(0);
    s.SetDrawWidth(2);
    s.Box(lead, 1, SW - lead - 2, SH - 2);
    // The terminals: + red on the left, - black on the right, each marked beside its lead.
    s.SetDrawWidth(3);
    s.SetForeColor({220, 0, 0});
    s.Line(0, SH / 2, lead, SH / 2);
    const double mark = std::max(2.0, std::floor(SW / 14));
    const double markY = SH * 0.78;
    s.SetDrawWidth(2);
    s.Line(lead + 2, markY, lead + 2 + 2 * mark, markY);
    s.Line(lead + 2 + mark, markY - mark, lead + 2 + mark, markY + mark);
    s.SetForeColor({0, 0, 0});
    s.SetDrawWidth(3);
    s.Line(SW - lead - 2, SH / 2, SW - 1, SH / 2);
    s.SetDrawWidth(2);
    s.Line(SW - lead - 4 - 2 * mark, markY, SW - lead - 4, markY);

    // The face: dark glass, light segments.
    const double faceLeft = lead + 4, faceRight = SW - lead - 6;
    const double faceTop = 4, faceBottom = SH * 0.45;
    s.SetFillColor({20, 40, 20});
    s.SetDrawWidth(1);
    s.Box(faceLeft, faceTop, faceRight, faceBottom);
    const bool placed = tag >= 1 && tag <= board.LastValue();
    // Veiled, the face shows a question mark until the learner asks to see.
    const std::string text =
        Veiled(board, tag) ? std::string()
                           : FaceText(placed ? board.ValueOf(tag) : kNoReading, ammeter ? 3 : 2);
    const double pitch = (faceRight - faceLeft - 4) / 6.0;  // room for "-10.000"
    const double glyphH = (faceBottom - faceTop) * 0.6;
    s.SetForeColor({140, 255, 140});
    s.SetDrawWidth(std::max(1, static_cast<int>(Nearest16(SW / 45))));
    Segments(s, text, faceRight - 2, faceTop + (faceBottom - faceTop - glyphH) / 2, pitch, glyphH);
    if (text.empty())
        s.Text((faceLeft + faceRight) / 2 - glyphH * 0.3, faceTop + glyphH * 1.2, glyphH * 1.2,
               "?");
    // The unit, in strokes: A or V.
    s.SetForeColor({0, 0, 0});
    s.SetDrawWidth(std::max(1, static_cast<int>(Nearest16(SW / 30))));
    const double cx = SW / 2, top = SH * 0.55, bottom = SH * 0.9, half = SW / 10;
    if (ammeter) {
        LetterA(s, cx, top, bottom, half);
    } else {
        s.Line(cx - half, top, cx, bottom);
        s.Line(cx, bottom, cx + half, top);
    }
}

void Fuse_Paint(Surface& s, const Board& board, int32_t tag) {
    const double SW = s.ScaleWidth(), SH = s.ScaleHeight();
    const bool placed = tag >= 1 && tag <= board.LastValue();
    const int16_t value = placed ? board.ValueOf(tag) : kNewFuseMilliamps;
    const bool blown = value < 0;
    const int rating = std::abs(static_cast<int>(value));
    const double lead = std::max(2.0, std::floor(SW / 10));
    const double top = SH * 0.3, bottom = SH * 0.7, mid = SH / 2;
    const double cap = std::max(3.0, std::floor(SW / 9));
    s.SetForeColor({0, 0, 0});
    s.SetFillStyle(kFillSolid);
    s.SetDrawStyle(0);
    s.SetDrawWidth(3);
    s.Line(0, mid, lead, mid);
    s.Line(SW - lead - 2, mid, SW - 1, mid);
    // The glass between two metal caps.
    s.SetDrawWidth(1);
    s.SetFillColor({225, 235, 240});
    s.Box(lead + cap, top, SW - lead - cap - 2, bottom);
    s.SetFillColor({170, 170, 170});
    s.Box(lead, top - 2, lead + cap, bottom + 2);
    s.Box(SW - lead - cap - 2, top - 2, SW - lead - 2, bottom + 2);
    // The wire: whole, or broken in the middle with its ends curled back.
    s.SetForeColor({90, 60, 20});
    s.SetDrawWidth(std::max(1, static_cast<int>(Nearest16(SW / 45))));
    const double left = lead + cap, right = SW - lead - cap - 2;
    if (!blown) {
        s.Line(left, mid, right, mid);
    } else {
        const double gap = (right - left) / 5;
        const double a = (left + right) / 2 - gap / 2, b = (left + right) / 2 + gap / 2;
        s.Line(left, mid, a, mid);
        s.Line(a, mid, a - gap / 3, mid - gap / 2);
        s.Line(b, mid, right, mid);
        s.Line(b, mid, b + gap / 3, mid + gap / 2);
    }
    // The rating below: "0.5 A", in segments.
    std::string text = std::to_string(rating / 1000);
    if (rating % 1000 != 0) {
        std::string fraction = std::to_string(rating % 1000);
        fraction.insert(0, 3 - fraction.size(), '0');
        while (fraction.back() == '0') fraction.pop_back();
        text += gDecimalSeparator + fraction;
    }
    s.SetForeColor(blown ? Rgb{128, 0, 0} : Rgb{0, 0, 0});
    const double h = SH * 0.14, pitch = SW / 9;
    const double textTop = bottom + (SH - bottom - h) / 2;
    Segments(s, text, SW / 2 + pitch, textTop, pitch, h);
    LetterA(s, SW / 2 + pitch * 1.8, textTop, textTop + h, pitch * 0.35);
}

}  // namespace cw
