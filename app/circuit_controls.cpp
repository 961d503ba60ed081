// What each control of the window is, is called and shows, for the keyboard, the screen reader,
// the tooltips and the pointer shapes.
#include <QAccessible>
#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QToolTip>
#include <algorithm>

#include "app/circuit_window.h"
#include "app/commands.h"
#include "app/focus_marker.h"
#include "app/help_window.h"
#include "app/keyboard_editing.h"
#include "app/part_texts.h"
#include "app/task_texts.h"
#include "edit/board_gestures.h"
#include "geometry/hit_test.h"
#include "model/numeric.h"
#include "model/part_kinds.h"
#include "toolkit/pointer_grab.h"

namespace cw {

QString Circuit::ControlName(const QWidget* control) const {
    const ControlInfo c = Identify(control);
    switch (c.type) {
        case ControlType::Palette:
            return PartTexts::KindName(c.kind);
        case ControlType::Tool:
            return commands_->Tool(c.tool)->iconText();
        case ControlType::Part:
            return PartTexts::PartName(c.kind, board_.At(c.kind, c.index).Tag);
        case ControlType::Board:
            return PartTexts::BoardName();
        case ControlType::None:
            break;
    }
    return {};
}

BulbState Circuit::BulbStateOf(int lightIndex) const {
    // A bulb placed since the last solve has no wire yet: placing a part solves nothing.
    if (lightIndex >= static_cast<int>(bulbStates_.size())) return BulbState::NotInClosedLoop;
    return bulbStates_[static_cast<size_t>(lightIndex)];
}

QString Circuit::ControlDescription(const QWidget* control) {
    const ControlInfo c = Identify(control);
    if (c.type == ControlType::Board) {
        const QPoint p = keyboard_->BoardCursor();
        return PartTexts::BoardCursor(board_, p.x(), p.y());
    }
    if (c.type != ControlType::Part) return {};
    const int tag = board_.At(c.kind, c.index).Tag;
    if (tag <= 0) return {};  // still being dragged out of the palette
    if (board_.Predict.veiled) {
        // Nothing the circuit does shows until the learner asks: a bulb says its prediction.
        const QString what = PartTexts::Veiled(c.kind, board_.ValueOf(tag), board_.Predict.Of(tag),
                                               board_.Rules.Hidden(tag));
        return board_.Rules.Locked(tag) ? PartTexts::Locked(what) : what;
    }
    const BulbState bulb = c.kind == LampKind() ? BulbStateOf(c.index) : BulbState::Unsolved;
    // While the circuit is being solved again the readings are a step behind.
    const PartReading* reading = nullptr;
    if (!solving_ && tag < static_cast<int>(model_.Readings().parts.size())) {
        reading = &model_.Readings().parts[static_cast<size_t>(tag)];
    }
    const QString description = PartTexts::Description(c.kind, board_.ValueOf(tag), bulb, reading,
                                                       board_.Rules.Hidden(tag));
    return board_.Rules.Locked(tag) ? PartTexts::Locked(description) : description;
}

bool Circuit::PointerBusy() const {
    return grab_ && grab_->Busy();
}

Reach Circuit::PointerReach() const {
    return grab_ && grab_->Made() == Pointer::Finger ? kFingerReach : kMouseReach;
}

void Circuit::ActivateControl(QWidget* control) {
    const EditScope edit(model_);
    keyboard_->Activate(control);
}

void Circuit::SetPaletteCopyHints(Kind kind) {
    const int U = board_.UBound(kind);
    if (PictureControl* copy = Element(kind, U)) {
        const int left = PartsLeft(board_, kind);
        copy->setToolTip(left == TaskRules::kNoLimit
                             ? PartTexts::PaletteHint(kind)
                             : TaskTexts::PartsLeft(kind, left) + QStringLiteral(". ") +
                                   PartTexts::PaletteHint(kind));
        copy->setCursor(Qt::OpenHandCursor);
    }
    if (PictureControl* dragged = Element(kind, U - 1)) {
        dragged->setToolTip({});
        dragged->unsetCursor();
    }
}

std::optional<ControlInfo> Circuit::PartAt(QPoint windowPoint) const {
    const int32_t h = platform_.ChildAtPoint(handle_, windowPoint.x(), windowPoint.y());
    const ControlInfo c = Identify(platform_.WidgetOf(h));
    if (c.type != ControlType::Part) return std::nullopt;
    return c;
}

Qt::CursorShape Circuit::CursorAt(QPoint overlayPoint) const {
    if (board_.ToolMode == kToolPencil) return Qt::IBeamCursor;  // notes are written here
    const QPoint window = glasso_->mapTo(this, overlayPoint);
    const std::optional<ControlInfo> part = PartAt(window);
    const QPoint at = view_.ToBoard(window).toPoint();
    if (board_.ToolMode == kToolDelete) {
        const bool wire = NearestWire(board_, Saturate16(at.x()), Saturate16(at.y())) != 0;
        return part || wire ? Qt::PointingHandCursor : Qt::ArrowCursor;
    }
    if (part) {
        return ClickActs(part->kind) ? Qt::PointingHandCursor : Qt::SizeAllCursor;
    }
    return FindNodeAt(board_, Saturate16(at.x()), Saturate16(at.y())) != 0 ? Qt::CrossCursor
                                                                           : Qt::ArrowCursor;
}

QString Circuit::PartTip(const QWidget* part) {
    const QString description = ControlDescription(part);
    const QString name = ControlName(part);
    return description.isEmpty() ? name : tr("%1: %2").arg(name, description);
}

QString Circuit::ToolTipAt(QPoint overlayPoint) {
    const std::optional<ControlInfo> part = PartAt(glasso_->mapTo(this, overlayPoint));
    if (!part) return {};
    return FittedTip(PartTip(Element(part->kind, part->index)));
}

void Circuit::AnnounceControl(QWidget* control) {
    narrator_.Tell(control);
}

void Circuit::UpdateFocusMarker() {
    if (!marker_) return;
    QWidget* focused = focusWidget();
    if (!keyboardInUse_ || !focused || focused == this || !focused->isVisible() ||
        Identify(focused).type == ControlType::None) {
        marker_->hide();
    } else if (focused == mainPicture_) {
        const QPoint cross = ToWindow(keyboard_->BoardCursor());
        if (ScrollToShow(QRect(cross, QSize(1, 1)))) return;  // which comes back here
        marker_->Cross(cross);
    } else {
        if (Identify(focused).type == ControlType::Part && ScrollToShow(focused->geometry()))
            return;
        marker_->Ring(focused->geometry());
        // What the screen reader says of a part, shown below it for those who read the screen.
        if (Identify(focused).type == ControlType::Part && isActiveWindow()) {
            QToolTip::showText(mapToGlobal(focused->geometry().bottomLeft() + QPoint(0, 4)),
                               PartTip(focused), focused);
        }
    }
}

bool Circuit::focusNextPrevChild(bool next) {
    return TabFrom(focusWidget(), next);
}

bool Circuit::TabFrom(QWidget* from, bool next) {
    // Qt also moves the focus on when the focused control is hidden (a part deleted, a palette
    // copy unloaded), from inside the handler that hides it: only Tab itself ends a gesture.
    if (from && from->isVisible()) {
        // Tab never leaves a gesture running: a held part is put down, a band taken off.
        if (board_.MouseMode != kMouseIdle) EndRunningGesture();
        keyboardInUse_ = true;
    }
    const std::vector<QWidget*> order = FocusOrder();
    if (order.empty()) return false;
    const auto at = std::find(order.begin(), order.end(), from);
    size_t i = 0;
    if (at == order.end()) {
        i = next ? 0 : order.size() - 1;
    } else {
        const size_t here = static_cast<size_t>(at - order.begin());
        i = next ? (here + 1) % order.size() : (here + order.size() - 1) % order.size();
    }
    order[i]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    UpdateFocusMarker();
    return true;
}

void Circuit::FocusAfterRemoval(const QWidget* removed, const std::vector<QWidget*>& before) {
    const auto at = std::find(before.begin(), before.end(), removed);
    QWidget* next = mainPicture_;
    for (auto it = at == before.end() ? at : at + 1; it != before.end(); ++it) {
        if ((*it)->isVisible() && Identify(*it).type != ControlType::None) {
            next = *it;
            break;
        }
    }
    next->setFocus(Qt::OtherFocusReason);
    UpdateFocusMarker();
}

void Circuit::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    // Ctrl held for the wheel's zoom, or Shift for its scroll, is the mouse's gesture: a modifier
    // alone does not bring up the keyboard's marker.
    const bool modifier = key == Qt::Key_Control || key == Qt::Key_Shift || key == Qt::Key_Alt ||
                          key == Qt::Key_Meta || key == Qt::Key_AltGr;
    if (!modifier) {
        keyboardInUse_ = true;
        UpdateFocusMarker();
    }
    const EditScope edit(model_, IsArrowKey(key));
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    // A held key acts once; only the arrows repeat, as holding one moves a part on.
    if (event->isAutoRepeat() && !IsArrowKey(key)) {
        event->accept();
        return;
    }
    // Predictions made, Enter on a part shows the results (Space steps a bulb's prediction).
    if (plain && (key == Qt::Key_Return || key == Qt::Key_Enter) && board_.Predict.veiled &&
        Identify(focusWidget()).type == ControlType::Part && !keyboard_->GestureRunning()) {
        event->accept();
        model_.Reveal();
        return;
    }
    if (!plain || !keyboard_->KeyPress(key, event->modifiers())) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void Circuit::ShowHelp(const QString& section) {
    if (!help_) help_ = new HelpWindow(this, commands_->KeyTable());
    help_->ShowSection(section);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void Circuit::contextMenuEvent(QContextMenuEvent* event) {
    // While the teacher edits a task, a part's menu locks it or hides its value.
    std::optional<ControlInfo> part;
    if (event->reason() == QContextMenuEvent::Keyboard) {
        const ControlInfo focused = Identify(focusWidget());
        if (focused.type == ControlType::Part) part = focused;
    }
    if (!part) part = PartAt(event->pos());
    const int k = part ? board_.At(part->kind, part->index).Tag : 0;
    if (!model_.HasTask() || !model_.Authoring() || k <= 0) {
        event->ignore();
        return;
    }
    QMenu menu(this);
    menu.setTitle(PartTexts::PartName(part->kind, k));
    QAction* locked = menu.addAction(tr("&Locked"));
    locked->setCheckable(true);
    locked->setChecked(board_.Rules.Locked(k));
    QAction* hidden = menu.addAction(tr("Value &Hidden"));
    hidden->setCheckable(true);
    hidden->setChecked(board_.Rules.Hidden(k));
    hidden->setEnabled(HidesValue(part->kind));
    const QPoint at = event->reason() == QContextMenuEvent::Keyboard
                          ? Element(part->kind, part->index)->geometry().center()
                          : event->pos();
    menu.exec(mapToGlobal(at));
    if (locked->isChecked() == board_.Rules.Locked(k) &&
        hidden->isChecked() == board_.Rules.Hidden(k))
        return;
    const EditScope edit(model_);
    model_.SetPartRules(k, locked->isChecked(), hidden->isChecked());
}

}  // namespace cw
