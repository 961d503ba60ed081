#include "app/help_window.h"

#include <QTextBrowser>
#include <QVBoxLayout>
#include <utility>

namespace cw {

HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setWindowTitle(tr("Circuit Workbench Help"));
    auto* text = new QTextBrowser(this);
    text->setHtml(Text());
    text->setOpenExternalLinks(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text);
    resize(600, 640);
}

QString HelpWindow::Text() {
    QString html;
    html += QStringLiteral("<h2>%1</h2>").arg(tr("Building a circuit"));
    html += QStringLiteral("<p>%1</p>")
                .arg(tr("Drag a battery cell, a switch, a resistor or a bulb from the strip at "
                        "the bottom onto the board. Let go over the strip to cancel."));
    html += QStringLiteral("<ul><li>%1</li><li>%2</li><li>%3</li><li>%4</li></ul>")
                .arg(tr("A battery cell gives 1.5 volts; its left terminal is positive."),
                     tr("A new switch is open: click it with the line tool to close or open "
                        "it."),
                     tr("A new resistor is 10 ohms: each click with the line tool steps it to "
                        "20, 5 and back to 10 ohms."),
                     tr("A bulb glows brighter the more current flows through it: grey when "
                        "dark, pale yellow, then full yellow."));
    html += QStringLiteral("<h2>%1</h2>").arg(tr("Tools"));
    html += QStringLiteral("<ul><li>%1</li><li>%2</li><li>%3</li></ul>")
                .arg(tr("<b>Line tool</b> (L): press just outside a part's left or right edge, "
                        "on its terminal, drag and let go on another terminal to draw a wire. "
                        "Drag parts on the board to move them."),
                     tr("<b>Pencil tool</b> (P): write notes over the board; a drag with the "
                        "right button rubs them out. Notes never change the circuit."),
                     tr("<b>Delete tool</b> (D): click a part or a wire to delete it."));
    html += QStringLiteral("<p>%1</p>")
                .arg(tr("The pointer shows what a press will do: a cross where a wire would "
                        "start on a terminal or junction, a pointing hand where a click toggles, "
                        "steps or deletes, a four-way arrow over a part you can move, a text "
                        "cursor where the pencil writes."));
    html += QStringLiteral("<h2>%1</h2>").arg(tr("Keyboard"));
    const std::pair<QString, QString> keys[] = {
        {tr("Tab, Shift+Tab"), tr("move between the parts in the strip, the tools, the parts on "
                                  "the board and the board")},
        {tr("Space, Enter"),
         tr("pick up a new part from the strip and put it down; choose a tool; click the focused "
            "part (with the line tool a switch toggles and a resistor steps, with the delete tool "
            "the part goes); on the board, start and end a wire at the cursor, or with the "
            "delete tool delete the wire there")},
        {tr("Arrows"), tr("move the new part, the focused part or the board's cursor 10 pixels; "
                          "with Shift, 1 pixel. With the line tool a switch or resistor moved 5 "
                          "pixels or less counts as a click, as with the mouse")},
        {tr("Delete"), tr("delete the focused part")},
        {tr("N, Shift+N"),
         tr("on the board, jump the cursor to the next or previous terminal or junction")},
        {tr("W, Shift+W"),
         tr("on the board, jump the cursor to the middle of the next or previous wire")},
        {tr("Escape"), tr("cancel the new part or the wire being drawn")},
        {tr("L, P, D"), tr("choose the line, pencil or delete tool")},
        {tr("F1"), tr("this help")},
    };
    html += QStringLiteral("<table cellpadding='3'>");
    for (const auto& [key, meaning] : keys) {
        html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(key, meaning);
    }
    html += QStringLiteral("</table>");
    html += QStringLiteral("<h2>%1</h2>").arg(tr("Why a bulb is dark"));
    html += QStringLiteral("<p>%1</p>")
                .arg(tr("Hover over a bulb, or move the keyboard focus to it, to see (or hear, "
                        "with a screen reader) why it is dark: it is not in a closed loop, a "
                        "switch in its loop is open, "
                        "there is no cell in its circuit, a wire shorts it, the cells cancel "
                        "out, or too little current flows."));
    html += QStringLiteral("<h2>%1</h2>").arg(tr("About"));
    html += QStringLiteral("<p>%1<br>%2<br>%3</p>")
                .arg(tr("Circuit Workbench %1").arg(QStringLiteral(CW_VERSION)),
                     tr("Licensed under the GNU General Public License, version 3 or later."),
                     tr("Built with Qt %1, running on Qt %2.")
                         .arg(QStringLiteral(QT_VERSION_STR), QString::fromLatin1(qVersion())));
    return html;
}

}  // namespace cw
