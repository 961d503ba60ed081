#include "overlay/freehand_overlay.h"

#include <QCursor>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <bit>
#include <cmath>

#include "toolkit/platform.h"

namespace cw {
namespace {
constexpr double kPenWidth = 2.0;
constexpr double kEraseReach = 4.0;
const QColor kPenColour(24, 24, 40);

double DistanceToSegment(QPointF p, QPointF a, QPointF b) {
    const QPointF d = b - a;
    const double len2 = QPointF::dotProduct(d, d);
    const double t = len2 > 0 ? std::clamp(QPointF::dotProduct(p - a, d) / len2, 0.0, 1.0) : 0.0;
    const QPointF q = a + t * d - p;
    return std::hypot(q.x(), q.y());
}

QRectF Padded(const QRectF& r) {
    return r.adjusted(-4, -4, 4, 4);
}

// The event in the platform's encoding: the message, and as wParam the buttons held after it
// and the Shift and Ctrl keys.
uint32_t MessageOf(const QMouseEvent* event) {
    if (event->type() == QEvent::MouseMove) return kWmMouseMove;
    const uint32_t left =
        event->type() == QEvent::MouseButtonRelease ? kWmLButtonUp : kWmLButtonDown;
    const Qt::MouseButton b = event->button();
    if (b == Qt::LeftButton) return left;
    if (b == Qt::RightButton) return left + 3;
    if (b == Qt::MiddleButton) return left + 6;
    // A side button (or any further one a mouse has) is an X button.
    return event->type() == QEvent::MouseButtonRelease ? kWmXButtonUp : kWmXButtonDown;
}

uint32_t WParamOf(const QMouseEvent* event) {
    uint32_t w = 0;
    const Qt::MouseButtons b = event->buttons();
    if (b & Qt::LeftButton) w |= kMkLButton;
    if (b & Qt::RightButton) w |= kMkRButton;
    if (b & Qt::MiddleButton) w |= kMkMButton;
    // Every further button counts as held too, or a gesture of a side button would look like
    // hovering and its release would be lost.
    if (b & Qt::XButton1) w |= kMkXButton1;
    if (b & ~(Qt::LeftButton | Qt::RightButton | Qt::MiddleButton | Qt::XButton1)) w |= kMkXButton2;
    if (event->modifiers() & Qt::ShiftModifier) w |= kMkShift;
    if (event->modifiers() & Qt::ControlModifier) w |= kMkControl;
    return w;
}
}  // namespace

FreehandOverlay::FreehandOverlay(Platform& platform, QWidget* parent, std::vector<QPolygonF>& notes)
    : QWidget(parent),
      platform_(platform),
      handle_(platform.Register(this, true)),
      strokes_(notes) {
    setMouseTracking(true);
}

int32_t FreehandOverlay::ChildAtPoint(int32_t& hWnd, int32_t& x, int32_t& y) {
    return platform_.ChildAtPoint(hWnd, x, y);
}

void FreehandOverlay::Move(float left, float top, float width, float height) {
    MoveWindow(*this, left, top, width, height);
}

void FreehandOverlay::ZOrder(int position) {
    if (position == 0) raise();
}

void FreehandOverlay::SetView(const QTransform& boardToWidget) {
    if (view_ == boardToWidget) return;
    view_ = boardToWidget;
    fromWidget_ = view_.inverted();
    update();
}

void FreehandOverlay::UpdateArea(const QRectF& board) {
    update(view_.mapRect(board).toAlignedRect());
}

void FreehandOverlay::RepaintArea(int32_t, int32_t, int32_t, int32_t) {
    // Qt composites this transparent widget over every repaint of what lies beneath it, so the
    // strokes already show again over a freshly painted board; asking for the whole area again
    // would only repaint the board and every part on it a second time.
}

void FreehandOverlay::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.setTransform(view_);
    PaintStrokes(p, fromWidget_.mapRect(QRectF(event->rect())));
}

