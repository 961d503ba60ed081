#include "app/circuit_window.h"

#include <QAccessible>
#include <QAction>
#include <QLocale>
#include <QNativeGestureEvent>
#include <QPalette>
#include <QResizeEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>

#include "app/commands.h"
#include "app/current_view.h"
#include "app/focus_marker.h"
#include "app/held_keys.h"
#include "app/help_window.h"
#include "app/keyboard_editing.h"
#include "app/part_texts.h"
#include "edit/board_gestures.h"
#include "edit/component_gestures.h"
#include "model/numeric.h"
#include "model/part_kinds.h"
#include "overlay/overlay_relay.h"
#include "render/board_painter.h"
#include "render/diagram_painter.h"
#include "render/symbol_painters.h"
#include "render/tool_icons.h"
#include "toolkit/pointer_grab.h"

namespace cw {
namespace {

// Where a kind's template sits in the window's stored layout (only the templates keep it at run
// time): the strip's kinds side by side from its left, 40 apart; the bar's at the first place.
ComponentElement TemplateOf(Kind kind) {
    float left = 8;
    for (size_t slot = 0; slot < kStripKinds.size(); ++slot) {
        if (kStripKinds[slot] == kind) left = 8 + 40 * static_cast<float>(slot);
    }
    return ComponentElement{left, 448, 33, 31, false, 0};
}

// The strip's palette copies, then its three tool buttons, a slot each.
constexpr int kSlots = static_cast<int>(kStripKinds.size()) + 3;
// A wheel's notch, in Qt's eighths of a degree.
constexpr int kNotch = 120;

}  // namespace

Circuit::Circuit(QWidget* parent, CircuitModel* model)
    : QWidget(parent),
      handle_(platform_.Register(this)),
      model_(model ? *model : *new CircuitModel(this)),
      board_(model_.board) {
    setWindowTitle(tr("Circuit Workbench"));
    // The view starts pictorial.
    SetDiagramView(std::nullopt);
    // Meters write their decimals as the learner's language does.
    SetMeterDecimalSeparator(QLocale().decimalPoint() == QStringLiteral(",") ? ',' : '.');
    PartTexts::SetPaintedGuessWords();
    FitToolTips();
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ToQColor(kWindowBackground));
    setPalette(pal);
    setAutoFillBackground(true);

    // The window stores its controls from the top of the stack down; Qt stacks each new child
    // on top, so they are created bottom first: the strip, the tool buttons, the overlay, the
    // board. The layout raises the overlay over everything.
    menuPic_ = new PictureControl(platform_, this);
    menuPic_->setGeometry(8, 480, 561, 41);
    menuPic_->SetBackColor(kStripColour);
    menuPic_->MouseDown = [this](int b, int sh, float x, float y) {
        MenuPic_MouseDown(b, sh, x, y);
    };
    // Shown only while the zoomed board is larger than the window, over everything else.
    hBar_ = new QScrollBar(Qt::Horizontal, this);
    vBar_ = new QScrollBar(Qt::Vertical, this);
    for (QScrollBar* bar : {hBar_, vBar_}) {
        bar->hide();
        bar->setFocusPolicy(Qt::NoFocus);
        bar->setCursor(Qt::ArrowCursor);
        connect(bar, &QScrollBar::valueChanged, this, [this] {
            ScrollTo({hBar_->value(), vBar_->value()});
        });
    }

    commands_ = new CircuitCommands(
        *this, model_,
        {[this](int16_t tool) { ChooseTool(tool); }, [this] { ChooseEraser(); },
         [this] { keyboard_->DeleteFocusedPart(); }, [this](bool on) { ShowCurrent(on); },
         [this](bool e) { SetElectronFlow(e); },
         [this](const QString& section) { ShowHelp(section); },
         [this](std::optional<Symbols> diagram) { SetDiagram(diagram); },
         [this](ZoomTo to) {
             if (to == ZoomTo::In) ZoomIn();
             if (to == ZoomTo::Out) ZoomOut();
             if (to == ZoomTo::ActualSize) SetZoom(1.0);
             if (to == ZoomTo::Fit) ZoomToFit();
         }});
    // A tool button is its action's button: a click chooses the tool as the menu and key do.
    auto makeTool = [this](int left, int16_t tool, void (*paint)(Surface&)) {
        auto* button = new PictureControl(platform_, this, kToolButtonBorder);
        button->setGeometry(left, 448, 33, 31);
        button->SetPaintHandler(paint);
        QAction* action = commands_->Tool(tool);
        button->Click = [action] { action->trigger(); };
        button->setToolTip(action->toolTip());
        button->setCursor(Qt::PointingHandCursor);
        return button;
    };
    linePic_ = makeTool(168, kToolLine, &LinePic_Paint);
    pencilPic_ = makeTool(208, kToolPencil, &PencilPic_Paint);
    delPic_ = makeTool(248, kToolDelete, &DelPic_Paint);

    glasso_ = new FreehandOverlay(platform_, this, model_.notes);
    glasso_->setGeometry(296, 400, 81, 73);
    glasso_->SetEventSink(this);
    glasso_->CursorAt = [this](QPoint p) { return CursorAt(p); };
    glasso_->ToolTipAt = [this](QPoint p) { return ToolTipAt(p); };
    glasso_->NotesEdited = [this] { const EditScope edit(model_); };
    // A veiled bulb takes the pencil's click as a prediction, as it takes the other tools'.
    glasso_->TakesPress = [this](QPoint p) {
        if (!board_.Predict.veiled) return false;
        const std::optional<ControlInfo> part = PartAt(glasso_->mapTo(this, p));
        if (!part || Info(part->kind).role != Role::Lamp) return false;
        const EditScope edit(model_);
        return TakesClick(part->kind, board_.At(part->kind, part->index).Tag);
    };

