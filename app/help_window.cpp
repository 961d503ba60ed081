#include "app/help_window.h"

#include <QKeySequence>

#include <QKeyEvent>
#include <QLocale>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <utility>

#include "edit/gesture_rules.h"
#include "edit/keyboard_rules.h"
#include "model/part_values.h"
#include "render/current_flow.h"

namespace cw {

HelpWindow::HelpWindow(QWidget* owner, const KeyRows& commandKeys) : QWidget(owner, Qt::Window) {
    setWindowTitle(tr("Circuit Workbench Help"));
    text_ = new QTextBrowser(this);
    text_->setHtml(Text(commandKeys));
    text_->setOpenExternalLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text_);
    resize(600, 640);
}

void HelpWindow::ShowSection(const QString& section) {
    if (section.isEmpty()) {
        text_->verticalScrollBar()->setValue(0);
    } else {
        text_->scrollToAnchor(section);
    }
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    // Escape and the platform's close key close the help, as any secondary window.
    if (event->key() == Qt::Key_Escape || event->matches(QKeySequence::Close)) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

QString HelpWindow::Text(const KeyRows& commandKeys) {
    const QLocale locale;
    QString html;
    html += QStringLiteral("<h2>%1</h2>").arg(tr("Building a circuit"));
    html += QStringLiteral("<p>%1</p>")
                .arg(tr("Drag a battery cell, a switch, a resistor or a bulb from the strip at "
                        "the bottom onto the board. Let go over the strip to cancel."));
    html += QStringLiteral("<ul><li>%1</li><li>%2</li><li>%3</li><li>%4</li></ul>")
                .arg(tr("A battery cell gives %1 volts; its left terminal is positive.")
                         .arg(locale.toString(kCellVolts)),
                     tr("A new switch is open: click it with the line tool to close or open "
                        "it."),
                     tr("A new resistor is %1 ohms: each click with the line tool steps it to "
                        "%2, %3 and back to %1 ohms.")
                         .arg(kNewResistorOhms)
                         .arg(kLargestResistorOhms)
                         .arg(kSmallestResistorOhms),
                     tr("A bulb glows brighter the more current flows through it: grey when "
                        "dark, pale yellow, then full yellow."));
    html += QStringLiteral("<h2>%1</h2>").arg(tr("Tools"));
    html += QStringLiteral("<ul><li>%1</li><li>%2</li><li>%3</li></ul>")
                .arg(tr("<b>Line tool</b>: press just outside a part's left or right edge, "
                        "on its terminal, drag and let go on another terminal to draw a wire. "
                        "Drag parts on the board to move them."),
                     tr("<b>Pencil tool</b>: write notes over the board; a drag with the "
                        "right button rubs them out. Notes never change the circuit."),
                     tr("<b>Delete tool</b>: click a part or a wire to delete it."));
    html += QStringLiteral("<p>%1</p>")
                .arg(tr("The pointer shows what a press will do: a cross where a wire would "
                        "start on a terminal or junction, a pointing hand where a click toggles, "
                        "steps or deletes, a four-way arrow over a part you can move, a text "
                        "cursor where the pencil writes."));
    html += QStringLiteral("<h3>%1</h3><p>%2</p>")
                .arg(tr("With a finger or a pen"),
                     tr("A finger does what the left button does: drag parts, draw wires, tap "
                        "switches, resistors and tools, write notes. It reaches twice as far as "
                        "the mouse: a wire snaps to a terminal up to %1 pixels away, and a tap "
                        "may slip %2 pixels. A part you drag with a finger is shown above it, "
                        "where it will land. A second finger calls off what the first is doing, "
                        "as Escape does. Tools ▸ Eraser (%3) makes the pencil rub notes out with "
                        "a finger or the left button; a pen writes with its tip and rubs out "
                        "with its other end.")
                         .arg(kFingerReach.snap)
                         .arg(kFingerReach.click)
                         .arg(QKeySequence(Qt::Key_E).toString(QKeySequence::NativeText)));
    const auto keyOf = [](QKeyCombination key) {
        return QKeySequence(key).toString(QKeySequence::NativeText);
    };
    html += QStringLiteral("<h3>%1</h3><p>%2</p>")
                .arg(tr("Zooming the board"),
                     tr("View ▸ Zoom In (%1) and Zoom Out (%2) show the board larger or smaller, "
                        "from 50 % to 300 %; Ctrl with the mouse wheel zooms about the pointer, "
                        "and two fingers pinch. View ▸ Actual Size (%3) goes back, and Fit in "
                        "Window shows every part and note. A board larger than the window "
                        "scrolls. The strip keeps its size, and the parts, wires and snapping "
                        "are the same at every zoom; files and pictures keep the board at its "
                        "actual size.")
                         .arg(keyOf(Qt::CTRL | Qt::Key_Equal), keyOf(Qt::CTRL | Qt::Key_Minus),
                              keyOf(Qt::CTRL | Qt::Key_0)));
    html += QStringLiteral("<h2>%1</h2>").arg(tr("Seeing the current"));
    html +=
        QStringLiteral("<p>%1</p><p>%2</p>")
            .arg(tr("Point at a part to read the current through it and the voltage across "
                    "it, as in \"Resistor 3: 10 ohms, 0.071 A, 0.71 V\". Currents are read "
                    "to the milliampere and voltages to the hundredth of a volt, rounded, "
                    "so every part of a series loop reads the same current. For a lab's "
                    "view, drag an ammeter (wired into the loop) or a voltmeter (wired "
                    "across a part) from the Meters and Fuses bar under the menus: its face shows "
                    "the reading, signed from its red + terminal to its black one."),
                 tr("View ▸ Show Current (%1) sets dots moving along every wire and through "
                    "every part that carries current: out of a cell's positive terminal, "
                    "round the circuit and back into its negative one. The more current, "
                    "the faster: 0.1 A moves a dot %2 pixels a second, and no dot goes "
                    "faster than %3 pixels a second. Where no current flows, nothing moves. "
                    "View ▸ Electron Flow runs the dots the other way, as the electrons "
                    "themselves move.")
                     .arg(QKeySequence(Qt::Key_C).toString(QKeySequence::NativeText))
                     .arg(locale.toString(0.1 * kDotPixelsPerAmpSecond))
                     .arg(locale.toString(kFastestDot)));
    html += QStringLiteral("<p>%1</p>")
                .arg(tr("A fuse from the same bar protects a circuit: it is rated 0.25, 0.5 or "
                        "1 A, and when more current than that flows through it, it blows and "
                        "opens the circuit (the fuse most overloaded goes first). Click a fuse "
                        "with the line tool to change its rating, or to put in a new one once it "
                        "has blown."));
    html += QStringLiteral("<p>%1</p>")
                .arg(tr("View ▸ Circuit Diagram (%1) draws the same board as a circuit diagram, "
                        "black on white for a projector or a worksheet: each part as its "
                        "standard symbol with its label (R3 10 Ω, L2, 1.5 V), a dot where three "
                        "connections meet. Everything works as before; View ▸ Symbols chooses "
                        "IEC or ANSI symbols. Export, print and copy draw the view shown.")
                         .arg(QKeySequence(Qt::Key_G).toString(QKeySequence::NativeText)));
    html += QStringLiteral("<h2>%1</h2>").arg(tr("Keeping your work"));
    html += QStringLiteral("<p>%1</p><p>%2</p>")
                .arg(tr("File ▸ Save (%1) keeps the circuit and your notes in a file; File ▸ "
                        "Open (%2) brings it back, and so does double-clicking the file or "
                        "dropping it on the window. File ▸ Open Example has ready-made circuits "
                        "with a note on what to notice.")
                         .arg(QKeySequence(QKeySequence::Save).toString(QKeySequence::NativeText),
                              QKeySequence(QKeySequence::Open).toString(QKeySequence::NativeText)),
                     tr("Before New, Open or closing would lose changes, you are asked whether "
                        "to save them. If the program stops without closing, the next start "
                        "offers the unsaved changes back."));
    html += QStringLiteral("<p>%1</p>")
                .arg(tr("Edit ▸ Undo (%1) takes back the last change: a part placed, moved or "
                        "deleted, a wire, a switch or resistor clicked, a note written or rubbed "
                        "out; Edit ▸ Redo (%2) makes it again. The two arrows at the right of the "
                        "menu bar do the same and say which change they mean.")
                         .arg(QKeySequence(QKeySequence::Undo).toString(QKeySequence::NativeText),
                              QKeySequence(QKeySequence::Redo).toString(QKeySequence::NativeText)));
    html += QStringLiteral("<p>%1</p>")
                .arg(tr("For worksheets: File ▸ Export… (%1) saves a picture of the board as PNG "
                        "(as on screen, or twice as fine for print), SVG or PDF; File ▸ Print… "
                        "(%2) prints it on one page with its name and the date; Edit ▸ Copy "
                        "Board Image (%3) puts it on the clipboard. The pictures show the parts, "
                        "wires, glowing bulbs, moving dots and notes, not the strip.")
                         .arg(QKeySequence(Qt::CTRL | Qt::Key_E).toString(QKeySequence::NativeText),
                              QKeySequence(QKeySequence::Print).toString(QKeySequence::NativeText),
                              QKeySequence(QKeySequence::Copy).toString(QKeySequence::NativeText)));
    html += QStringLiteral("<h2><a name='predict'></a>%1</h2>").arg(tr("Predict first"));
    html +=
        QStringLiteral("<p>%1</p><p>%2</p><ul>")
            .arg(
                tr("View ▸ Predict First asks you to think before you look. After each change to "
                   "the "
                   "circuit, the bulbs show white glass with a “?”, the meters “?”, and the "
                   "current's "
                   "view and the readings stay hidden. Click each bulb, with any tool (or press "
                   "Space on "
                   "it), to say what you expect: dark (no light), dim (lit, under 0.10 A) or "
                   "bright "
                   "(0.10 A or more). Then press Show Results (%1, Enter on a part, or the button "
                   "in the "
                   "status bar): the circuit shows as it is, and each prediction is marked right "
                   "or "
                   "wrong. The status bar counts your right predictions since you switched the "
                   "mode on.")
                    .arg(
                        QKeySequence(Qt::CTRL | Qt::Key_Return).toString(QKeySequence::NativeText)),
                tr("For a wrong prediction, the Predictions panel explains the bulb from the "
                   "circuit, "
                   "the first of these that fits:"));
    for (const char* trigger :
         {QT_TR_NOOP("a wire joins its terminals: the current takes the wire;"),
          QT_TR_NOOP("a switch in its loop is open: no current flows round it;"),
          QT_TR_NOOP("the cells in its loop push against each other: no current;"),
          QT_TR_NOOP("another reason it is dark (not in a closed loop, no cell, a fuse blown);"),
          QT_TR_NOOP("two or more cells push the same way round its loop: more current;"),
          QT_TR_NOOP("another bulb is in its loop, one after the other: the same current "
                     "passes through both, none is used up on the way;"),
          QT_TR_NOOP("a resistor is in its loop: before the bulb or after it, the current is "
                     "the same all the way round;"),
          QT_TR_NOOP("it has a path of its own across the cell: its own current, while the "
                     "cell gives more in all, shared between the paths;"),
          QT_TR_NOOP("otherwise, that it is lit, with its current.")}) {
        html += QStringLiteral("<li>%1</li>").arg(tr(trigger));
    }
    html += QStringLiteral("</ul>");
    html += QStringLiteral("<h2><a name='tasks'></a>%1</h2>").arg(tr("Tasks"));
    html += QStringLiteral("<p>%1</p><p>%2</p><p>%3</p>")
                .arg(tr("A task is a circuit with instructions and goals, shown in the task "
                        "panel beside the board (View ▸ Task Panel hides it). A padlock marks a "
                        "part you cannot move, delete or click; a “?” marks a value to find by "
                        "measuring. The strip and the Meters and Fuses bar show how many more "
                        "parts of each kind you may add. Build the circuit, type any answers, "
                        "then press Check (Tools ▸ Check Task, %1): each goal gets a tick or a "
                        "cross, and under a cross a hint from your circuit, such as which bulb is "
                        "dark and why. Check changes nothing. Saving keeps your work with the "
                        "task. File ▸ Open Example has six tasks to try.")
                         .arg(QKeySequence(Qt::Key_F5).toString(QKeySequence::NativeText)),
                     tr("For teachers: build a board, then choose Task ▸ New Task From This "
                        "Board. In the task editor write a title and instructions, lock parts or "
                        "hide their values (in the editor's list, or from a part's menu on the "
                        "board: right-click it, or press the Menu key), say how many parts of "
                        "each kind learners may add, and add goals: a bulb lit or dark, one bulb "
                        "brighter than or as bright as another (judged on the current to the "
                        "milliampere), a switch that turns a bulb on and off (or only that "
                        "bulb), a meter reading a value, no cell shorted, no fuse blown, at most "
                        "so many parts of a kind, or a number the learner types with its unit. "
                        "Press Done, then save the file and hand it out."),
                     tr("Tasks are for classroom practice, not a secure exam: Task ▸ Edit Task "
                        "lets anyone open the editor again, and the file holds the hidden "
                        "values."));
    html += QStringLiteral("<h2><a name='keys'></a>%1</h2>").arg(tr("Keyboard"));
    KeyRows keys = {
        {tr("Tab, Shift+Tab"), tr("move between the parts in the strip, the tools, the parts on "
                                  "the board and the board")},
        {tr("Space, Enter"),
         tr("pick up a new part from the strip and put it down; choose a tool; click the focused "
            "part (with the line tool a switch toggles and a resistor steps, with the delete tool "
            "the part goes); on the board, start and end a wire at the cursor, or with the "
            "delete tool delete the wire there")},
        {tr("Arrows"), tr("move the new part, the focused part or the board's cursor %1 pixels; "
                          "with Shift, %2 pixel. With the line tool a switch or resistor moved %3 "
                          "pixels or less counts as a click, as with the mouse")
                           .arg(kCoarseStep)
                           .arg(kFineStep)
                           .arg(kClickSlack)},
        {tr("N, Shift+N"),
         tr("on the board, jump the cursor to the next or previous terminal or junction")},
        {tr("W, Shift+W"),
         tr("on the board, jump the cursor to the middle of the next or previous wire")},
        {tr("Escape"), tr("cancel the new part or the wire being drawn")},
        {QKeySequence(Qt::Key_F5).toString(QKeySequence::NativeText),
         tr("check the task: a tick or a cross for each goal")},
        {QKeySequence(Qt::CTRL | Qt::Key_Return).toString(QKeySequence::NativeText),
         tr("with Predict First, show the results and how the predictions did (Enter on a part "
            "does the same; Space on a bulb steps its prediction)")},
        {QKeySequence(Qt::Key_F6).toString(QKeySequence::NativeText),
         tr("move the keyboard between the board and the task panel")},
        {tr("Menu, Shift+F10"),
         tr("while a task is edited, lock the focused part or hide its value")},
    };
    keys.insert(keys.end(), commandKeys.begin(), commandKeys.end());
    html += QStringLiteral("<table cellpadding='3'>");
    for (const auto& [key, meaning] : keys) {
        html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(key, meaning);
    }
    html += QStringLiteral("</table>");
    html += QStringLiteral("<h2>%1</h2>").arg(tr("Why a bulb is dark"));
    html += QStringLiteral("<p>%1</p>")
                .arg(tr("Hover over a bulb, or move the keyboard focus to it, to see (or hear, "
                        "with a screen reader) why it is dark. The first of these that holds "
                        "is said: a wire joins its two terminals (shorted by a wire); no loop "
                        "passes through it (not in a closed loop); closing the open switches "
                        "would put it in a loop with a cell (a switch in its loop is open); its "
                        "loops hold no cell (no cell in its circuit); its loops hold cells but "
                        "no current flows (the cells cancel out); or less than a hundredth of "
                        "an ampere flows (too little current)."));
    html += QStringLiteral("<h2><a name='about'></a>%1</h2>").arg(tr("About"));
    html += QStringLiteral("<p>%1<br>%2<br>%3</p>")
                .arg(tr("Circuit Workbench %1").arg(QStringLiteral(CW_VERSION)),
                     tr("Licensed under the GNU General Public License, version 3 or later."),
                     tr("Built with Qt %1, running on Qt %2.")
                         .arg(QStringLiteral(QT_VERSION_STR), QString::fromLatin1(qVersion())));
    return html;
}

}  // namespace cw
