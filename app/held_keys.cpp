#include "app/held_keys.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include "app/keyboard_editing.h"

namespace cw {

HeldKeys::HeldKeys(QObject* parent) : QObject(parent) {
    QCoreApplication::instance()->installEventFilter(this);
}

HeldKeys::~HeldKeys() {
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

bool HeldKeys::eventFilter(QObject*, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    // Events made up without a time (tests, input methods) are taken as they say.
    if (key->timestamp() == 0 || key->isAutoRepeat() || IsArrowKey(key->key())) return false;
    if (type == QEvent::KeyRelease) {
        released_[key->key()] = key->timestamp();
        return false;
    }
    const auto last = released_.find(key->key());
    if (last == released_.end() || last->second != key->timestamp()) return false;
    event->accept();  // a shortcut override taken here keeps the shortcut from firing
    return true;
}

}  // namespace cw