void FreehandOverlay::PaintStrokes(QPainter& p, const QRectF& within) const {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(kPenColour, kPenWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QRectF area = within.adjusted(-kPenWidth, -kPenWidth, kPenWidth, kPenWidth);
    for (const QPolygonF& stroke : strokes_) {
        if (!stroke.boundingRect().adjusted(-1, -1, 1, 1).intersects(area)) continue;
        if (stroke.size() == 1) {
            p.drawPoint(stroke.front());
        } else {
            p.drawPolyline(stroke);
        }
    }
}

void FreehandOverlay::EraseAt(QPointF p) {
    QRectF erased;
    bool any = false;
    for (auto it = strokes_.begin(); it != strokes_.end();) {
        bool touched = false;
        for (qsizetype i = 0; i < it->size() && !touched; ++i) {
            const QPointF b = (*it)[std::min(i + 1, it->size() - 1)];
            touched = DistanceToSegment(p, (*it)[i], b) <= kEraseReach * eraseScale_;
        }
        if (touched) {
            erased = any ? (erased | it->boundingRect()) : it->boundingRect();
            any = true;
            it = strokes_.erase(it);
        } else {
            ++it;
        }
    }
    if (!any) return;
    UpdateArea(Padded(erased));
    const QRect r = view_.mapRect(Padded(erased)).toAlignedRect();
    if (sink_) sink_->Glasso1_RepaintRequest(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
}

void FreehandOverlay::Handle(QMouseEvent* event) {
    event->accept();
    const uint32_t message = MessageOf(event);
    const uint32_t wParam = WParamOf(event);
    const QPointF pos = event->position();  // the window's pixels, for the host
    const QPointF onBoard = fromWidget_.map(pos);
    // Whether a gesture's messages are reported or kept for strokes is decided by its first
    // press, so a tool chosen halfway never splits one gesture between the two.
    const uint32_t held = wParam & kMkButtons;
    const bool firstPress = IsButtonDown(message) && std::has_single_bit(held);
    if (firstPress || (held == 0 && !IsButtonUp(message))) reporting_ = !penMode_;
    const bool report = reporting_;
    if (IsButtonUp(message) && held == 0) reporting_ = !penMode_;
    if (!report && firstPress && message == kWmLButtonDown && TakesPress)
        taken_ = TakesPress(pos.toPoint());
    if (taken_) {
        if (IsButtonUp(message) && held == 0) taken_ = false;
    } else if (!report) {
        Draw(message, wParam, onBoard);
        if (IsButtonUp(message) && held == 0 && NotesEdited) NotesEdited();
    } else if (sink_) {
        sink_->Glasso1_MouseMessage(static_cast<int32_t>(message), static_cast<int32_t>(wParam),
                                    MakeLParam(static_cast<int>(std::floor(pos.x())),
                                               static_cast<int>(std::floor(pos.y()))));
    }
}

void FreehandOverlay::Draw(uint32_t message, uint32_t wParam, QPointF pos) {
    if (erasing_) {
        // The left button rubs out as the right does; it draws nothing.
        if (message == kWmLButtonDown) message = kWmRButtonDown;
        if (message == kWmLButtonUp) message = kWmRButtonUp;
        if (wParam & kMkLButton) wParam = (wParam & ~kMkLButton) | kMkRButton;
    }
    if (message == kWmLButtonDown) {
        strokes_.push_back(QPolygonF{pos});
        drawing_ = true;
        UpdateArea(Padded(QRectF(pos, pos)));
    } else if (message == kWmMouseMove && drawing_ && (wParam & kMkLButton) && !strokes_.empty()) {
        QPolygonF& stroke = strokes_.back();
        const QPointF last = stroke.back();
        stroke.push_back(pos);
        UpdateArea(Padded(QRectF(last, pos).normalized()));
    } else if (message == kWmLButtonUp) {
        drawing_ = false;
    }
    if ((message == kWmRButtonDown) || (message == kWmMouseMove && (wParam & kMkRButton)))
        EraseAt(pos);
}

void FreehandOverlay::CancelGesture() {
    if (drawing_ && !strokes_.empty()) {
        const QRectF r = Padded(strokes_.back().boundingRect());
        strokes_.pop_back();
        UpdateArea(r);
    }
    ForgetGesture();
}

void FreehandOverlay::mousePressEvent(QMouseEvent* event) {
    Handle(event);
}
void FreehandOverlay::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() == Qt::NoButton && CursorAt) {
        SetCursorShape(CursorAt(event->position().toPoint()));
    }
    Handle(event);
}

void FreehandOverlay::UpdateCursor() {
    const QPoint at = mapFromGlobal(QCursor::pos());
    if (CursorAt && rect().contains(at)) SetCursorShape(CursorAt(at));
}

void FreehandOverlay::SetCursorShape(Qt::CursorShape shape) {
    if (cursor().shape() != shape) setCursor(shape);  // most moves keep the shape they had
}

bool FreehandOverlay::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip || !ToolTipAt) return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString text = ToolTipAt(help->pos());
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), text, this);
    }
    return true;
}
void FreehandOverlay::mouseReleaseEvent(QMouseEvent* event) {
    Handle(event);
}

}  // namespace cw
