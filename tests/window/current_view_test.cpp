// The current's view in the real window: dots only where current flows, moving the way it flows
// (or the electrons' way), no timer without a moving dot, and not a pixel changed with it off.
#include <gtest/gtest.h>

#include <QAction>
#include <cmath>

#include "app/commands.h"
#include "app/current_view.h"
#include "geometry/terminal_position.h"
#include "support/window_driver.h"

namespace cw::test {
namespace {

QPointF At(const Board& b, int n) {
    const Point16 p = NodePosition(b, n);
    return {static_cast<double>(p.x), static_cast<double>(p.y)};
}

// How many dots now lie `by` further along than a dot before; one may have come in at an end.
int MovedBy(const std::vector<double>& before, const std::vector<double>& after, double by) {
    int moved = 0;
    for (double x : after) {
        moved += std::any_of(before.begin(), before.end(),
                             [&](double y) { return std::fabs(x - y - by) < 0.02; });
    }
    return moved;
}

double DistanceToSegment(QPointF p, QPointF a, QPointF b) {
    const QPointF d = b - a;
    const double t = std::clamp(QPointF::dotProduct(p - a, d) / QPointF::dotProduct(d, d), 0., 1.);
    const QPointF q = a + t * d - p;
    return std::hypot(q.x(), q.y());
}

// How many pixels differ between the two pictures; each must lie within a dot of one of the
// segments between the nodes given.
int ChangedOnlyAlong(const Board& b, const QImage& one, const QImage& other,
                     const std::vector<std::pair<int, int>>& carrying) {
    EXPECT_EQ(one.size(), other.size());
    int changed = 0;
    for (int y = 0; y < one.height(); ++y) {
        for (int x = 0; x < one.width(); ++x) {
            if (one.pixel(x, y) == other.pixel(x, y)) continue;
            ++changed;
            double nearest = 1e9;
            for (auto [p, q] : carrying)
                nearest = std::min(nearest, DistanceToSegment(QPointF(x, y), At(b, p), At(b, q)));
            if (nearest > kDotRadius + 1.5) {
                ADD_FAILURE() << "changed at " << x << "," << y;
                return changed;
            }
        }
    }
    return changed;
}

// A cell and a bulb in a loop (cell 1, bulb 2; wires 1: 3-1, 2: 2-4), and a switch left open
// and wired to the bulb (switch 3; wire 3: 4-5): a branch that carries nothing.
struct LoopBoard {
    WindowDriver d;
    Circuit& w = d.window();
    LoopBoard() {
        d.Place(Kind::Cell, 100, 100);
        d.Place(Kind::Light, 300, 100);
        d.Place(Kind::Swit, 300, 300);
        w.LinePic_Click();
        d.Drag(d.BesideTerminal(3), d.BesideTerminal(1));
        d.Drag(d.BesideTerminal(2), d.BesideTerminal(4));
        d.Drag(d.BesideTerminal(4), d.BesideTerminal(5));
    }
    // Dots on wire 1, measured from the bulb's end towards the cell's positive terminal.
    std::vector<double> OnFirstWire() {
        const QPointF a = At(d.board(), 3), b = At(d.board(), 1);
        std::vector<double> along;
        for (const FlowDot& dot : w.CurrentLayer().Dots()) {
            const QPointF p(dot.x, dot.y);
            if (DistanceToSegment(p, a, b) < 0.5) {
                along.push_back(QPointF::dotProduct(p - a, b - a) /
                                std::hypot((b - a).x(), (b - a).y()));
            }
        }
        std::sort(along.begin(), along.end());
        return along;
    }
};

TEST(CurrentView, DotsMoveOnlyWhereCurrentFlowsAndTheWayItFlows) {
    LoopBoard l;
    const QImage off = l.w.grab().toImage();
    l.w.Commands().ShowCurrent()->trigger();
    EXPECT_TRUE(l.w.CurrentLayer().Animating());
    const QImage first = l.w.grab().toImage();
    const std::vector<double> before = l.OnFirstWire();
    l.w.CurrentLayer().Step(0.02);
    const QImage second = l.w.grab().toImage();
    const std::vector<double> after = l.OnFirstWire();

    // Conventional current leaves the cell's positive (first) terminal: along wire 1 it runs
    // from terminal 1 to the bulb, so measured from the bulb's end every dot comes nearer.
    // 1.5 V over 11 ohms is 0.136 A: 54.5 pixels a second, 1.09 pixels in 20 ms.
    ASSERT_FALSE(before.empty());
    EXPECT_GE(MovedBy(before, after, -1.09), static_cast<int>(after.size()) - 1);
    EXPECT_GT(after.size(), 3u);

    // Every pixel the dots change lies on the loop's wires or parts, none near the open branch;
    // the parts and the board beneath show as they do with the view off.
    const std::vector<std::pair<int, int>> loop = {{3, 1}, {2, 4}, {1, 2}, {3, 4}};
    EXPECT_GT(ChangedOnlyAlong(l.d.board(), first, second, loop), 0);
    EXPECT_GT(ChangedOnlyAlong(l.d.board(), off, first, loop), 0);

    // The electrons' way runs the dots back.
    l.w.Commands().ElectronFlow()->trigger();
    const std::vector<double> e0 = l.OnFirstWire();
    l.w.CurrentLayer().Step(0.02);
    const std::vector<double> e1 = l.OnFirstWire();
    EXPECT_GE(MovedBy(e0, e1, 1.09), static_cast<int>(e1.size()) - 1);

    // Off again: the board as it was, no timer.
    l.w.Commands().ShowCurrent()->trigger();
    EXPECT_FALSE(l.w.CurrentLayer().Animating());
    EXPECT_EQ(l.w.grab().toImage(), off);
}

TEST(CurrentView, NoCurrentNoTimerAndTheDotsRestartAfterASolve) {
    LoopBoard l;
    l.d.Key(Qt::Key_C);  // View ▸ Show Current's key
    ASSERT_TRUE(l.w.Commands().ShowCurrent()->isChecked());
    ASSERT_TRUE(l.w.CurrentLayer().Animating());
    l.w.grab();  // the view has copied what lies beneath it
    // The loop's wire 2 deleted: nothing flows anywhere, nothing moves, nothing is drawn.
    l.w.DelPic_Click();
    l.d.Click((l.d.BesideTerminal(2) + l.d.BesideTerminal(4)) / 2);
    ASSERT_EQ(l.d.board().LastWire(), 2);
    EXPECT_FALSE(l.w.CurrentLayer().Animating());
    EXPECT_TRUE(l.w.CurrentLayer().Dots().empty());
    // Wired again through the switch, closed: the dots run again.
    l.w.LinePic_Click();
    l.d.Drag(l.d.BesideTerminal(2), l.d.BesideTerminal(6));
    l.d.Click({345, 345});
    EXPECT_TRUE(l.w.CurrentLayer().Animating());
    EXPECT_FALSE(l.w.CurrentLayer().Dots().empty());
    // The switch, wires and glass changed beneath the dots show through them.
    const QImage on = l.w.grab().toImage();
    l.w.ShowCurrent(false);
    EXPECT_GT(ChangedOnlyAlong(l.d.board(), on, l.w.grab().toImage(),
                               {{3, 1}, {4, 5}, {6, 2}, {1, 2}, {3, 4}, {5, 6}}),
              0);
}

}  // namespace
}  // namespace cw::test
