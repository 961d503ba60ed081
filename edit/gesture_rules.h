// How far the pointer may travel between press and release before a gesture means something
// else. The numbers differ on purpose: each is the one the learner's gesture was tuned to.
#pragma once

#include "geometry/hit_test.h"

namespace cw {

// A release at most this far from its press, in each direction, is a click: the line tool's
// click on a switch or resistor, and the delete tool's click on the board that deletes a wire.
inline constexpr int kClickSlack = 5;

// With the delete tool, a part released this far or farther from where it was picked up, in
// either direction, was dragged: it goes back instead of being deleted. One pixel stricter than
// a click, so a part moved exactly 5 pixels is never deleted by accident.
inline constexpr int kDeleteDragDistance = 5;

// A band shorter than this in both directions makes no wire.
inline constexpr int kShortestWire = 7;

// The delete tool takes the nearest wire within this many pixels of its click.
inline constexpr int kWireReach = 7;

// How far one gesture reaches, by what made it. A fingertip covers about ten pixels where the
// mouse's hot spot is one, and it slips as it lifts: a finger reaches twice as far as the mouse
// for snapping, picking a wire and telling a tap from a drag, and a part it drags is shown
// above it, where the finger does not hide it.
struct Reach {
    int snap = kSnapReach;  // a wire's end snaps to a terminal or junction this far off
    int wire = kWireReach;  // the delete tool picks a wire this far off
    int wireBox = 4;        // ... and this far beyond the wire's ends
    int click = kClickSlack;
    int dragged = kDeleteDragDistance;
    int lift = 0;  // a dragged part's bottom edge is kept this far above the pointer, 0: none
    bool slipStays = true;  // a click that acts leaves the part where its slip moved it
};
inline constexpr Reach kMouseReach{};
inline constexpr Reach kFingerReach{.snap = 2 * kSnapReach,
                                    .wire = 2 * kWireReach,
                                    .wireBox = 8,
                                    .click = 2 * kClickSlack,
                                    .dragged = 2 * kDeleteDragDistance,
                                    .lift = 24,
                                    .slipStays = false};

}  // namespace cw
