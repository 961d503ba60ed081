#include "toolkit/picture_control.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "toolkit/picture_cache.h"

namespace cw {

PictureControl::PictureControl(Platform& platform, QWidget* parent, int border)
    : QWidget(parent), border_(border), handle_(platform.Register(this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

bool PictureControl::EnsureImage() {
    // The image covers every device pixel the inner area touches; the surface reports the
    // control's own logical size, which need not divide evenly at ratios such as 1.5.
    // On a zoomed board the picture is drawn as at a pixel ratio that many times the screen's.
    const qreal screen = devicePixelRatioF(), dpr = screen * DrawScale();
    surface_.SetLogicalSize(ScaleWidth(), ScaleHeight());
    const QSize want(static_cast<int>(std::ceil(std::max(0, width() - 2 * border_) * screen)),
                     static_cast<int>(std::ceil(std::max(0, height() - 2 * border_) * screen)));
    if (image_.size() == want && image_.devicePixelRatio() == dpr) return false;
    image_ = QImage(want, QImage::Format_RGB32);
    image_.setDevicePixelRatio(dpr);
    return true;
}

void PictureControl::Render(const QRegion* clip) {
    // A new image holds no drawing yet, nor does one whose drawing was put off: either is drawn
    // whole whatever the clip asked for.
    if (EnsureImage() || stale_) clip = nullptr;
    if (!clip) stale_ = false;
    if (image_.isNull()) return;
    std::string key;
    if (cached_ && !clip && paint_) {
        KeySurface keys(ScaleWidth(), ScaleHeight());
        paint_(keys);
        key.swap(keys.Key());
        const double frame[] = {
            ScaleWidth(),
            ScaleHeight(),
            image_.devicePixelRatio(),
            static_cast<double>(image_.width()),
            static_cast<double>(image_.height()),
            static_cast<double>(backColor_.r << 16 | backColor_.g << 8 | backColor_.b)};
        key.append(reinterpret_cast<const char*>(frame), sizeof frame);
        if (const QImage* kept = PictureCache::Shared().Find(key)) {
            image_ = *kept;
            return;
        }
        // Drawn from the state the key was written with, whatever the last drawing left.
        surface_.SetState(DrawState{});
    }
    const QColor back(backColor_.r, backColor_.g, backColor_.b);
    QRegion device;
    if (clip) {
        // In device pixels, exactly those the drawing keeps to.
        device = surface_.DeviceRegion(*clip);
        // Straight into the pixels: a painter's scale at a ratio such as 1.7 can round a
        // rectangle's last column away.
        const uint32_t fill = back.rgb();
        for (const QRect& r : device) {
            for (int y = r.top(); y <= r.bottom(); ++y) {
                auto* row = reinterpret_cast<uint32_t*>(image_.scanLine(y));
                std::fill(row + r.left(), row + r.right() + 1, fill);
            }
        }
    } else {
        image_.fill(back);  // one plain pass, where a painter would hand it to worker threads
    }
    surface_.BeginBatch(clip ? &device : nullptr);
    if (paint_) paint_(surface_);
    surface_.EndBatch();
    surface_.TakeDrawn();
    if (!key.empty()) PictureCache::Shared().Keep(key, image_);
}

namespace {

// Where two images of one size and format differ: bands of a few rows, each as wide as the
// pixels that changed in it, so a long diagonal wire that moved gives a thin staircase rather
// than the rectangle around it.
// a is compared with the part of b whose top-left corner is at `at`.
QRegion ChangedArea(const QImage& a, const QImage& b, QPoint at = QPoint()) {
    constexpr int kBandRows = 16;
    const int w = a.width();
    QRegion region;
    QRect band;
    for (int y = 0; y < a.height(); ++y) {
        const auto* p = reinterpret_cast<const uint32_t*>(a.constScanLine(y));
        const auto* q = reinterpret_cast<const uint32_t*>(b.constScanLine(y + at.y())) + at.x();
        if (std::memcmp(p, q, static_cast<size_t>(w) * 4) != 0) {
            int x0 = 0;
            while (p[x0] == q[x0]) ++x0;
            int x1 = w - 1;
            while (p[x1] == q[x1]) --x1;
            const QRect row(QPoint(x0, y), QPoint(x1, y));
            band = band.isNull() ? row : band | row;
        }
        if (!band.isNull() && (y % kBandRows == kBandRows - 1 || y == a.height() - 1)) {
            region += band;
            band = QRect();
        }
    }
    return region;
}
}  // namespace

void PictureControl::Refresh() {
    // A control not on screen (the window not yet shown, a copy waiting hidden) is drawn when
    // it shows or its picture is asked for: a window's controls are drawn once, at their size.
    if (!isVisible()) {
        stale_ = true;
        return;
    }
    // The Paint handler runs at once; the pixels that changed go to the screen with the next
    // frame, so dragging one part over a full board stays cheap and the many repaints of one
    // edit cost one frame. The two buffers take turns: the one on screen is kept to compare the
    // new one against (measured: without the compare a drag step or an edit takes twice as
    // long, for the board and for the parts alike).
    std::swap(image_, previous_);
    Render(nullptr);
    if (image_.constBits() == previous_.constBits()) return;  // the same kept picture
    if (previous_.size() != image_.size() ||
        previous_.devicePixelRatio() != image_.devicePixelRatio()) {
        update();
        return;
    }
    ShowChanged(ChangedArea(previous_, image_));
}

QRect PictureControl::ToWidget(const QRectF& drawn) const {
    const double s = DrawScale();
    return QRectF(drawn.x() * s, drawn.y() * s, drawn.width() * s, drawn.height() * s)
        .toAlignedRect()
        .translated(border_, border_);
}

void PictureControl::ShowChanged(const QRegion& changed) {
    if (changed.isEmpty()) return;
    const qreal dpr = devicePixelRatioF();
    QRegion logical;
    for (const QRect& r : changed) {
        logical +=
            QRectF(r.x() / dpr, r.y() / dpr, r.width() / dpr, r.height() / dpr).toAlignedRect();
    }
    update(logical.translated(border_, border_));
}

void PictureControl::RefreshArea(const QRegion& area) {
    const QRegion clip = area & QRect(0, 0, static_cast<int>(std::ceil(ScaleWidth())),
                                      static_cast<int>(std::ceil(ScaleHeight())));
    if (clip.isEmpty()) return;
    if (EnsureImage() || stale_ || !isVisible()) return Refresh();
    // As Refresh does, only the pixels that changed go to the screen: the parts lying over a
    // long wire's area are not all painted again for it.
    const QRegion device = surface_.DeviceRegion(clip);
    std::vector<QImage> before;
    for (const QRect& r : device) before.push_back(image_.copy(r));
    Render(&clip);
    QRegion changed;
    auto was = before.begin();
    for (const QRect& r : device)
        changed += ChangedArea(*was++, image_, r.topLeft()).translated(r.topLeft());
    ShowChanged(changed);
}

void PictureControl::Redraw(const Rect32& area) {
    const QRect shown(area.left, area.top, area.right - area.left, area.bottom - area.top);
    if (shown.isEmpty()) return;
    const double s = DrawScale();
    const QRect clip =
        QRectF(shown.x() / s, shown.y() / s, shown.width() / s, shown.height() / s).toAlignedRect();
    const QRegion region(clip);
    Render(&region);
    if (isVisible()) repaint(ToWidget(clip));
}

void PictureControl::Move(float left, float top, float width, float height) {
    if (!view_) return MoveWindow(*this, left, top, width, height);
    setGeometry(view_->ToWindow(left, top, width, height));
}

Surface& PictureControl::DrawingSurface() {
    Settle();
    return surface_;
}

void PictureControl::Settle() {
    if (EnsureImage() || stale_) Render(nullptr);
}

const QImage& PictureControl::Image() {
    Settle();
    return image_;
}

void PictureControl::ShowPendingStrokes() {
    const QRect r = surface_.TakeDrawn();
    if (!r.isEmpty()) update(ToWidget(r));
}

void PictureControl::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    PaintTo(p, QPoint(), event->region());
}

void PictureControl::PaintTo(QPainter& p, QPoint at, const QRegion& clip) {
    Settle();
    p.save();
    p.translate(at);
    p.setClipRegion(clip, Qt::IntersectClip);
    if (border_ > 0) {
        // A sunken frame around the inner area, as the tool buttons have.
        p.fillRect(rect(), QColor(255, 255, 255));
        p.fillRect(QRect(0, 0, width() - border_ / 2, height() - border_ / 2),
                   QColor(128, 128, 128));
        p.fillRect(QRect(border_ / 2, border_ / 2, width() - border_, height() - border_),
                   QColor(64, 64, 64));
    }
    // Pixel for pixel, whatever ratio the picture was drawn at.
    const qreal dpr = p.device()->devicePixelRatioF();
    p.drawImage(QRectF(border_, border_, image_.width() / dpr, image_.height() / dpr), image_,
                QRectF(image_.rect()));
    p.restore();
}

void PictureControl::Deliver(Action action, QMouseEvent* event) {
    event->accept();
    constexpr Qt::MouseButtons kHandled = Qt::LeftButton | Qt::RightButton | Qt::MiddleButton;
    if (action != Action::Move && !(event->button() & kHandled)) return;  // a side button
    // Qt numbers the buttons as the handlers do: 1 left, 2 right, 4 middle.
    const int held =
        static_cast<int>(event->buttons() & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton));
    const Qt::KeyboardModifiers keys = event->modifiers();
    const int shift = ((keys & Qt::ShiftModifier) ? 1 : 0) | ((keys & Qt::ControlModifier) ? 2 : 0);
    const QPoint p = event->position().toPoint();
    Deliver(action, action == Action::Move ? held : static_cast<int>(event->button()), shift, p.x(),
            p.y());
}

void PictureControl::Deliver(Action action, int button, int shift, int x, int y) {
    const auto fx = static_cast<float>((x - border_) / EventScale());
    const auto fy = static_cast<float>((y - border_) / EventScale());
    if (action == Action::Move) {
        if (MouseMove) MouseMove(button, shift, fx, fy);
    } else if (action == Action::Down) {
        if (button == 1) leftPressed_ = true;
        if (MouseDown) MouseDown(button, shift, fx, fy);
    } else {
        const bool click = button == 1 && leftPressed_ && rect().contains(x, y);
        if (button == 1) leftPressed_ = false;
        if (MouseUp) MouseUp(button, shift, fx, fy);
        if (click && Click) Click();
    }
}

void PictureControl::mousePressEvent(QMouseEvent* event) {
    Deliver(Action::Down, event);
}
void PictureControl::mouseMoveEvent(QMouseEvent* event) {
    Deliver(Action::Move, event);
}
void PictureControl::mouseReleaseEvent(QMouseEvent* event) {
    Deliver(Action::Up, event);
}

void PictureControl::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (FocusChanged) FocusChanged(true);
}
void PictureControl::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    if (FocusChanged) FocusChanged(false);
}

void PictureControl::OnMouseMessage(uint32_t message, uint32_t wParam, int x, int y) {
    const int shift = ((wParam & kMkShift) ? 1 : 0) | ((wParam & kMkControl) ? 2 : 0);
    if (message == kWmMouseMove) {
        const int held =
            static_cast<int>(wParam & (kMkLButton | kMkRButton)) | ((wParam & kMkMButton) ? 4 : 0);
        Deliver(Action::Move, held, shift, x, y);
    } else if (message == kWmXButtonDown || message == kWmXButtonUp) {
        // The side buttons hold a gesture's pointer but mean nothing to a control.
    } else if (IsButtonDown(message) || IsButtonUp(message)) {
        // Left, right and middle messages lie three apart: buttons 1, 2 and 4.
        const int button = 1 << ((message - kWmLButtonDown) / 3);
        Deliver(IsButtonDown(message) ? Action::Down : Action::Up, button, shift, x, y);
    }
}

}  // namespace cw
