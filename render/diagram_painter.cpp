#include "render/diagram_painter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>

#include "model/part_kinds.h"
#include "model/part_values.h"
#include "render/symbol_painters.h"

namespace cw {
namespace {

std::optional<Symbols> gView;

// Decimals as the face of a meter writes them (the learner's separator).
std::string Decimal(int units, int scale, int decimals) {
    const int magnitude = std::abs(units);
    std::string fraction = std::to_string(magnitude % scale);
    fraction.insert(0, static_cast<size_t>(decimals) - fraction.size(), '0');
    return (units < 0 ? "-" : "") + std::to_string(magnitude / scale) + MeterDecimalSeparator() +
           fraction;
}

// The shared frame of a symbol: the surface's size, the centre, a unit of 1/90 of the side, and
// the height of the part's terminals.
struct Frame {
    double w, h, u, cx, cy, ty;
    Frame(const Surface& s, Kind kind)
        : w(s.ScaleWidth()), h(s.ScaleHeight()), u(w / 90.0), cx(w / 2), cy(h / 2) {
        ty = Info(kind).terminals == TerminalHeight::NearBottom
                 ? h - std::min(60.0, std::round(h * 0.3)) / 2 - 2
                 : h / 2;
    }
};

void Pen(Surface& s, double u) {
    s.SetForeColor(kDiagramInk);
    s.SetFillColor(kDiagramPaper);
    s.SetFillStyle(kFillSolid);
    s.SetDrawStyle(0);
    s.SetDrawWidth(std::max(1, static_cast<int>(std::lround(2 * u))));
}

// The leads from both terminals to the symbol's ends at cx -+ half on the centre line.
void Leads(Surface& s, const Frame& f, double half) {
    for (int side : {-1, 1}) {
        const double edge = side < 0 ? 0 : f.w - 1, end = f.cx + side * half;
        if (f.ty == f.cy) {
            s.Line(edge, f.ty, end, f.cy);
        } else {  // a lamp's terminals lie low: down its side, then in
            const double bend = f.cx + side * (half + 10 * f.u);
            s.Line(edge, f.ty, bend, f.ty);
            s.Line(bend, f.ty, bend, f.cy);
            s.Line(bend, f.cy, end, f.cy);
        }
    }
}

void Label(Surface& s, const Frame& f, const std::string& text, bool below = false) {
    const double size = 12 * f.u;
    // About half the size a letter: centred under or over the symbol.
    const double width = static_cast<double>(text.size()) * size * 0.55;
    s.SetForeColor(kDiagramInk);
    s.Text(f.cx - width / 2, below ? f.cy + 30 * f.u : f.cy - 22 * f.u, size, text);
}

void Cell(Surface& s, const Frame& f) {
    const double gap = 5 * f.u;
    s.Line(0, f.ty, f.cx - gap, f.cy);
    s.Line(f.cx + gap, f.cy, f.w - 1, f.ty);
    s.Line(f.cx - gap, f.cy - 18 * f.u, f.cx - gap, f.cy + 18 * f.u);  // long plate: +
    s.SetDrawWidth(std::max(2, static_cast<int>(std::lround(5 * f.u))));
    s.Line(f.cx + gap, f.cy - 9 * f.u, f.cx + gap, f.cy + 9 * f.u);
    s.SetDrawWidth(std::max(1, static_cast<int>(std::lround(2 * f.u))));
    const double px = f.cx - 16 * f.u, py = f.cy - 14 * f.u, arm = 4 * f.u;
    s.Line(px - arm, py, px + arm, py);
    s.Line(px, py - arm, px, py + arm);
}

void Switch(Surface& s, const Frame& f, bool closed) {
    const double half = 18 * f.u;
    Leads(s, f, half);
    s.Circle(f.cx - half, f.cy, 3 * f.u);
    s.Circle(f.cx + half, f.cy, 3 * f.u);
    if (closed) {
        s.Line(f.cx - half, f.cy, f.cx + half, f.cy);
    } else {
        s.Line(f.cx - half, f.cy, f.cx + half - 2 * f.u, f.cy - 16 * f.u);
    }
}

void Resistor(Surface& s, const Frame& f, Symbols symbols) {
    const double half = 20 * f.u, t = 8 * f.u;
    Leads(s, f, half);
    if (symbols == Symbols::Iec) {
        s.Box(f.cx - half, f.cy - t, f.cx + half, f.cy + t);
        return;
    }
    // Six teeth of a zigzag.
    double x = f.cx - half, y = f.cy;
    for (int i = 0; i < 6; ++i) {
        const double nx = f.cx - half + (i + 0.5) * (2 * half / 6);
        const double ny = f.cy + (i % 2 == 0 ? -t : t);
        s.Line(x, y, nx, ny);
        x = nx, y = ny;
    }
    s.Line(x, y, f.cx + half, f.cy);
}

void Lamp(Surface& s, const Frame& f, Symbols symbols, int value) {
    const double r = 14 * f.u;
    Leads(s, f, r);
    s.SetFillColor(LampFill(value));
    s.Circle(f.cx, f.cy, r);
    if (symbols == Symbols::Iec) {
        const double d = r * std::numbers::sqrt2 / 2;
        s.Line(f.cx - d, f.cy - d, f.cx + d, f.cy + d);
        s.Line(f.cx - d, f.cy + d, f.cx + d, f.cy - d);
    } else {
        // The filament: in from both sides and a loop over the middle.
        s.Line(f.cx - r, f.cy, f.cx - 5 * f.u, f.cy);
        s.Line(f.cx + 5 * f.u, f.cy, f.cx + r, f.cy);
        s.SetFillStyle(kFillNone);
        s.Circle(f.cx, f.cy - 3 * f.u, 5 * f.u);
        s.SetFillStyle(kFillSolid);
    }
}

void Meter(Surface& s, const Frame& f, const char* letter) {
    const double r = 14 * f.u;
    Leads(s, f, r);
    s.Circle(f.cx, f.cy, r);
    const double size = 16 * f.u;
    s.Text(f.cx - size * 0.35, f.cy + size * 0.36, size, letter);
}

void Fuse(Surface& s, const Frame& f, Symbols symbols, bool blown) {
    const double half = 18 * f.u, t = 7 * f.u;
    Leads(s, f, half);
    const double gap = blown ? 5 * f.u : 0;
    if (symbols == Symbols::Iec) {
        s.Box(f.cx - half, f.cy - t, f.cx + half, f.cy + t);
        s.Line(f.cx - half, f.cy, f.cx - gap, f.cy);
        s.Line(f.cx + gap, f.cy, f.cx + half, f.cy);
        return;
    }
    // One wave: up over the first half, down under the second.
    const int steps = 16;
    double x = f.cx - half, y = f.cy;
    for (int i = 1; i <= steps; ++i) {
        const double nx = f.cx - half + 2 * half * i / steps;
        const double ny = f.cy - t * std::sin(2 * std::numbers::pi * i / steps);
        if (!blown || std::fabs((x + nx) / 2 - f.cx) > gap) s.Line(x, y, nx, ny);
        x = nx, y = ny;
    }
}

}  // namespace

void SetDiagramView(std::optional<Symbols> symbols) {
    gView = symbols;
}
std::optional<Symbols> DiagramView() {
    return gView;
}

Rgb LampFill(int value) {
    const double lit = std::clamp(value / 40.0, 0.0, 1.0);
    return {255, 255, static_cast<uint8_t>(std::lround(255 * (1 - lit)))};
}

void PaintSymbol(Surface& s, const Board& board, Kind kind, int32_t tag, Symbols symbols) {
    const Frame f(s, kind);
    Pen(s, f.u);
    const bool placed = tag >= 1 && tag <= board.LastValue();
    const int16_t value = placed ? board.ValueOf(tag) : Info(kind).newValue;
    const std::string number = placed ? std::to_string(tag) : std::string();
    const bool hidden = placed && board.Rules.Hidden(tag);
    const bool veiled = Veiled(board, tag);
    switch (Info(kind).role) {
        case Role::Source:
            Cell(s, f);
            Label(s, f, (hidden ? "?" : Decimal(static_cast<int>(kCellVolts * 10), 10, 1)) + " V",
                  true);
            break;
        case Role::Switch:
            Switch(s, f, value == kSwitchClosed);
            Label(s, f, "S" + number);
            break;
        case Role::Resistance:
            Resistor(s, f, symbols);
            Label(s, f, "R" + number + " " + (hidden ? "?" : std::to_string(value)) + " \u03a9");
            break;
        case Role::Lamp:
            // Veiled, unlit and labelled with the prediction.
            Lamp(s, f, symbols, veiled ? 0 : value);
            Label(s, f, "L" + number + (veiled ? " " + GuessWord(board.Predict.Of(tag)) : ""));
            break;
        case Role::Ammeter:
            Meter(s, f, "A");
            Label(s, f,
                  veiled                ? "? A"
                  : value == kNoReading ? "---"
                                        : Decimal(value, 1000, 3) + " A",
                  true);
            break;
        case Role::Voltmeter:
            Meter(s, f, "V");
            Label(s, f,
                  veiled                ? "? V"
                  : value == kNoReading ? "---"
                                        : Decimal(value, 100, 2) + " V",
                  true);
            break;
        case Role::Fuse: {
            Fuse(s, f, symbols, value < 0);
            const int rating = std::abs(static_cast<int>(value));
            std::string amps = Decimal(rating, 1000, 3);
            while (amps.back() == '0') amps.pop_back();
            if (!amps.empty() && (amps.back() == '.' || amps.back() == ',')) amps.pop_back();
            Label(s, f, "F" + number + " " + amps + " A");
            break;
        }
    }
    if (placed && board.Rules.Locked(tag)) Padlock_Paint(s, f.w - 4, 4, 12 * f.u);
}

}  // namespace cw
