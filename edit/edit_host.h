// What the gesture handlers need of the window they run in: the sizes they clamp against and the
// component controls they load, move, raise and repaint. The window implements it on real
// widgets; keeping it abstract keeps the gestures free of any toolkit.
#pragma once

#include <vector>

#include "analysis/solver.h"
#include "edit/gesture_rules.h"
#include "model/board.h"

namespace cw {

class Surface;

class EditHost {
  public:
    virtual ~EditHost() = default;

    virtual float WindowScaleWidth() const = 0;
    virtual float WindowScaleHeight() const = 0;
    virtual float MenuScaleHeight() const = 0;  // the palette strip's inner height
    virtual float MenuHeight() const = 0;       // its outer height
    // The side of a palette copy on the strip.
    virtual float PaletteSide() const { return MenuScaleHeight() - 2; }

    // Loads element U + 1 of the array from its template, visible and in front; it becomes the
    // new palette copy.
    virtual void LoadElement(Kind kind) = 0;
    // Unloads the array's highest element.
    virtual void UnloadLastElement(Kind kind) = 0;
    // Moves element i (its Left, Top, Width, Height in the model follow).
    virtual void MoveElement(Kind kind, int i, float left, float top, float width,
                             float height) = 0;
    virtual void SetElementVisible(Kind kind, int i, bool visible) = 0;
    virtual void ZOrderElement(Kind kind, int i) = 0;
    virtual void RefreshElement(Kind kind, int i) = 0;
    virtual void ZOrderOverlay() = 0;

    virtual void RefreshBoard() = 0;
    // Only the board along these wires changed (each from (x1, y1) to (x2, y2), their ink and
    // end dots included): a host may repaint there alone.
    struct WireSpan {
        int x1, y1, x2, y2;
    };
    virtual void RefreshBoardAlong(const std::vector<WireSpan>& /*wires*/) { RefreshBoard(); }
    // The board's surface, for the rubber band's XOR strokes between repaints, and a request to
    // show what was drawn on it since the last repaint.
    virtual Surface& BoardSurface() = 0;
    virtual void ShowBoardStrokes() = 0;
    virtual void ReleaseCapture() = 0;
    // The circuit is about to be solved, and was solved: between the two the bulbs are
    // repainted grey and then with their new values, and show nothing a learner should hear.
    // The solve gives every bulb's state (why a dark one is dark), by bulb element index.
    virtual void CircuitSolving() {}
    virtual void CircuitSolved(const SolveResult& /*solved*/) {}
    // A press was refused by the task's rules: number 0, no more parts of the kind may be added;
    // otherwise that part is locked.
    virtual void Refused(Kind /*kind*/, int /*number*/) {}
    // A click (no drag) on a placed part, before any tool acts on it: true when the window took
    // it (a prediction asked for on a bulb), and the tool does nothing.
    virtual bool TakesClick(Kind /*kind*/, int /*number*/) { return false; }
    // How far the running gesture reaches: a finger's further than the mouse's.
    virtual Reach PointerReach() const { return kMouseReach; }
};

}  // namespace cw
