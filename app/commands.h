// Every command of the circuit window as one QAction: its text, shortcut, tooltip, status tip
// and the name a screen reader gives its button, written in one place. The tool buttons, the
// Tools menu and the keys L, P and D all go through the three tool actions, one exclusive group,
// so they always agree on the chosen tool. The actions belong to the circuit window, so their
// keys work in whatever window holds it; the main window puts them in its menus.
#pragma once

#include <QIcon>

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

#include <utility>
#include <vector>
#include "render/diagram_painter.h"

class QAction;
class QActionGroup;
class QWidget;

namespace cw {

class CircuitModel;

enum class ZoomTo { In, Out, ActualSize, Fit };

// What the commands do, given by the window they serve; they hold nothing else of it.
struct CommandTargets {
    std::function<void(int16_t tool)> chooseTool;
    std::function<void()> chooseEraser;  // the pencil, rubbing out
    std::function<void()> deletePart;    // the one with the keyboard focus
    std::function<void(bool on)> showCurrent;
    std::function<void(bool electrons)> electronFlow;
    std::function<void(const QString& section)> help;          // "", "keys" or "about"
    std::function<void(std::optional<Symbols> diagram)> view;  // none: pictorial
    std::function<void(ZoomTo)> zoom;
};

class CircuitCommands final : public QObject {
    Q_OBJECT
  public:
    // The actions' keys work in `keysIn`; every command that edits is one edit of the model.
    CircuitCommands(QWidget& keysIn, CircuitModel& model, CommandTargets targets);

    QAction* Tool(int16_t tool) const;
    QAction* Eraser() const { return eraser_; }
    QActionGroup* Tools() const { return tools_; }
    QAction* DeletePart() const { return deletePart_; }
    QAction* ShowCurrent() const { return showCurrent_; }
    QAction* ElectronFlow() const { return electronFlow_; }
    // The circuit diagram view, and the set of symbols it draws in (kept between runs).
    QAction* Diagram() const { return diagram_; }
    QActionGroup* SymbolSets() const { return symbols_; }
    // The board's zoom: the strip and the menus keep their size.
    QAction* ZoomIn() const { return zoomIn_; }
    QAction* ZoomOut() const { return zoomOut_; }
    QAction* ActualSize() const { return actualSize_; }
    QAction* ZoomToFit() const { return fit_; }
    QAction* Help() const { return help_; }
    QAction* KeyboardHelp() const { return keyboardHelp_; }
    QAction* About() const { return about_; }

    // The keys of every command that has one, with what the command does, for the help.
    std::vector<std::pair<QString, QString>> KeyTable() const;

  private:
    QAction* Make(const QString& text, const QString& tip);

    QWidget& keysIn_;
    CircuitModel& model_;
    CommandTargets do_;
    QActionGroup* tools_;
    QAction* line_;
    QAction* pencil_;
    QAction* eraser_;
    QAction* delete_;
    QAction* deletePart_;
    QAction* showCurrent_;
    QAction* electronFlow_;
    QAction* diagram_;
    QActionGroup* symbols_;
    QAction* iec_;
    QAction* ansi_;
    QAction* zoomIn_;
    QAction* zoomOut_;
    QAction* actualSize_;
    QAction* fit_;
    QAction* help_;
    QAction* keyboardHelp_;
    QAction* about_;
};

// The keys of an action as the platform writes them, "Del, Backspace".
QString ShortcutText(const QAction* action);

// A tooltip that fits the window at its designed width: as it is when one line does, otherwise
// as a paragraph, which the tooltip wraps into lines that do.
QString FittedTip(const QString& text);
// Shows every widget's tip fitted so, measured only when it shows.
void FitToolTips();

// The undo (back) or redo (forward) icon of the desktop's theme, else a bent arrow drawn at
// whatever size and state is asked for, only when it is shown.
QIcon StepIcon(bool forward);

}  // namespace cw
