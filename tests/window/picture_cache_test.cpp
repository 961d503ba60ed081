// Parts' pictures taken from the cache are the pixels their painters draw, in every state and
// view and at the screen's ratio (CTest runs these at a ratio of 2 too).
#include <gtest/gtest.h>

#include "app/circuit_window.h"
#include "support/window_driver.h"
#include "toolkit/picture_cache.h"

namespace cw::test {
namespace {

// Each placed part's picture, as shown, against the same part drawn afresh without the cache.
void ExpectEveryPartAsDrawn(Circuit& w, const Board& b, const char* when) {
    for (Kind kind : kKinds) {
        for (int i = 1; i <= b.UBound(kind); ++i) {
            PictureControl* c = w.Element(kind, i);
            c->Refresh();  // kept, if it was not
            c->Refresh();  // and taken from the cache
            const QImage shown = c->Image();
            c->SetCached(false);
            c->Refresh();
            EXPECT_EQ(shown, c->Image()) << when << ": kind " << KindIndex(kind) << " #" << i;
            c->SetCached(true);
        }
    }
}

TEST(PictureCache, APartFromTheCacheIsWhatItsPainterDraws) {
    WindowDriver d;
    Circuit& w = d.window();
    d.Place(Kind::Cell, 100, 100);
    d.Place(Kind::Swit, 250, 100);
    d.Place(Kind::Light, 400, 100);
    d.Place(Kind::Light, 400, 250);
    d.Place(Kind::Resi, 250, 250);
    w.LinePic_Click();
    d.Drag(d.BesideTerminal(2), d.BesideTerminal(3));
    d.Drag(d.BesideTerminal(4), d.BesideTerminal(5));
    d.Drag(d.BesideTerminal(6), d.BesideTerminal(9));
    d.Drag(d.BesideTerminal(10), d.BesideTerminal(1));
    ExpectEveryPartAsDrawn(w, d.board(), "open");

    const QImage open = w.Element(Kind::Swit, 1)->Image();
    d.Click(QPoint(295, 145));  // closes the switch: the bulb lights
    ASSERT_EQ(d.board().ValueOf(2), 0);
    ASSERT_GT(d.board().ValueOf(3), 0);
    EXPECT_NE(w.Element(Kind::Swit, 1)->Image(), open);
    ExpectEveryPartAsDrawn(w, d.board(), "closed");

    w.SetDiagram(Symbols::Iec);
    ExpectEveryPartAsDrawn(w, d.board(), "diagram");
    w.SetDiagram(std::nullopt);
    ExpectEveryPartAsDrawn(w, d.board(), "pictorial again");
}

TEST(PictureCache, KeepsItsBytesDroppingTheOldest) {
    PictureCache cache(3 * 64 * 64 * 4);
    const QImage picture(64, 64, QImage::Format_RGB32);
    for (const char* key : {"a", "b", "c", "d"}) cache.Keep(key, picture);
    EXPECT_EQ(cache.Count(), 3u);
    EXPECT_EQ(cache.Find("a"), nullptr);
    ASSERT_NE(cache.Find("d"), nullptr);
    cache.Keep("huge", QImage(128, 128, QImage::Format_RGB32));  // more than it may hold
    EXPECT_EQ(cache.Find("huge"), nullptr);
    EXPECT_EQ(cache.Bytes(), 3u * 64 * 64 * 4);
}

}  // namespace
}  // namespace cw::test
