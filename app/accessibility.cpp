#include "app/accessibility.h"

#include <QAccessibleWidget>

#include "app/circuit_window.h"
#include "model/part_kinds.h"

namespace cw {
namespace {

class ControlAccessible final : public QAccessibleWidget {
  public:
    ControlAccessible(QWidget* control, Circuit& window)
        : QAccessibleWidget(control), window_(window) {}

    QAccessible::Role role() const override {
        const ControlInfo c = window_.Identify(widget());
        switch (c.type) {
            case ControlType::Palette:
            case ControlType::Tool:
                return QAccessible::Button;
            case ControlType::Board:
                return QAccessible::Canvas;
            case ControlType::Part:
                // A click toggles a switch and steps a resistor; cells and bulbs only show.
                return ClickActs(c.kind) ? QAccessible::Button : QAccessible::Graphic;
            case ControlType::None:
                break;
        }
        return QAccessible::Client;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return window_.ControlName(widget());
        if (t == QAccessible::Description) return window_.ControlDescription(widget());
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        const ControlInfo c = window_.Identify(widget());
        if (c.type == ControlType::Tool) {
            s.checkable = true;
            s.checked = window_.Model().ToolMode == c.tool;
        }
        return s;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (window_.Identify(widget()).type != ControlType::Board) names << pressAction();
        return names;
    }

    void doAction(const QString& name) override {
        if (name == pressAction()) {
            window_.ActivateControl(widget());
        } else {
            QAccessibleWidget::doAction(name);
        }
    }

  private:
    // The bar of extra parts is in the keyboard's round but is the main window's, not this one's.
    std::vector<QWidget*> Children() const {
        std::vector<QWidget*> order = window_.FocusOrder();
        std::erase_if(order, [this](const QWidget* w) { return w->parentWidget() != &window_; });
        return order;
    }
    Circuit& window_;
};

// The window's children as the keyboard visits them; the strip, the overlay, the focus marker,
// deleted parts and the bar of extra parts (the main window's) are not among them.
class WindowAccessible final : public QAccessibleWidget {
  public:
    explicit WindowAccessible(Circuit* window)
        : QAccessibleWidget(window, QAccessible::Window), window_(*window) {}

    int childCount() const override { return static_cast<int>(Children().size()); }

    QAccessibleInterface* child(int index) const override {
        const std::vector<QWidget*> order = Children();
        if (index < 0 || index >= static_cast<int>(order.size())) return nullptr;
        return QAccessible::queryAccessibleInterface(order[static_cast<size_t>(index)]);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        const std::vector<QWidget*> order = Children();
        for (size_t i = 0; i < order.size(); ++i) {
            if (order[i] == child->object()) return static_cast<int>(i);
        }
        return -1;
    }

  private:
    // The bar of extra parts is in the keyboard's round but is the main window's, not this one's.
    std::vector<QWidget*> Children() const {
        std::vector<QWidget*> order = window_.FocusOrder();
        std::erase_if(order, [this](const QWidget* w) { return w->parentWidget() != &window_; });
        return order;
    }
    Circuit& window_;
};

QAccessibleInterface* MakeInterface(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    if (auto* window = qobject_cast<Circuit*>(widget)) return new WindowAccessible(window);
    // Every picture control of the window, whatever it is now: a palette copy becomes a part
    // when it is dropped, and Qt keeps the interface it made first.
    auto* window = qobject_cast<Circuit*>(widget->parentWidget());
    if (window && qobject_cast<PictureControl*>(widget)) {
        return new ControlAccessible(widget, *window);
    }
    return nullptr;
}

}  // namespace

void InstallAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(&MakeInterface);
}

}  // namespace cw
