// What a screen reader, a hovering pointer and a learner in another language get from the real
// window: the tree of names, roles and states, descriptions that follow the solve, tooltips and
// pointer shapes that say what a press would do.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QStyle>
#include <QTextDocument>
#include <QToolTip>
#include <QTranslator>
#include <functional>
#include <map>

#include "app/commands.h"
#include "app/help_window.h"
#include "app/main_window.h"
#include "app/part_texts.h"
#include "geometry/terminal_position.h"
#include "support/window_driver.h"

// Readable QStrings in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace cw::test {
namespace {

QAccessibleInterface* Child(Circuit& w, int i) {
    return QAccessible::queryAccessibleInterface(&w)->child(i);
}

// A cell and a bulb wired into a loop with the mouse: numbers 1 and 2.
void LitLoop(WindowDriver& d) {
    d.Place(Kind::Cell, 100, 100);
    d.Place(Kind::Light, 300, 100);
    d.window().LinePic_Click();
    d.Drag(d.BesideTerminal(3), d.BesideTerminal(1));
    d.Drag(d.BesideTerminal(2), d.BesideTerminal(4));
}

TEST(Accessibility, TheTreeNamesEveryControlAndFollowsTheBoard) {
    WindowDriver d;
    Circuit& w = d.window();
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&w);
    ASSERT_EQ(window->childCount(), 8);  // four palette copies, three tools, the board
    const char* names[] = {"Battery cell", "Switch",      "Resistor",    "Bulb",
                           "Line tool",    "Pencil tool", "Delete tool", "Board"};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(Child(w, i)->text(QAccessible::Name), names[i]) << i;
        EXPECT_EQ(window->indexOfChild(Child(w, i)), i);
        if (i < 7) {
            EXPECT_EQ(Child(w, i)->role(), QAccessible::Button) << i;
        }
    }
    EXPECT_TRUE(Child(w, 5)->state().checkable);
    EXPECT_TRUE(Child(w, 5)->state().checked);  // the pencil is chosen at start
    EXPECT_FALSE(Child(w, 4)->state().checked);

    d.Place(Kind::Cell, 100, 100);
    d.Place(Kind::Light, 300, 100);
    EXPECT_EQ(Child(w, 8)->text(QAccessible::Description),
              "dark: not in a closed loop, 0.000 A, 0.00 V");
    w.LinePic_Click();
    d.Drag(d.BesideTerminal(3), d.BesideTerminal(1));
    d.Drag(d.BesideTerminal(2), d.BesideTerminal(4));
    ASSERT_EQ(window->childCount(), 10);
    EXPECT_TRUE(Child(w, 4)->state().checked);  // the line tool now
    EXPECT_EQ(Child(w, 7)->text(QAccessible::Name), "Battery cell 1");
    EXPECT_EQ(Child(w, 7)->text(QAccessible::Description),
              "1.5 volts, 0.136 A, 1.36 V across its terminals");
    EXPECT_EQ(Child(w, 8)->text(QAccessible::Name), "Bulb 2");
    EXPECT_EQ(Child(w, 8)->text(QAccessible::Description), "lit, 0.136 A, 1.36 V");

    // A wire gone: the bulb is dark and says why. A deleted part leaves the tree.
    w.DelPic_Click();
    d.Click((d.BesideTerminal(2) + d.BesideTerminal(4)) / 2);
    EXPECT_EQ(Child(w, 8)->text(QAccessible::Description),
              "dark: not in a closed loop, 0.000 A, 0.00 V");
    d.Click({145, 145});
    EXPECT_EQ(window->childCount(), 9);
    EXPECT_EQ(Child(w, 7)->text(QAccessible::Name), "Bulb 2");
}

TEST(Accessibility, PointerShapesAndTooltipsSayWhatAPressWouldDo) {
    WindowDriver d;
    Circuit& w = d.window();
    LitLoop(d);
    d.Place(Kind::Swit, 200, 300);
    auto shapeAt = [&](QPoint p) {
        d.MoveTo(p);
        return w.Glasso1().cursor().shape();
    };
    EXPECT_EQ(shapeAt(d.BesideTerminal(3) + QPoint(-1, 2)), Qt::CrossCursor);  // a wire would start
    EXPECT_EQ(shapeAt({145, 145}), Qt::SizeAllCursor);                         // the cell moves
    EXPECT_EQ(shapeAt({245, 345}), Qt::PointingHandCursor);                    // the switch toggles
    EXPECT_EQ(shapeAt({450, 400}), Qt::ArrowCursor);
    w.DelPic_Click();
    EXPECT_EQ(shapeAt((d.BesideTerminal(1) + d.BesideTerminal(3)) / 2), Qt::PointingHandCursor);
    EXPECT_EQ(shapeAt({450, 400}), Qt::ArrowCursor);
    w.PencilPic_Click();
    EXPECT_EQ(shapeAt({145, 145}), Qt::IBeamCursor);

    QWidget& overlay = w.Glasso1();
    const QPoint onBulb = overlay.mapFrom(&w, QPoint(345, 145));
    QHelpEvent hover(QEvent::ToolTip, onBulb, overlay.mapToGlobal(onBulb));
    QApplication::sendEvent(&overlay, &hover);
    EXPECT_EQ(QToolTip::text(), "Bulb 2: lit, 0.136 A, 1.36 V");
    EXPECT_EQ(w.Element(Kind::Cell, 2)->toolTip(),
              "Battery cell: drag it onto the board, or press Space to pick one up");
}