    mainPicture_ = new PictureControl(platform_, this);
    mainPicture_->SetView(&view_);
    mainPicture_->setGeometry(8, 408, 33, 33);
    mainPicture_->SetPaintHandler([this](Surface& s) {
        MainPicture_Paint(s, board_, glasso_);
        PaintBand(s, board_);
    });
    mainPicture_->MouseDown = [this](int b, int sh, float x, float y) {
        const EditScope edit(model_);
        MainPicture_MouseDown(board_, *this, b, sh, x, y);
    };
    mainPicture_->MouseMove = [this](int b, int sh, float x, float y) {
        MainPicture_MouseMove(board_, *this, b, sh, x, y);
    };
    mainPicture_->MouseUp = [this](int b, int sh, float x, float y) {
        const EditScope edit(model_);
        MainPicture_MouseUp(board_, *this, b, sh, x, y);
    };

    current_ = new CurrentView(board_, this);
    current_->hide();

    for (PictureControl* c : {linePic_, pencilPic_, delPic_, mainPicture_}) {
        c->setFocusPolicy(Qt::TabFocus);
        c->FocusChanged = [this](bool) { UpdateFocusMarker(); };
    }
    marker_ = new FocusMarker(this);
    keyboard_ = std::make_unique<KeyboardEditing>(*this);
    new HeldKeys(this);

    // A mouse gesture starts: one the keyboard still holds ends first, as a tool change ends it.
    grab_ = new PointerGrab(
        this,
        [this](Pointer pointer) {
            if (board_.MouseMode != kMouseIdle) EndRunningGesture();
            keyboardInUse_ = false;
            UpdateFocusMarker();
            // The pen's eraser end rubs notes out whatever tool is chosen, for its gesture.
            glasso_->SetPenMode(board_.ToolMode == kToolPencil || pointer == Pointer::Eraser);
            glasso_->SetErasing(eraser_ || pointer == Pointer::Eraser,
                                pointer == Pointer::Finger ? 2.0 : 1.0);
        },
        // The desktop took the gesture: it ends as a tool change ends it, and nothing of it is
        // left to steer the next one.
        [this] {
            const EditScope edit(model_);  // what the lost gesture did, a stroke too, is an edit
            if (board_.MouseMode != kMouseIdle) EndRunningGesture();
            platform_.ReleaseCapture();
            glasso_->ForgetGesture();
        });
    // A second finger calls the gesture off as Escape does: nothing it did so far stays.
    grab_->SetCancelled([this] {
        const EditScope edit(model_);
        if (board_.MouseMode == kMouseMoving || board_.MouseMode == kMousePlacing) {
            ComponentCancel(board_, *this, held_.kind, held_.index);
        } else if (board_.MouseMode == kMouseBoardGesture) {
            board_.MouseMode = kMouseIdle;
            RefreshBoard();  // the band goes, no wire is made
        }
        barPlacing_ = false;
        platform_.ReleaseCapture();
        glasso_->CancelGesture();
    });
    // A mouse event the grab routes is one edit with all it causes: a gesture it ends, a press.
    grab_->SetAroundEvent([this](bool begin) {
        if (begin) {
            model_.EnterEdit(false);
        } else {
            if (!grab_->Busy()) glasso_->SetPenMode(board_.ToolMode == kToolPencil);
            model_.LeaveEdit();
        }
    });
    // A new part dragged from the bar ends with its button's release wherever that lands (its
    // button may never get it); a release that was lost ends it where it is, as a lost gesture
    // on the board is ended.
    grab_->SetOutsideLeftUp([this](QPoint at, bool byRelease) {
        if (!barPlacing_ || board_.MouseMode != kMousePlacing) return;
        if (byRelease) return EndPlacing(at);
        barPlacing_ = false;
        EndRunningGesture();
    });
    // Two fingers pinch the board's zoom, about the point between them.
    grab_->SetPinch([this](bool begins, double scale, QPoint between) {
        if (begins) pinchFrom_ = view_.zoom;
        double zoom = pinchFrom_ * scale;
        if (std::fabs(zoom - 1.0) < 0.05) zoom = 1.0;  // actual size holds the fingers a little
        SetZoom(zoom, between);
    });
    model_.SetPointerHeld([this] { return PointerBusy(); });
    connect(&model_, &CircuitModel::Solved, this, [this] {
        FeedCurrentView();
        // Every part's reading may have changed, not only the bulbs'.
        std::vector<QWidget*> parts;
        for (Kind kind : kKinds) {
            for (int l = 1; l <= board_.PlacedCount(kind); ++l) parts.push_back(Element(kind, l));
        }
        narrator_.TellAll(parts);
    });
    // A task's padlocks, hidden values and allowances show on the parts and the strip.
    connect(&model_, &CircuitModel::TaskChanged, this, [this](const TaskRules& before) {
        std::vector<QWidget*> changed;
        for (Kind kind : kKinds) {
            for (int l = 1; l <= board_.PlacedCount(kind); ++l) {
                const int k = board_.At(kind, l).Tag;
                if (before.Locked(k) == board_.Rules.Locked(k) &&
                    before.Hidden(k) == board_.Rules.Hidden(k))
                    continue;
                RefreshElement(kind, l);
                changed.push_back(Element(kind, l));
            }
        }
        narrator_.TellAll(changed);
        ShowPartsLeft();
    });
    connect(&model_, &CircuitModel::EditEnded, this, [this] { ShowPartsLeft(); });
    connect(&model_, &CircuitModel::Veiled, this, [this] { RepaintResults(); });
    connect(&model_, &CircuitModel::Revealed, this, [this] { RepaintResults(); });
    connect(&model_, &CircuitModel::Guessed, this, [this](int bulb) {
        for (int i = 1; i <= board_.PlacedCount(LampKind()); ++i) {
            if (board_.At(LampKind(), i).Tag != bulb) continue;
            RefreshElement(LampKind(), i);
            AnnounceControl(Element(LampKind(), i));
        }
    });
    controls_.SetFixed(mainPicture_, linePic_, pencilPic_, delPic_);
    relay_.emplace(*glasso_, platform_, handle_, mainPicture_->Handle(), board_,
                   [this](Kind kind, int i) {
                       const PictureControl* c = Element(kind, i);
                       return c ? c->Handle() : 0;
                   });

