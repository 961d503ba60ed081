// Long random sequences of gestures on the real window: after every event the board model
// holds its invariants and the bulbs show a fresh solve's values.
#include <gtest/gtest.h>

#include "gesture_soak.h"

namespace cw::test {
namespace {

TEST(Soak, RandomGesturesKeepTheBoardSound) {
    for (uint32_t seed : {1u, 2u, 3u}) {
        WindowDriver d;
        GestureSoak soak(d, seed);
        for (int event = 0; event < 1500; ++event) {
            soak.Step();
            const std::string bad = soak.CheckInvariants();
            ASSERT_TRUE(bad.empty()) << "seed " << seed << ", event " << event << " ("
                                     << soak.LastAction() << "): " << bad;
        }
        // The sequences really edit the board.
        EXPECT_GT(d.board().LastValue(), 0) << "seed " << seed;
        EXPECT_GT(d.board().LastWire(), 0) << "seed " << seed;
    }
}

}  // namespace
}  // namespace cw::test