// The reasons come with the solve's values: dragging a new part out solves nothing, and the
// lit bulb stays lit to a reader all the while.
TEST(Accessibility, ALitBulbStaysLitWhileANewPartIsDraggedOut) {
    WindowDriver d;
    Circuit& w = d.window();
    LitLoop(d);
    QWidget* bulb = w.Element(Kind::Light, 1);
    ASSERT_EQ(w.ControlDescription(bulb), "lit, 0.136 A, 1.36 V");
    d.Press(d.SlotCentre(KindIndex(Kind::Light)));
    d.MoveTo(QPoint(250, 300));
    EXPECT_EQ(w.ControlDescription(bulb), "lit, 0.136 A, 1.36 V");
    d.Release(QPoint(250, 300));
    EXPECT_EQ(w.ControlDescription(bulb), "lit, 0.136 A, 1.36 V");
    EXPECT_EQ(w.ControlDescription(w.Element(Kind::Light, 2)),
              "dark: not in a closed loop, 0.000 A, 0.00 V");
}

// Round a series loop every part carries the bulb's current, truncated as its glass is; an open
// switch stops it and the cell's full voltage stands across its terminals.
TEST(Accessibility, ReadingsAgreeRoundASeriesLoop) {
    WindowDriver d;
    Circuit& w = d.window();
    d.Place(Kind::Cell, 100, 100);
    d.Place(Kind::Swit, 300, 100);
    d.Place(Kind::Resi, 300, 300);
    d.Place(Kind::Light, 100, 300);
    w.LinePic_Click();
    for (auto [a, b] : {std::pair{1, 3}, {4, 5}, {6, 7}, {8, 2}})
        d.Drag(d.BesideTerminal(a), d.BesideTerminal(b));
    auto said = [&](Kind kind) { return w.ControlDescription(w.Element(kind, 1)); };
    EXPECT_EQ(said(Kind::Swit), "open, 0.000 A");
    EXPECT_EQ(said(Kind::Cell), "1.5 volts, 0.000 A, 1.50 V across its terminals");
    d.Click({345, 145});  // 1.5 V over 21 ohms: 0.0714 A
    EXPECT_EQ(said(Kind::Swit), "closed, 0.071 A");
    EXPECT_EQ(said(Kind::Resi), "10 ohms, 0.071 A, 0.71 V");
    EXPECT_EQ(said(Kind::Light), "lit, 0.071 A, 0.71 V");
    EXPECT_EQ(said(Kind::Cell), "1.5 volts, 0.071 A, 1.43 V across its terminals");
}

TEST(Help, F1OpensItBesideTheBoardWithAnAboutPart) {
    WindowDriver d;
    Circuit& w = d.window();
    const QRect board = w.geometry();
    d.Key(Qt::Key_F1);
    const auto* help = w.findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->isWindow());
    EXPECT_EQ(w.geometry(), board);
    const QString text = HelpWindow::Text(w.Commands().KeyTable());
    EXPECT_TRUE(text.contains("Circuit Workbench 1.0.0"));
    EXPECT_TRUE(text.contains(QString::fromLatin1(qVersion())));
}

// Run with LANGUAGE=de (the window.german test): the texts come out in German.
// Run with LANGUAGE=de (window.german) or LANGUAGE=es and an English locale (window.spanish);
// each case skips under the other language.
TEST(Translation, GermanComesFromTheSystemLanguage) {
    if (!qEnvironmentVariable("LANGUAGE").startsWith("de")) GTEST_SKIP() << "needs LANGUAGE=de";
    QTranslator* german = LoadTranslations(*qApp);
    ASSERT_NE(german, nullptr);
    WindowDriver d;
    Circuit& w = d.window();
    EXPECT_EQ(Child(w, 0)->text(QAccessible::Name), "Batteriezelle");
    EXPECT_TRUE(w.ToolButton(kToolLine).toolTip().contains("Leitungswerkzeug (L)"));
    QCoreApplication::removeTranslator(german);
}