    Form_Load();
    resize(kDesignClientWidth, kDesignClientHeight);
    Form_Resize();
    menuPic_->Refresh();
    mainPicture_->Refresh();
    // The keyboard starts on the first palette copy, before Qt's own first choice.
    Element(kStripKinds[0], board_.UBound(kStripKinds[0]))->setFocus(Qt::OtherFocusReason);
}

Circuit::~Circuit() {
    // A gesture running now is not lost to anyone: the grab goes before the rest of this window,
    // so the hiding and the focus changes of Qt's teardown find no window to end it in.
    delete grab_;
    grab_ = nullptr;
    // Qt takes the focus from the controls as it destroys them, after this window is gone.
    for (PictureControl* c : findChildren<PictureControl*>()) c->FocusChanged = nullptr;
    // A model given to this window outlives it.
    model_.SetPointerHeld(nullptr);
}

void Circuit::Form_Load() {
    ResetBoard(board_);
    for (Kind kind : kKinds) {
        board_.Array(kind)[0] = TemplateOf(kind);
    }
    for (PictureControl* c : {linePic_, delPic_, pencilPic_, mainPicture_}) {
        c->SetBackColor(kWindowBackground);
    }
    for (Kind kind : kKinds) {
        LoadElement(kind);
        ZOrderElement(kind, board_.UBound(kind));
    }
    board_.MouseMode = kMouseIdle;
    PencilPic_Click();
}

void Circuit::Form_Resize() {
    const QScopedValueRollback<bool> laying(layingOut_, true);
    // The strip stays along the bottom at its own size, whatever the board's zoom.
    const int h = menuPic_->height();
    menuPic_->setGeometry(0, height() - h, width(), h);
    FitScrollBars();
    LayOutBoard();
    MenuPic_MouseDown(1, 0, 0, 0);
    model_.SetDrawnIn(width(), height(), static_cast<float>(h));
    UpdateFocusMarker();
}

QSizeF Circuit::BoardExtent() const {
    // The window's board at actual size; zoomed out, as much as the window then shows.
    const double shrink = std::min(view_.zoom, 1.0);
    return {width() / shrink, std::max(0, height() - menuPic_->height()) / shrink};
}

QRect Circuit::BoardViewport() const {
    return QRect(
        0, 0, width() - (vBar_->isHidden() ? 0 : vBar_->width()),
        std::max(0, height() - menuPic_->height()) - (hBar_->isHidden() ? 0 : hBar_->height()));
}

float Circuit::WindowScaleWidth() const {
    return static_cast<float>((view_.scroll.x() + BoardViewport().width()) / view_.zoom);
}
float Circuit::WindowScaleHeight() const {
    return static_cast<float>((view_.scroll.y() + height()) / view_.zoom);
}
float Circuit::MenuScaleHeight() const {
    // A scroll bar above the strip is not board either.
    return static_cast<float>((height() - BoardViewport().height()) / view_.zoom);
}
float Circuit::PaletteSide() const {
    return static_cast<float>((menuPic_->ScaleHeight() - 2) / view_.zoom);
}

QPoint Circuit::ToWindow(QPointF board) const {
    return {Nearest32(board.x() * view_.zoom) - view_.scroll.x(),
            Nearest32(board.y() * view_.zoom) - view_.scroll.y()};
}

void Circuit::FitScrollBars() {
    const QSizeF board = BoardExtent();
    const int w = Nearest32(board.width() * view_.zoom);
    const int h = Nearest32(board.height() * view_.zoom);
    const int W = width(), H = std::max(0, height() - menuPic_->height());
    const int across = vBar_->sizeHint().width(), down = hBar_->sizeHint().height();
    bool wide = w > W, tall = h > H;
    tall = tall || (wide && h > H - down);
    wide = wide || (tall && w > W - across);
    const int shownW = std::max(0, W - (tall ? across : 0));
    const int shownH = std::max(0, H - (wide ? down : 0));
    view_.scroll = QPoint(std::clamp(view_.scroll.x(), 0, std::max(0, w - shownW)),
                          std::clamp(view_.scroll.y(), 0, std::max(0, h - shownH)));
    const struct {
        QScrollBar* bar;
        bool shown;
        int range, page, value;
        QRect at;
    } bars[] = {{hBar_, wide, w - shownW, shownW, view_.scroll.x(), {0, shownH, shownW, down}},
                {vBar_, tall, h - shownH, shownH, view_.scroll.y(), {shownW, 0, across, shownH}}};
    for (const auto& b : bars) {
        const QSignalBlocker quiet(b.bar);
        b.bar->setVisible(b.shown);
        if (!b.shown) continue;
        b.bar->setGeometry(b.at);
        b.bar->setRange(0, std::max(0, b.range));
        b.bar->setPageStep(b.page);
        b.bar->setSingleStep(24);
        b.bar->setValue(b.value);
        b.bar->raise();
    }
}

