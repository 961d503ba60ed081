#include "app/narrator.h"

#include <QAccessible>
#include <QWidget>

namespace cw {

void Narrator::Tell(QWidget* control) {
    if (!control || !QAccessible::isActive()) return;
    const std::pair<QString, QString> now{name_(control), description_(control)};
    auto& heard = heard_[control];
    if (heard.first != now.first) {
        QAccessibleEvent event(control, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    if (heard.second != now.second) {
        QAccessibleEvent event(control, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
    heard = now;
}

void Narrator::TellAll(const std::vector<QWidget*>& controls) {
    if (!QAccessible::isActive()) return;
    for (QWidget* c : controls) Tell(c);
}

}  // namespace cw
