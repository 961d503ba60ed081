// A seeded random-gesture driver for the real window: presses, moves and releases of every
// button, the side buttons included, at random places (components, terminals, board, strip,
// tool buttons, outside the window), double-click events, the wheel, releases of buttons not
// held and releases the window never gets, the window hidden or deactivated mid-gesture, the
// keyboard's keys, tool changes, palette drags, window resizes and a finger's gestures (some
// called off by a second finger); in the main window, Undo and Redo as well. After each event it can
// check the board model's invariants and that the bulbs show what a fresh solve gives.
#pragma once

#include <cstdint>
#include <random>
#include <string>

#include "support/window_driver.h"

namespace cw::test {

class GestureSoak {
  public:
    GestureSoak(WindowDriver& driver, uint32_t seed);

    // Sends one random event (or a tool change or a resize).
    void Step();
    // An empty string when the model holds its invariants, else what is wrong.
    std::string CheckInvariants();
    // Lets every button go and ends a part or band the keyboard holds.
    void LetGo();
    // Lets every button go, then places a cell, moves it and deletes it; an empty string when
    // all three did what they should.
    std::string CheckStillEdits();
    // What the last step did, for failure messages.
    const std::string& LastAction() const { return last_; }

  private:
    QPoint RandomPoint();
    WindowDriver& d_;
    std::mt19937 rng_;
    Qt::MouseButtons held_;
    bool lostRelease_ = false;  // the last step dropped a release
    std::string last_;
    int unusedJunctions_ = 0;
    bool hadSelfLoopOnJunction_ = false;
};

}  // namespace cw::test