void Circuit::LayOutBoard() {
    // Moving the keyboard's part calls for its marker, which must not scroll the board again.
    const QScopedValueRollback<bool> laying(layingOut_, true);
    const QSizeF board = BoardExtent();
    const QRect shown = BoardViewport();
    mainPicture_->Move(0, 0, static_cast<float>(board.width()), static_cast<float>(board.height()));
    ClipToViewport(*mainPicture_);
    // The sheets over the board lie only over what the window shows of it.
    current_->setGeometry(mainPicture_->geometry() & shown);
    current_->SetView(view_.zoom, mainPicture_->pos() - current_->pos());
    current_->raise();
    // The notes are kept in board units from the overlay's corner, two units in.
    glasso_->setGeometry(
        view_.ToWindow(2, 2, std::max(0.0, board.width() - 4), std::max(0.0, board.height() - 4)) &
        shown);
    const QPoint corner = ToWindow({2, 2}) - glasso_->pos();
    glasso_->SetView(
        QTransform::fromTranslate(corner.x(), corner.y()).scale(view_.zoom, view_.zoom));
    glasso_->ZOrder(0);
    if (view_.zoom != laidOut_.zoom || view_.scroll != laidOut_.scroll || view_.zoom != 1.0) {
        laidOut_ = view_;
        for (Kind kind : kKinds) {
            for (int i = 1; i < board_.UBound(kind); ++i) {
                const ComponentElement& e = board_.At(kind, i);
                MoveElement(kind, i, e.Left, e.Top, e.Width, e.Height);
            }
        }
        PlaceStripRow(stripRow_);  // the copies stay on the strip, in board units elsewhere now
        ChangedUnderCurrent(rect());
    }
    for (QScrollBar* bar : {hBar_, vBar_}) bar->raise();
}

void Circuit::ClipToViewport(QWidget& control, bool clip) const {
    // At actual size nothing is clipped: a part a smaller window left over the strip shows.
    const QRect shown = BoardViewport();
    if (!clip || view_.zoom == 1.0 || shown.contains(control.geometry())) {
        if (!control.mask().isEmpty()) control.clearMask();
        return;
    }
    const QRegion inside = QRegion(shown.translated(-control.pos())) & control.rect();
    // An empty mask would be none at all: a part wholly under the strip keeps one pixel's mask
    // outside itself.
    control.setMask(inside.isEmpty() ? QRegion(-1, -1, 1, 1) : inside);
}

void Circuit::SetZoom(double zoom, std::optional<QPoint> keep) {
    zoom = std::clamp(zoom, BoardView::kMinZoom, BoardView::kMaxZoom);
    if (zoom == view_.zoom) return;
    // The point kept is the one asked for, not the keyboard's part.
    const QScopedValueRollback<bool> laying(layingOut_, true);
    // A gesture running goes on in board units; only what it shows is drawn anew.
    const QPoint anchor = keep.value_or(BoardViewport().center());
    const QPointF onBoard = view_.ToBoard(anchor);
    view_.zoom = zoom;
    view_.scroll = QPoint(Nearest32(onBoard.x() * zoom) - anchor.x(),
                          Nearest32(onBoard.y() * zoom) - anchor.y());
    FitScrollBars();
    LayOutBoard();
    commands_->ZoomIn()->setEnabled(zoom < BoardView::kMaxZoom);
    commands_->ZoomOut()->setEnabled(zoom > BoardView::kMinZoom);
    UpdateFocusMarker();
}

namespace {
constexpr double kZoomStops[] = {0.5, 0.75, 1.0, 1.25, 1.5, 2.0, 2.5, 3.0};
}  // namespace

void Circuit::ZoomIn(std::optional<QPoint> keep) {
    for (double stop : kZoomStops) {
        if (stop > view_.zoom + 1e-9) return SetZoom(stop, keep);
    }
}

void Circuit::ZoomOut(std::optional<QPoint> keep) {
    for (auto it = std::rbegin(kZoomStops); it != std::rend(kZoomStops); ++it) {
        if (*it < view_.zoom - 1e-9) return SetZoom(*it, keep);
    }
}

void Circuit::ZoomToFit() {
    // Every part on the board, every junction and every note, with a margin.
    QRectF content;
    for (Kind kind : kKinds) {
        for (int i = 1; i <= board_.PlacedCount(kind); ++i) {
            const ComponentElement& e = board_.At(kind, i);
            if (e.Visible) content |= QRectF(e.Left, e.Top, e.Width, e.Height);
        }
    }
    for (size_t j = 1; j < board_.JunctionTable.size(); ++j)
        content |= QRectF(board_.JunctionTable[j].x, board_.JunctionTable[j].y, 1, 1);
    for (const QPolygonF& stroke : model_.notes)
        content |= stroke.boundingRect().translated(2, 2).adjusted(0, 0, 1, 1);
    if (content.isEmpty()) {
        SetZoom(1.0);
        return;
    }
    constexpr double kMargin = 8;
    content.adjust(-kMargin, -kMargin, kMargin, kMargin);
    content &= QRectF(0, 0, 32767, 32767);
    const double W = width(), H = std::max(0, height() - menuPic_->height());
    // Larger than actual size the board scrolls, within the window's board at actual size.
    const double across = vBar_->sizeHint().width(), down = hBar_->sizeHint().height();
    double zoom = std::min((W - across) / content.width(), (H - down) / content.height());
    if (zoom <= 1.0 || content.right() > W || content.bottom() > H) {
        // Smaller, the board is seen from its corner.
        zoom = std::min({1.0, W / content.right(), H / content.bottom()});
        content.moveTopLeft({0, 0});
    }
    SetZoom(std::floor(zoom * 100) / 100);
    ScrollTo(QPoint(Nearest32(content.left() * view_.zoom), Nearest32(content.top() * view_.zoom)));
}

