// What each kind of part is, electrically and as the learner steps it: the numbers the solver
// computes with and the texts quote, defined once.
#pragma once

#include <cstdint>

namespace cw {

// A battery cell: 1.5 volts behind an internal resistance of 1 ohm, its first (left) terminal
// positive.
inline constexpr double kCellVolts = 1.5;
inline constexpr int kCellOhms = 1;

// A bulb is a 10-ohm resistor whose glass shows the current through it.
inline constexpr int kBulbOhms = 10;

// A new switch is open (ValueTable 1); closed is 0.
inline constexpr int16_t kSwitchOpen = 1;
inline constexpr int16_t kSwitchClosed = 0;

// A new resistor is 10 ohms; each click doubles it, and past the largest it goes back to the
// smallest: 10, 20, 5, 10 ...
inline constexpr int16_t kNewResistorOhms = 10;
inline constexpr int16_t kLargestResistorOhms = 20;
inline constexpr int16_t kSmallestResistorOhms = 5;

// A fuse's ValueTable entry is its rating in milliamperes, negative once it has blown. A new
// fuse is rated 0.5 A; each click on an intact one steps it 0.5 -> 1 -> 0.25 -> 0.5 A, and a click
// on a blown one puts in an intact fuse of the same rating.
inline constexpr int16_t kNewFuseMilliamps = 500;
inline constexpr int16_t kLargestFuseMilliamps = 1000;
inline constexpr int16_t kSmallestFuseMilliamps = 250;

// A meter's ValueTable entry is its reading as its face shows it, stored by the solver: an
// ammeter's in milliamperes, a voltmeter's in hundredths of a volt, each rounded half away from
// zero and held within 16 bits; kNoReading where there is none (a voltmeter whose terminals no
// circuit joins).
inline constexpr int16_t kNoReading = -32768;

}  // namespace cw
