#include "render/symbol_painters.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "model/board.h"
#include "model/numeric.h"
#include "model/part_kinds.h"

namespace cw {
namespace {

constexpr Rgb kBlack{0, 0, 0};

// Every painter starts from the same pen: black, 3 pixels, solid, with a solid fill.
void StartPen(Surface& s, Rgb fill) {
    s.SetForeColor(kBlack);
    s.SetFillColor(fill);
    s.SetFillStyle(kFillSolid);
    s.SetDrawWidth(3);
    s.SetDrawStyle(0);
}

bool IsPlacedTag(const Board& board, int32_t tag) {
    return tag >= 1 && tag <= board.LastValue();
}

// What a veiled bulb says: "?" until predicted, then the prediction, in the learner's language.
std::array<std::string, 4> gGuessWords = {"?", "dark", "dim", "bright"};

}  // namespace

void SetGuessWords(const std::array<std::string, 4>& words) {
    gGuessWords = words;
}
const std::string& GuessWord(Guess g) {
    return gGuessWords[static_cast<size_t>(g)];
}

bool Veiled(const Board& board, int32_t tag) {
    return board.Predict.veiled && IsPlacedTag(board, tag);
}

int16_t PaintedValue(const Board& board, int32_t tag) {
    return IsPlacedTag(board, tag) ? board.ValueOf(tag) : int16_t{0};
}

Rgb BulbGlassColour(int v) {
    // The two brightening terms, computed wide so that a huge value simply saturates.
    const double e = std::clamp(std::floor((v / 20.0) * 127), 0.0, 127.0);
    const double f = std::clamp(std::floor(((v - 20) / 20.0) * 128), 0.0, 128.0);
    return {static_cast<uint8_t>(128 + e), static_cast<uint8_t>(128 + e),
            static_cast<uint8_t>(128 - f)};
}

void HiddenValue_Paint(Surface& s, double x, double y, double size) {
    s.SetForeColor(kBlack);
    s.Text(x - size * 0.28, y + size * 0.36, size, "?");
}

void Padlock_Paint(Surface& s, double right, double top, double size) {
    // A shackle over a body, in the corner, so a locked part is told at a glance.
    const double w = size, h = size * 0.75, r = size * 0.3;
    const double left = right - w, bodyTop = top + r + 1;
    s.SetDrawStyle(0);
    s.SetDrawWidth(std::max(1, static_cast<int>(std::lround(size / 7))));
    s.SetForeColor(kBlack);
    s.SetFillStyle(kFillNone);
    s.Circle(left + w / 2, bodyTop, r);
    s.SetFillStyle(kFillSolid);
    s.SetFillColor({255, 200, 0});
    s.Box(left, bodyTop, right, bodyTop + h);
    s.SetFillColor(kBlack);
    s.Circle(left + w / 2, bodyTop + h / 2, std::max(1.0, size / 10));
}

void PartsLeft_Paint(Surface& s, int left) {
    const double SW = s.ScaleWidth(), SH = s.ScaleHeight();
    const double size = std::max(8.0, SH / 3);
    const std::string text = std::to_string(left);
    const double w = size * (0.2 + 0.6 * static_cast<double>(text.size()));
    s.SetDrawStyle(0);
    s.SetDrawWidth(1);
    s.SetForeColor(kBlack);
    s.SetFillStyle(kFillSolid);
    s.SetFillColor({255, 255, 255});
    s.Box(SW - w - 1, SH - size - 1, SW - 1, SH - 1);
    s.SetForeColor(left == 0 ? Rgb{200, 0, 0} : kBlack);
    s.Text(SW - w + size * 0.12, SH - size * 0.2 - 1, size * 0.9, text);
}

void Cell_Paint(Surface& s) {
    const double SW = s.ScaleWidth(), SH = s.ScaleHeight();
    const int16_t a = MinInt(8, Nearest16(SW / 10));
    const int16_t b = MinInt(8, Nearest16(SH / 4));
    const int16_t d = MinInt(10, Nearest16(SH / 4));
    const int16_t g = MinInt(10, Nearest16(SH / 8));
    StartPen(s, {255, 0, 0});
    s.Box(a, 0, SW - 2, SH - 2);
    s.SetFillColor({128, 128, 128});
    s.Box(0, SH / 2 - b - 1, a, SH / 2 + d - 1);
    s.SetForeColor({128, 0, 0});
    s.SetFillColor(s.State().ForeColor);
    s.Box(a + 3, 3, SW - 5, g);
    s.Box(a + 3, SH - 2 - g, SW - 5, SH - 5);
    s.SetDrawWidth(2);
    s.Line(a + 3, g + 6, SW - 4, g + 6);
    s.Line(a + 3, SH - 7 - g, SW - 4, SH - 7 - g);
}

void Swit_Paint(Surface& s, const Board& board, int32_t tag) {
    const double SW = s.ScaleWidth(), SH = s.ScaleHeight();
    const int16_t p = MaxInt(1, Nearest16(SW / 3));
    StartPen(s, {128, 128, 128});
    s.Box(0, 0, SW - 2, SH - 2);
    s.Line(0, SH / 2, p - 3, SH / 2);
    s.Line(SW - p + 1, SH / 2, SW - 2, SH / 2);
    s.SetDrawWidth(6);
    s.PSet(p - 3, SH / 2);
    s.PSet(SW - p + 1, SH / 2);
    const bool closed = IsPlacedTag(board, tag) && board.ValueOf(tag) == 0;
    s.SetDrawWidth(3);
    if (closed) {
        s.Line(p - 3, SH / 2, SW - p + 1, SH / 2);
    } else {
        const int16_t L = Nearest16(SW - 2 * p + 4);
        s.LineStep(L - 7, SH / 2, 0.71 * L, -0.71 * L);
    }
}

void Light_Paint(Surface& s, const Board& board, int32_t tag) {
    const double SW = s.ScaleWidth(), SH = s.ScaleHeight();
    StartPen(s, {255, 223, 192});
    const int16_t h = MinInt(60, Nearest16(0.3 * SH));
    const int16_t w = MinInt(100, Nearest16(0.4 * SW));
    const int16_t stem = Nearest16((SH - h) / 2);
    const double left = SW / 2 - w / 2.0, right = SW / 2 + w / 2.0;
    s.Box(left, SH - h, right, SH - 2);
    s.Line(left, SH - (2 * h) / 3.0 - 1, right, SH - (2 * h) / 3.0 - 1);
    s.Line(left, SH - h / 3.0 - 1, right, SH - h / 3.0 - 1);
    // Veiled, the glass is white, neither grey nor yellow, and says what the learner predicted.
    const bool veiled = Veiled(board, tag);
    s.SetFillColor(veiled ? kVeiledGlass : BulbGlassColour(PaintedValue(board, tag)));
    const double glassHalfHeight = (SH - h) / 2;
    const double radius = SW / 2 - 2;
    s.Circle(SW / 2, glassHalfHeight, radius, glassHalfHeight / radius);

    s.Line(right, SH - h / 2.0, SW, SH - h / 2.0);
    s.Line(0, SH - h / 2.0, left, SH - h / 2.0);
    s.SetDrawWidth(2);
    const double x0 = (left + w) - 4 * std::floor(w / 4.0);
    const double q = w / 4.0;
    s.Line(x0, SH - h, x0, SH - h - stem);
    s.LineStepFromCurrent(q, q);
    s.LineStepFromCurrent(q, -q);
    s.LineStepFromCurrent(q, q);
    s.LineStepFromCurrent(q, -q);
    s.LineStepFromCurrent(0, stem);
    if (veiled) {
        // Above the filament, in the glass's upper half.
        const std::string& word = GuessWord(board.Predict.Of(tag));
        const double size = std::max(6.0, SH / 7);
        s.Text(SW / 2 - static_cast<double>(word.size()) * size * 0.28, glassHalfHeight * 0.55,
               size, word);
    }
}

void Resi_Paint(Surface& s, const Board& board, int32_t tag) {
    const double SW = s.ScaleWidth(), SH = s.ScaleHeight();
    StartPen(s, {255, 255, 128});
    const int16_t q = MaxInt(1, Floor16(SW / 8));
    const int16_t t = MinInt(5, Nearest16(SH / 2));
    const int16_t m = MinInt(q, 5);
    s.Line(0, SH / 2, q, SH / 2);
    s.Line(SW - q - 2, SH / 2, SW - 2, SH / 2);
    s.RoundRect(q, Nearest32(SH / 2 - t), Nearest32(SW - q - 2), Nearest32(SH / 2 + t),
                MinInt(5, q), t);
    s.SetDrawWidth(2);
    if (IsPlacedTag(board, tag) && board.Rules.Hidden(tag)) {
        // A value to find: no bands to read it by.
        HiddenValue_Paint(s, SW / 2, SH / 2, 2 * t + 4);
        return;
    }
    const int16_t R = PaintedValue(board, tag);
    const Rgb gold{255, 218, 70}, green{0, 255, 0}, brown{128, 0, 0}, red{255, 0, 0};
    const Rgb bands[4] = {gold, kBlack, R == 5 ? green : kBlack,
                          R == 5 ? kBlack : (R == 10 ? brown : red)};
    const double top = std::floor(SH / 2 - t) + 3, bottom = SH / 2 + t - 3;
    for (int i = 0; i < 4; ++i) {
        const double x = SW - (3 + i) * m - 2;
        s.SetForeColor(bands[i]);
        s.Line(x, top, x, bottom);
    }
}

namespace {
using PartPainter = void (*)(Surface&, const Board&, int32_t);
// One painter a kind, in the order of the table of kinds.
// Sized by its entries, so a kind without one fails the check below.
constexpr auto kPainters = std::to_array<PartPainter>({
    [](Surface& s, const Board&, int32_t) { Cell_Paint(s); },
    &Swit_Paint,
    &Resi_Paint,
    &Light_Paint,
    [](Surface& s, const Board& b, int32_t tag) { Meter_Paint(s, b, Kind::Ammeter, tag); },
    [](Surface& s, const Board& b, int32_t tag) { Meter_Paint(s, b, Kind::Voltmeter, tag); },
    &Fuse_Paint,
});
static_assert(kPainters.size() == kKindTable.size(), "every kind has its painter");
}  // namespace

void PaintPart(Surface& s, const Board& board, Kind kind, int32_t tag) {
    kPainters[static_cast<size_t>(KindIndex(kind))](s, board, tag);
    if (!IsPlacedTag(board, tag)) return;
    const double SW = s.ScaleWidth(), SH = s.ScaleHeight();
    if (Info(kind).role == Role::Source && board.Rules.Hidden(tag))
        HiddenValue_Paint(s, SW / 2 + SW / 20, SH / 2, SH / 3);
    if (board.Rules.Locked(tag)) Padlock_Paint(s, SW - 4, 4, std::max(6.0, SW / 7));
}

}  // namespace cw
