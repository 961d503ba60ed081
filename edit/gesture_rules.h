// How far the pointer may travel between press and release before a gesture means something
// else. The numbers differ on purpose: each is the one the learner's gesture was tuned to.
#pragma once

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

}  // namespace cw
