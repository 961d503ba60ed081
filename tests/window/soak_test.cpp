// Long random sequences of gestures on the real window: after every event the board model
// holds its invariants and the bulbs show a fresh solve's values. The default run takes 10 seeds
// of 3,000 events; SOAK_SEEDS and SOAK_EVENTS ask for a longer one (the soak.long test), SOAK_FROM
// replays from one seed on.
#include <gtest/gtest.h>

#include <cstdlib>

#include "support/gesture_soak.h"

namespace cw::test {
namespace {

int FromEnvironment(const char* name, int fallback) {
    const char* v = std::getenv(name);
    return v ? std::atoi(v) : fallback;
}

TEST(Soak, RandomGesturesKeepTheBoardSound) {
    const int seeds = FromEnvironment("SOAK_SEEDS", 10),
              events = FromEnvironment("SOAK_EVENTS", 3000);
    for (uint32_t seed = FromEnvironment("SOAK_FROM", 1); seed <= static_cast<uint32_t>(seeds);
         ++seed) {
        WindowDriver d;
        GestureSoak soak(d, seed);
        for (int event = 0; event < events; ++event) {
            soak.Step();
            const std::string bad = soak.CheckInvariants();
            ASSERT_TRUE(bad.empty()) << "seed " << seed << ", event " << event << " ("
                                     << soak.LastAction() << "): " << bad;
        }
        // Whatever the sequence did, the next learner's gestures work.
        EXPECT_EQ(soak.CheckStillEdits(), "") << "seed " << seed;
        // The sequences really edit the board.
        EXPECT_GT(d.board().LastValue(), 0) << "seed " << seed;
        EXPECT_GT(d.board().LastWire(), 0) << "seed " << seed;
    }
}

}  // namespace
}  // namespace cw::test