void Circuit::ScrollTo(QPoint scroll) {
    const QScopedValueRollback<bool> laying(layingOut_, true);
    view_.scroll = scroll;
    FitScrollBars();
    LayOutBoard();
    UpdateFocusMarker();
}

bool Circuit::ScrollToShow(const QRect& area) {
    const QRect shown = BoardViewport();
    if (hBar_->isHidden() && vBar_->isHidden()) return false;
    auto along = [](int from, int to, int low, int high) {
        if (from < low) return from - low;
        if (to > high) return std::min(to - high, from - low);
        return 0;
    };
    const QPoint by(along(area.left(), area.right(), shown.left(), shown.right()),
                    along(area.top(), area.bottom(), shown.top(), shown.bottom()));
    // Within the scroll bars' range: a part beyond the board (left by a smaller window) is not
    // followed past its edge.
    const QPoint to(
        std::clamp(view_.scroll.x() + by.x(), 0, hBar_->isHidden() ? 0 : hBar_->maximum()),
        std::clamp(view_.scroll.y() + by.y(), 0, vBar_->isHidden() ? 0 : vBar_->maximum()));
    if (to == view_.scroll || layingOut_) return false;
    ScrollTo(to);
    return true;
}

void Circuit::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y();
    if (event->modifiers() & Qt::ControlModifier) {
        // Ctrl and the wheel zoom about the pointer, a stop a notch (a touchpad's small steps
        // add up to one).
        const QPoint at = event->position().toPoint();
        wheelZoom_ = (wheelZoom_ > 0) == (steps > 0) ? wheelZoom_ + steps : steps;
        for (; wheelZoom_ >= kNotch; wheelZoom_ -= kNotch) ZoomIn(at);
        for (; wheelZoom_ <= -kNotch; wheelZoom_ += kNotch) ZoomOut(at);
        event->accept();
        return;
    }
    // Without Ctrl the wheel scrolls a zoomed board (Shift: across).
    QScrollBar* bar = (event->modifiers() & Qt::ShiftModifier) || vBar_->isHidden() ? hBar_ : vBar_;
    if (bar->isHidden()) return event->ignore();
    const int delta = steps != 0 ? steps : event->angleDelta().x();
    bar->setValue(bar->value() - delta * bar->singleStep() / 40);
    event->accept();
}

bool Circuit::event(QEvent* event) {
    // A touchpad's pinch, as the desktop reports it.
    if (event->type() == QEvent::NativeGesture) {
        const auto* gesture = static_cast<QNativeGestureEvent*>(event);
        if (gesture->gestureType() == Qt::ZoomNativeGesture) {
            SetZoom(view_.zoom * (1.0 + gesture->value()),
                    mapFromGlobal(gesture->globalPosition().toPoint()));
            return true;
        }
    }
    return QWidget::event(event);
}

void Circuit::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void Circuit::EndRunningGesture() {
    // Hiding a cancelled copy while the window itself hides moves the focus, and that would end
    // the same gesture a second time.
    if (endingGesture_) return;
    const EditScope edit(model_);
    endingGesture_ = true;
    if (board_.MouseMode == kMouseMoving || board_.MouseMode == kMousePlacing) {
        ComponentMouseUp(board_, *this, held_.kind, held_.index, kLeftButton, 0, held_.x, held_.y);
    } else if (board_.MouseMode == kMouseBoardGesture) {
        board_.MouseMode = kMouseIdle;
        RefreshBoard();  // takes the band's XOR stroke off the board
    }
    endingGesture_ = false;
}

void Circuit::SelectTool(int16_t mode, PictureControl* highlighted, bool penMode, bool eraser) {
    EndRunningGesture();
    board_.ToolMode = mode;
    eraser_ = eraser;
    glasso_->SetErasing(eraser);
    // The menu and the buttons agree however chosen.
    (eraser ? commands_->Eraser() : commands_->Tool(mode))->setChecked(true);
    const Rgb background = kWindowBackground;
    for (PictureControl* c : {pencilPic_, linePic_, delPic_}) {
        c->SetBackColor(c == highlighted ? kToolHighlight : background);
    }
    for (PictureControl* c : {pencilPic_, linePic_, delPic_}) c->Refresh();
    glasso_->SetPenMode(penMode);
    glasso_->UpdateCursor();
    if (QAccessible::isActive()) {
        QAccessible::State checked;
        checked.checked = true;
        for (PictureControl* c : {pencilPic_, linePic_, delPic_}) {
            QAccessibleStateChangeEvent event(c, checked);
            QAccessible::updateAccessibility(&event);
        }
    }
}

void Circuit::ChooseTool(int16_t tool) {
    if (tool == kToolLine) LinePic_Click();
    if (tool == kToolPencil) PencilPic_Click();
    if (tool == kToolDelete) DelPic_Click();
}

void Circuit::PencilPic_Click() {
    SelectTool(kToolPencil, pencilPic_, true);
}
void Circuit::ChooseEraser() {
    SelectTool(kToolPencil, pencilPic_, true, true);
}
void Circuit::LinePic_Click() {
    SelectTool(kToolLine, linePic_, false);
}
void Circuit::DelPic_Click() {
    SelectTool(kToolDelete, delPic_, false);
}

void Circuit::MenuPic_MouseDown(int, int, float x, float) {
    const float h = menuPic_->ScaleHeight();
    const float SW = menuPic_->ScaleWidth();
    PlaceStripRow(MaxInt(0, MinInt(Nearest16(SW - kSlots * h), Nearest16(x - kSlots / 2.0f * h))));
}

