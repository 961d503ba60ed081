// The help window F1 opens beside the board: how to use the parts, the tools and the keys, what
// a bulb shows, and an About part with the version, the licence and the Qt version.
#pragma once

#include <QWidget>

namespace cw {

class HelpWindow final : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* owner);

    // The help as HTML, in the learner's language.
    static QString Text();
};

}  // namespace cw
