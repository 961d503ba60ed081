// A held key acts once, whatever the events say. An X server repeats a held key as a release
// and a press at one moment; the toolkit marks such a press as a repeat only when it finds the
// press already waiting behind the release, which a busy program often does not. A press that
// comes at the very moment its key was released is the server's repeat of a key never let go:
// it is swallowed before any shortcut or control sees it. The arrows are left alone: holding
// one moves a part on.
#pragma once

#include <QObject>
#include <unordered_map>

class QEvent;

namespace cw {

class HeldKeys final : public QObject {
    Q_OBJECT
  public:
    // Watches every key event of the application for as long as it lives.
    explicit HeldKeys(QObject* parent);
    ~HeldKeys() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::unordered_map<int, unsigned long long> released_;  // key -> when it was last released
};

}  // namespace cw