void Circuit::PlaceStripRow(int left) {
    stripRow_ = left;
    // In window pixels on the strip; the copies are parts too, so their places are kept in
    // board units, where the zoomed board's scroll puts the strip.
    const float h = menuPic_->ScaleHeight();
    const float top = static_cast<float>(menuPic_->y()) + 2;
    const float side = h - 2;
    auto moveCopy = [this, top, side](Kind kind, float x) {
        const QPointF at = view_.ToBoard({x, top});
        const auto z = static_cast<float>(view_.zoom);
        MoveElement(kind, board_.UBound(kind), static_cast<float>(at.x()),
                    static_cast<float>(at.y()), side / z, side / z);
    };
    int slot = 0;
    for (Kind kind : kStripKinds) moveCopy(kind, static_cast<float>(left) + slot++ * h);
    for (PictureControl* c : {linePic_, pencilPic_, delPic_})
        c->Move(static_cast<float>(left) + slot++ * h, top, side, side);
    // The bar's copies wait hidden beside the strip, out of reach of the pointer: a new part put
    // back goes there, and a drop there is no drop.
    for (Kind kind : kBarKinds) moveCopy(kind, -2 * h);
    UpdateFocusMarker();
}

bool Circuit::InStripLook(Kind kind, int i) const {
    // The strip keeps its look in the diagram view: its copies, and a new part still at their
    // size.
    return i >= board_.UBound(kind) || board_.At(kind, i).Width != kBoardSize;
}

Rgb Circuit::BackOf(Kind kind, int i) const {
    return DiagramView() && !InStripLook(kind, i) ? kDiagramPaper : kWindowBackground;
}

void Circuit::PaintElement(Surface& s, Kind kind, int i) const {
    // An element already unloaded (its control waits for deletion) draws as unplaced.
    const int32_t tag = i <= board_.UBound(kind) ? board_.At(kind, i).Tag : 0;
    const std::optional<Symbols> symbols = DiagramView();
    if (symbols && i <= board_.UBound(kind) && !InStripLook(kind, i)) {
        PaintSymbol(s, board_, kind, tag, *symbols);
    } else {
        PaintPart(s, board_, kind, tag);
    }
    if (i == board_.UBound(kind) && PartsLeft(board_, kind) != TaskRules::kNoLimit)
        PartsLeft_Paint(s, PartsLeft(board_, kind));
}

void Circuit::ShowPartsLeft() {
    for (Kind kind : kKinds) {
        const int left = PartsLeft(board_, kind);
        int& shown = partsLeftShown_[static_cast<size_t>(KindIndex(kind))];
        if (left == shown) continue;
        shown = left;
        const int U = board_.UBound(kind);
        if (OnStrip(kind)) {
            RefreshElement(kind, U);
            SetPaletteCopyHints(kind);
        }
        emit PartsLeftChanged(kind, left);
    }
}

void Circuit::SetDiagram(std::optional<Symbols> symbols) {
    if (DiagramView() == symbols) return;
    SetDiagramView(symbols);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ToQColor(symbols ? kDiagramPaper : kWindowBackground));
    setPalette(pal);
    mainPicture_->SetBackColor(symbols ? kDiagramPaper : kWindowBackground);
    RefreshBoard();
    for (Kind kind : kKinds) {
        for (int i = 1; i <= board_.UBound(kind); ++i) {
            if (PictureControl* c = Element(kind, i)) {
                c->SetBackColor(BackOf(kind, i));
                c->Refresh();
                ChangedUnderCurrent(c->geometry());
            }
        }
    }
}

PictureControl* Circuit::MakeElementControl(Kind kind, int i) {
    auto* c = new PictureControl(platform_, this);
    c->SetBackColor(kWindowBackground);  // a new element is the strip's copy
    c->SetView(&view_);
    c->setFocusPolicy(Qt::TabFocus);
    c->FocusChanged = [this](bool) { UpdateFocusMarker(); };
    c->SetPaintHandler([this, kind, i](Surface& s) { PaintElement(s, kind, i); });
    c->SetCached(true);
    c->MouseDown = [this, kind, i](int b, int sh, float x, float y) {
        const EditScope edit(model_);
        const bool idle = board_.MouseMode == kMouseIdle;
        ComponentMouseDown(board_, *this, kind, i, b, sh, x, y);
        if (idle && board_.MouseMode != kMouseIdle) held_ = {kind, i, x, y};
    };
    c->MouseMove = [this, kind, i](int b, int sh, float x, float y) {
        ComponentMouseMove(board_, *this, kind, i, b, sh, x, y);
        if (held_.kind == kind && held_.index == i) held_.x = x, held_.y = y;
    };
    c->MouseUp = [this, kind, i](int b, int sh, float x, float y) {
        const EditScope edit(model_);
        ComponentMouseUp(board_, *this, kind, i, b, sh, x, y);
    };
    return c;
}

void Circuit::LoadElement(Kind kind) {
    ComponentArray& array = board_.Array(kind);
    ComponentElement e = array[0];
    e.Visible = true;
    e.Tag = 0;
    array.push_back(e);
    const int i = board_.UBound(kind);
    std::vector<PictureControl*>& spare = spare_[static_cast<size_t>(KindIndex(kind))];
    PictureControl* c = nullptr;
    if (static_cast<size_t>(i) < spare.size()) std::swap(c, spare[static_cast<size_t>(i)]);
    if (c) {
        // Its handlers already belong to this kind and index; its tip and cursor may be a
        // strip copy's.
        c->setToolTip({});
        c->unsetCursor();
    } else {
        c = MakeElementControl(kind, i);
    }
    controls_.AddElement(kind, i, c);
    if (!rebuilding_) SetPaletteCopyHints(kind);  // a board being rebuilt sets them at the end
    // The keyboard stays on the palette copy when the mouse drags the one it was on away.
    if (i >= 2 && focusWidget() && focusWidget() == Element(kind, i - 1))
        c->setFocus(Qt::OtherFocusReason);
    c->SetDrawnAtZoom(!InStripLook(kind, i));
    c->Move(e.Left, e.Top, e.Width, e.Height);
    ClipToViewport(*c, !InStripLook(kind, i));  // a control kept from a clipped part
    if (OnStrip(kind)) {
        c->show();
    } else {
        board_.At(kind, i).Visible = false;  // the bar offers it
        c->hide();
    }
    if (!rebuilding_) c->raise();  // a board being rebuilt stacks its parts at the end
    StackOnTop(board_, kind, i);
    if (!rebuilding_) c->Refresh();  // a board being rebuilt paints each part once, at the end
}

