// What the screen reader hears of the circuit window's controls as the circuit changes: each
// control's name and description are remembered as last told, and a change of either is
// announced once. After a solve every part's reading may have changed, so each is told again.
#pragma once

#include <QString>
#include <functional>
#include <unordered_map>
#include <utility>
#include <vector>

class QWidget;

namespace cw {

class Narrator {
  public:
    using Text = std::function<QString(const QWidget*)>;
    Narrator(Text name, Text description)
        : name_(std::move(name)), description_(std::move(description)) {}

    // Announces what changed of the control since it was last told; nothing without a screen
    // reader.
    void Tell(QWidget* control);
    void TellAll(const std::vector<QWidget*>& controls);
    // The control is gone.
    void Forget(const QWidget* control) { heard_.erase(control); }

  private:
    Text name_, description_;
    std::unordered_map<const QWidget*, std::pair<QString, QString>> heard_;
};

}  // namespace cw
