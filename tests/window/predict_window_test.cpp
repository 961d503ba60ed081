// Predict first in the window: an edit that changes the circuit veils its results until Show;
// a prediction is made by a click with any tool or by Space; Show reveals exactly the normal
// view's pixels, judges each prediction and explains a wrong one.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>

#include "app/main_window.h"
#include "app/part_texts.h"
#include "app/prediction_texts.h"
#include "files/circuit_model.h"
#include "model/part_kinds.h"
#include "support/window_driver.h"

namespace cw::test {
namespace {

// A cell at (100, 100) with two bulbs in series, at (300, 100) and (300, 300): the last wire
// closes the loop.
void SeriesLoop(WindowDriver& d) {
    d.Place(Kind::Cell, 100, 100);   // 1
    d.Place(Kind::Light, 300, 100);  // 2
    d.Place(Kind::Light, 300, 300);  // 3
    d.window().LinePic_Click();
    d.Drag(d.BesideTerminal(1), d.BesideTerminal(3));
    d.Drag(d.BesideTerminal(4), d.BesideTerminal(5));
    d.Drag(d.BesideTerminal(6), d.BesideTerminal(2));
}

TEST(PredictWindow, AnEditHidesTheResultsUntilShowAndTheRevealIsTheNormalView) {
    QImage normal;
    {
        WindowDriver d(true);
        SeriesLoop(d);
        normal = d.window().BoardImage();
    }
    WindowDriver d(true);
    Circuit& w = d.window();
    d.main()->PredictFirst()->setChecked(true);
    SeriesLoop(d);
    const Board& b = d.board();
    ASSERT_TRUE(b.Predict.veiled);
    EXPECT_GT(b.ValueOf(2), 0);  // solved, not shown
    EXPECT_NE(w.BoardImage(), normal);
    EXPECT_EQ(w.ControlDescription(w.Element(Kind::Light, 1)),
              PartTexts::Veiled(Kind::Light, 0, Guess::None, false));
    // Bulb 2 predicted bright by two clicks with the line tool, bulb 3 dim by Space.
    const QPoint bulb2(345, 130);
    d.Click(bulb2);
    d.Click(bulb2);
    d.Click(bulb2);
    EXPECT_EQ(b.Predict.Of(2), Guess::Bright);
    EXPECT_EQ(b.At(Kind::Light, 1).Left, 300);  // the clicks moved nothing
    w.Element(Kind::Light, 2)->setFocus();
    d.Key(Qt::Key_Space);
    d.Key(Qt::Key_Space);
    EXPECT_EQ(b.Predict.Of(3), Guess::Dim);
    // Moving a part changes nothing electrical: the veil stays, with the predictions.
    d.Drag({145, 145}, {145, 165});
    EXPECT_TRUE(b.Predict.veiled);
    EXPECT_EQ(b.Predict.Of(2), Guess::Bright);
    d.Drag({145, 165}, {145, 145});
    d.Key(Qt::Key_Return);  // Enter on a part shows
    EXPECT_FALSE(b.Predict.veiled);
    // The same pixels as the normal view's, where the predictions' panel beside the board leaves
    // it narrower.
    const QImage revealed = w.BoardImage();
    EXPECT_EQ(revealed, normal.copy(revealed.rect()));
    const QStringList lines = d.main()->VerdictLines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith(QString::fromUtf16(u"\u2718 Bulb 2: you said bright")));
    EXPECT_TRUE(lines[0].contains("Bulb 2 and Bulb 3 are in one loop: the same 0.071 A passes "
                                  "through both."));
    EXPECT_EQ(lines[1], QString::fromUtf16(u"\u2714 Bulb 3: dim, right."));
    EXPECT_EQ(d.main()->findChild<QLabel*>("predictionTally")->text(),
              PredictionTexts::Tally(1, 2));
    // With the delete tool a click on a veiled bulb predicts rather than deletes.
    w.DelPic_Click();
    d.Click({345, 275});  // on the wire between the bulbs: deleted, and the results veiled
    ASSERT_TRUE(b.Predict.veiled);
    d.Click(bulb2);
    EXPECT_TRUE(b.At(Kind::Light, 1).Visible);
    EXPECT_EQ(b.Predict.Of(2), Guess::Dark);
    // So does the pencil's.
    w.PencilPic_Click();
    d.Click(bulb2);
    EXPECT_EQ(b.Predict.Of(2), Guess::Dim);
    EXPECT_TRUE(w.Glasso1().Strokes().empty());
    d.main()->ShowResults()->trigger();
    EXPECT_EQ(d.main()->findChild<QLabel*>("predictionTally")->text(),
              PredictionTexts::Tally(1, 3));
    // Off, nothing is veiled any more.
    d.main()->PredictFirst()->setChecked(false);
    w.LinePic_Click();
    d.Drag(d.BesideTerminal(4), {250, 300});
    EXPECT_FALSE(b.Predict.veiled);
}

}  // namespace
}  // namespace cw::test