PictureControl* Circuit::TakeLastElement(Kind kind) {
    ComponentArray& array = board_.Array(kind);
    if (array.size() <= 1 || !Element(kind, board_.UBound(kind))) return nullptr;
    Unstack(board_, kind, board_.UBound(kind));
    array.pop_back();
    PictureControl* c = controls_.RemoveLastElement(kind);
    narrator_.Forget(c);
    return c;
}

void Circuit::UnloadLastElement(Kind kind) {
    PictureControl* c = TakeLastElement(kind);
    if (!c) return;
    SetPaletteCopyHints(kind);
    // A cancelled drag unloads the copy that took the palette slot: the keyboard goes back to
    // the copy that returns there.
    PictureControl* back = Element(kind, board_.UBound(kind));
    if (focusWidget() == c && back) back->setFocus(Qt::OtherFocusReason);
    // The release that unloads it may still be running in its own handler.
    c->hide();
    c->deleteLater();
    if (!OnStrip(kind) && back) SetElementVisible(kind, board_.UBound(kind), false);
}

bool Circuit::BeginPlacing(Kind kind, QPoint globalPos) {
    const EditScope edit(model_);
    if (board_.MouseMode != kMouseIdle || PointerBusy() || keyboard_->GestureRunning())
        return false;
    const int U = board_.UBound(kind);
    const float side = PaletteSide();
    const QPointF p = view_.ToBoard(mapFromGlobal(globalPos));
    MoveElement(kind, U, static_cast<float>(p.x()) - side / 2, static_cast<float>(p.y()) - side / 2,
                side, side);
    SetElementVisible(kind, U, true);
    held_ = {kind, U, side / 2, side / 2};
    ComponentMouseDown(board_, *this, kind, U, kLeftButton, 0, held_.x, held_.y);
    barPlacing_ = board_.MouseMode == kMousePlacing;
    // A press the task refused leaves no copy showing where the bar's drag began.
    if (!barPlacing_) SetElementVisible(kind, U, false);
    return barPlacing_;
}

void Circuit::PlacingMove(QPoint globalPos) {
    if (board_.MouseMode != kMousePlacing) return;
    const QPointF p = view_.ToBoard(mapFromGlobal(globalPos));
    const ComponentElement& e = board_.At(held_.kind, held_.index);
    held_.x = static_cast<float>(p.x()) - e.Left;
    held_.y = static_cast<float>(p.y()) - e.Top;
    ComponentMouseMove(board_, *this, held_.kind, held_.index, kLeftButton, 0, held_.x, held_.y);
}

void Circuit::EndPlacing(QPoint globalPos) {
    const EditScope edit(model_);
    if (board_.MouseMode != kMousePlacing || !barPlacing_) return;
    barPlacing_ = false;
    // Let go anywhere but over the board, it goes back to the bar.
    if (!BoardViewport().contains(mapFromGlobal(globalPos))) {
        const ComponentElement& slot = board_.At(held_.kind, board_.UBound(held_.kind));
        MoveElement(held_.kind, held_.index, slot.Left, slot.Top, slot.Width, slot.Height);
    }
    ComponentMouseUp(board_, *this, held_.kind, held_.index, kLeftButton, 0, held_.x, held_.y);
}

void Circuit::PickUpFromBar(Kind kind) {
    const EditScope edit(model_);
    if (board_.MouseMode != kMouseIdle || PointerBusy() || keyboard_->GestureRunning()) return;
    PictureControl* copy = Element(kind, board_.UBound(kind));
    SetElementVisible(kind, board_.UBound(kind), true);
    keyboard_->Activate(copy);
    if (board_.MouseMode != kMousePlacing) SetElementVisible(kind, board_.UBound(kind), false);
}

void Circuit::MoveElement(Kind kind, int i, float left, float top, float width, float height) {
    PictureControl* c = Element(kind, i);
    if (!c) return;
    ComponentElement& e = board_.At(kind, i);
    e.Left = left;
    e.Top = top;
    e.Width = width;
    e.Height = height;
    const QRect was = c->geometry();
    c->SetDrawnAtZoom(!InStripLook(kind, i));
    c->Move(left, top, width, height);
    ClipToViewport(*c, !InStripLook(kind, i));  // the strip's look is never clipped
    ChangedUnderCurrent(was);
    ChangedUnderCurrent(c->geometry());
    if (c->hasFocus()) UpdateFocusMarker();
}

void Circuit::SetElementVisible(Kind kind, int i, bool visible) {
    PictureControl* c = Element(kind, i);
    if (!c) return;
    board_.At(kind, i).Visible = visible;
    c->setVisible(visible);
    ChangedUnderCurrent(c->geometry());
    UpdateFocusMarker();
}

void Circuit::ZOrderElement(Kind kind, int i) {
    if (PictureControl* c = Element(kind, i)) {
        c->raise();
        StackOnTop(board_, kind, i);
        ChangedUnderCurrent(c->geometry());
    }
}

