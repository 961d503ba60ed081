// The help window F1 opens beside the board: how to use the parts, the tools and the keys, what
// a bulb shows, and an About part with the version, the licence and the Qt version.
#pragma once

#include <QWidget>
#include <utility>
#include <vector>

class QTextBrowser;

namespace cw {

// A command's keys and what it does, as its action says them.
using KeyRows = std::vector<std::pair<QString, QString>>;

class HelpWindow final : public QWidget {
    Q_OBJECT
  public:
    HelpWindow(QWidget* owner, const KeyRows& commandKeys);

    // Scrolls to a section ("keys", "about"), or to the top for none.
    void ShowSection(const QString& section);

    // The help as HTML, in the learner's language; the key table lists the commands' own keys
    // beside the editing keys.
    static QString Text(const KeyRows& commandKeys);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QTextBrowser* text_;
};

}  // namespace cw