TEST(Translation, NumbersFollowTheLanguageShown) {
    if (!qEnvironmentVariable("LANGUAGE").startsWith("es")) GTEST_SKIP() << "needs LANGUAGE=es";
    QTranslator* spanish = LoadTranslations(*qApp);
    ASSERT_NE(spanish, nullptr);
    WindowDriver d;
    LitLoop(d);
    EXPECT_EQ(d.window().ControlDescription(d.window().Element(Kind::Light, 1)),
              "encendida, 0,136 A, 1,36 V");
    EXPECT_EQ(d.window().ControlDescription(d.window().Element(Kind::Cell, 1)),
              "1,5 voltios, 0,136 A, 1,36 V entre sus terminales");
    QCoreApplication::removeTranslator(spanish);
}

// In every language (window.german and window.spanish run it too): no two commands of one menu,
// nor two menus of the bar, share an access key.
TEST(Translation, EveryMenuKeepsItsAccessKeysApart) {
    QTranslator* shown = LoadTranslations(*qApp);
    {
        WindowDriver d(true);
        std::function<void(const QList<QAction*>&, const QString&)> check =
            [&](const QList<QAction*>& actions, const QString& where) {
                std::map<QChar, QString> taken;
                for (QAction* a : actions) {
                    const QString text = a->text();
                    const qsizetype amp = text.indexOf(QRegularExpression("&[^&]"));
                    if (amp >= 0) {
                        const QChar key = text[amp + 1].toLower();
                        EXPECT_FALSE(taken.count(key))
                            << where.toStdString() << ": " << text.toStdString() << " and "
                            << taken[key].toStdString();
                        taken[key] = text;
                    }
                    if (a->menu()) check(a->menu()->actions(), text);
                }
            };
        check(d.main()->menuBar()->actions(), QStringLiteral("menu bar"));
    }
    if (shown) QCoreApplication::removeTranslator(shown);
}

// In every language: the status bar's first-steps hint of each tool fits the window at its
// designed width, whole, with the key to help at its end; the strip's tooltips fit it too.
TEST(Translation, EveryStatusBarHintFitsTheDesignedWidth) {
    QTranslator* shown = LoadTranslations(*qApp);
    {
        WindowDriver d(true);
        MainWindow& main = *d.main();
        main.resize(kDesignClientWidth, main.height());
        main.show();
        QApplication::processEvents();
        auto* hint = main.findChild<QLabel*>(QStringLiteral("toolHint"));
        ASSERT_NE(hint, nullptr);
        const QString help =
            QKeySequence(QKeySequence::HelpContents).toString(QKeySequence::NativeText);
        const QString key = QCoreApplication::translate("cw::MainWindow", "%1: help").arg(help);
        for (int16_t tool : {kToolLine, kToolPencil, kToolDelete, int16_t{-1}}) {
            if (tool < 0) {
                d.window().ChooseEraser();
            } else {
                d.window().ChooseTool(tool);
            }
            const QString text = hint->text();
            SCOPED_TRACE(text.toStdString());
            EXPECT_TRUE(text.endsWith(key));
            EXPECT_FALSE(text.contains(QChar(0x2026)));  // whole words, none left out
            EXPECT_LE(hint->fontMetrics().horizontalAdvance(text), hint->contentsRect().width());
            EXPECT_LE(hint->geometry().right(), main.statusBar()->width());
        }
        // A tooltip shows as one line that fits, or a paragraph the tooltip wraps to fit.
        for (QWidget* c : d.window().FocusOrder()) {
            if (c->toolTip().isEmpty()) continue;
            SCOPED_TRACE(c->toolTip().toStdString());
            const QPoint centre = c->rect().center();
            QHelpEvent hover(QEvent::ToolTip, centre, c->mapToGlobal(centre));
            QApplication::sendEvent(c, &hover);
            const QString shown = QToolTip::text();
            EXPECT_TRUE(Qt::mightBeRichText(shown) ? shown.contains(c->toolTip().toHtmlEscaped())
                                                   : shown == c->toolTip());
            QLabel tip;
            tip.setFont(QToolTip::font());
            tip.setWordWrap(Qt::mightBeRichText(shown));
            tip.setText(shown);
            EXPECT_LE(tip.sizeHint().width(), kDesignClientWidth);
            QToolTip::hideText();
        }
    }
    if (shown) QCoreApplication::removeTranslator(shown);
}

}  // namespace
}  // namespace cw::test