void Circuit::RefreshElement(Kind kind, int i) {
    if (rebuilding_) return;
    if (PictureControl* c = Element(kind, i)) {
        c->SetBackColor(BackOf(kind, i));
        c->Refresh();
        ChangedUnderCurrent(c->geometry());
        if (!solving_) AnnounceControl(c);  // a solve tells of its bulbs once it is done
    }
}

void Circuit::ZOrderOverlay() {
    current_->raise();  // the dots run over the parts, under the notes
    glasso_->ZOrder(0);
    if (marker_->isVisible()) marker_->raise();
    for (QScrollBar* bar : {hBar_, vBar_}) bar->raise();
}
void Circuit::RefreshBoard() {
    if (rebuilding_) return;  // painted once, when every part is back
    mainPicture_->Refresh();
    ChangedUnderCurrent(mainPicture_->geometry());
}

namespace {
// The union of many rectangles, joined in halves: joining them one by one takes time growing
// with the square of their number.
QRegion UnionOf(std::vector<QRect>::const_iterator from, std::vector<QRect>::const_iterator to) {
    if (to - from == 1) return QRegion(*from);
    if (to == from) return {};
    const auto middle = from + (to - from) / 2;
    return UnionOf(from, middle) + UnionOf(middle, to);
}
}  // namespace

void Circuit::RefreshBoardAlong(const std::vector<WireSpan>& wires) {
    // Each wire as a chain of small boxes along it, its ink included, so a long diagonal wire
    // repaints a thin staircase rather than the rectangle around it.
    constexpr int kPiece = 32;
    std::vector<QRect> boxes;
    for (const WireSpan& w : wires) {
        const int dx = w.x2 - w.x1, dy = w.y2 - w.y1;
        const int pieces =
            std::max(1, (std::max(std::abs(dx), std::abs(dy)) + kPiece - 1) / kPiece);
        for (int i = 0; i < pieces; ++i) {
            const QPoint a(w.x1 + dx * i / pieces, w.y1 + dy * i / pieces);
            const QPoint b(w.x1 + dx * (i + 1) / pieces, w.y1 + dy * (i + 1) / pieces);
            boxes.push_back(
                QRect(a, b).normalized().adjusted(-kWireInk, -kWireInk, kWireInk, kWireInk));
        }
    }
    QRegion area = UnionOf(boxes.begin(), boxes.end());
    // The diagram's wires run their own ways between the points: it is painted whole; and so is
    // a board a quarter of which the area covers (measured: beyond that the whole costs no more).
    const QRect board(QPoint(0, 0), BoardExtent().toSize());
    area &= board;
    qint64 covered = 0;
    for (const QRect& r : area) covered += static_cast<qint64>(r.width()) * r.height();
    if (DiagramView() || 4 * covered > static_cast<qint64>(board.width()) * board.height())
        return RefreshBoard();
    mainPicture_->RefreshArea(area);
    QRegion shown;
    for (const QRect& r : area)
        shown += QRect(ToWindow(r.topLeft()), ToWindow(r.bottomRight() + QPoint(1, 1)));
    ChangedUnderCurrent(shown);
}
Surface& Circuit::BoardSurface() {
    return mainPicture_->DrawingSurface();
}
void Circuit::ShowBoardStrokes() {
    mainPicture_->ShowPendingStrokes();
    ChangedUnderCurrent(mainPicture_->geometry());
}

void Circuit::ChangedUnderCurrent(const QRegion& area) {
    if (!current_->isHidden()) current_->UnderChanged(area.translated(-current_->pos()));
}
void Circuit::ReleaseCapture() {
    platform_.ReleaseCapture();
}

void Circuit::CircuitSolved(const SolveResult& solved) {
    solving_ = false;
    bulbStates_ = solved.bulbs;
    model_.TakeSolve(solved);
}

void Circuit::ShowCurrent(bool on) {
    currentWanted_ = on;
    // Veiled, the current's flow would give the results away.
    const bool shown = on && !board_.Predict.veiled;
    current_->setVisible(shown);
    if (shown) current_->UnderChanged(current_->rect());
    FeedCurrentView();
}

void Circuit::RepaintResults() {
    for (Kind kind : kKinds) {
        if (Info(kind).role != Role::Lamp && !IsMeter(kind)) continue;
        for (int i = 1; i <= board_.PlacedCount(kind); ++i) RefreshElement(kind, i);
    }
    ShowCurrent(currentWanted_);
    std::vector<QWidget*> parts;
    for (Kind kind : kKinds) {
        for (int l = 1; l <= board_.PlacedCount(kind); ++l) parts.push_back(Element(kind, l));
    }
    narrator_.TellAll(parts);
}

bool Circuit::TakesClick(Kind kind, int number) {
    if (!board_.Predict.veiled || Info(kind).role != Role::Lamp || number <= 0) return false;
    model_.CycleGuess(number);
    return true;
}

void Circuit::SetElectronFlow(bool electrons) {
    current_->SetElectronFlow(electrons);
}

void Circuit::FeedCurrentView() {
    if (current_->isHidden()) return;
    const CircuitReadings& r = model_.Readings();
    std::vector<double> partAmps(r.parts.size());
    for (size_t k = 0; k < r.parts.size(); ++k) partAmps[k] = r.parts[k].amps;
    current_->SetCurrents(r.wireAmps, partAmps);
}

void Circuit::Glasso1_MouseMessage(int32_t message, int32_t wParam, int32_t lParam) {
    // A move changes the board only within a gesture, which its release ends: no edit ends here.
    if (message == kWmMouseMove) return relay_->MouseMessage(message, wParam, lParam);
    const EditScope edit(model_);
    relay_->MouseMessage(message, wParam, lParam);
}

void Circuit::Glasso1_RepaintRequest(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    relay_->RepaintRequest(x1, y1, x2, y2);
}

}  // namespace cw
