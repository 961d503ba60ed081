#include "app/part_bar.h"

#include <QMouseEvent>
#include <QToolButton>
#include <vector>

#include "app/commands.h"
#include "app/part_texts.h"
#include "app/task_texts.h"
#include "model/part_kinds.h"
#include "render/symbol_painters.h"
#include "toolkit/image_surface.h"

namespace cw {
namespace {

QIcon PartIcon(Kind kind) {
    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    ImageSurface surface(&image);
    const Board none;
    PaintPart(surface, none, kind, 0);
    return QIcon(QPixmap::fromImage(image));
}

// One kind's button: the mouse drags a new part out of it, a click of the keyboard or a screen
// reader picks one up.
class PartSource final : public QToolButton {
  public:
    PartSource(PartBarHost& circuit, Kind kind, QWidget* parent)
        : QToolButton(parent), circuit_(circuit), kind_(kind) {
        setIcon(PartIcon(kind));
        setIconSize(QSize(28, 28));
        setText(PartTexts::KindName(kind));
        setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        setToolTip(PartTexts::PaletteHint(kind));
        setAccessibleName(PartTexts::KindName(kind));
        setAccessibleDescription(PartTexts::PaletteHint(kind));
        setFocusPolicy(Qt::TabFocus);
        setCursor(Qt::OpenHandCursor);
        connect(this, &QToolButton::clicked, this, [this] { circuit_.PickUpFromBar(kind_); });
    }

  protected:
    // Tab goes on round the circuit window's controls, as from a strip copy.
    bool focusNextPrevChild(bool next) override { return circuit_.TabFrom(this, next); }
    // The mouse's gesture is the drag, never a click.
    void mousePressEvent(QMouseEvent* event) override {
        // The window may have ended a drag whose release never came here.
        if (event->button() == Qt::LeftButton)
            dragging_ = circuit_.BeginPlacing(kind_, event->globalPosition().toPoint());
        event->accept();
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (!dragging_) return;
        if (!(event->buttons() & Qt::LeftButton)) return Finish(event->globalPosition().toPoint());
        circuit_.PlacingMove(event->globalPosition().toPoint());
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && dragging_)
            Finish(event->globalPosition().toPoint());
    }

  private:
    void Finish(QPoint at) {
        dragging_ = false;
        circuit_.EndPlacing(at);
    }
    PartBarHost& circuit_;
    Kind kind_;
    bool dragging_ = false;
};

}  // namespace

PartBar::PartBar(PartBarHost& circuit, QWidget* parent) : QToolBar(tr("Meters and Fuses"), parent) {
    setObjectName(QStringLiteral("partBar"));
    setMovable(false);
    setFloatable(false);
    std::vector<QWidget*> buttons;
    for (Kind kind : kBarKinds) {
        auto* button = new PartSource(circuit, kind, this);
        buttons.push_back(button);
        buttons_.push_back({kind, button});
        addWidget(button);
    }
    circuit.SetBarButtons(buttons);
}

void PartBar::ShowLeft(Kind kind, int left) {
    for (const auto& [k, button] : buttons_) {
        if (k != kind) continue;
        const bool limited = left != TaskRules::kNoLimit;
        button->setText(limited ? TaskTexts::PartsLeft(kind, left) : PartTexts::KindName(kind));
        const QString hint = limited ? TaskTexts::PartsLeft(kind, left) + QStringLiteral(". ") +
                                           PartTexts::PaletteHint(kind)
                                     : PartTexts::PaletteHint(kind);
        button->setToolTip(hint);
        button->setAccessibleDescription(hint);
    }
}

}  // namespace cw
