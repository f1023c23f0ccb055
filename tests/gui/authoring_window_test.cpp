// The authoring window: its menus run the caller's commands one at a time and
// the log pane shows what each said.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>

#include "platform/output_capture.h"
#include "platform/ui/gui/authoring_window.h"
#include "platform/ui/gui/gui_host.h"

namespace {

TEST(AuthoringWindow, MenusRunTheirCommandsAndTheLogShowsWhatTheySaid) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  delete tw_gui_host_create(1);  // the process's QApplication
  int compiled = 0;
  std::vector<ui::MenuCommand> commands = {
      {"&Project", "&Open Project...", [] { return std::string("project: ~/help/caf\xC3\xA9.hpj\n"); }},
      {"&Build", "&Compile", [&] {
         ++compiled;
         return platform::capture_output([] { std::printf("compiled: 0 errors\n"); });
       }},
      {"&Build", "Topic &Report", [] { return std::string("Caf\xE9 report"); }},
  };
  ui::gui::AuthoringWindow window(QStringLiteral("Tarvenwick"), commands);
  const QList<QAction*> menus = window.menuBar()->actions();
  ASSERT_EQ(menus.size(), 2);
  EXPECT_EQ(menus[1]->text(), QStringLiteral("&Build"));
  QList<QAction*> build = menus[1]->menu()->actions();
  ASSERT_EQ(build.size(), 2);
  build[0]->trigger();
  build[1]->trigger();
  window.menuBar()->actions()[0]->menu()->actions()[0]->trigger();
  EXPECT_EQ(compiled, 1);
  // Printed output is UTF-8 as typed; a library's text is code page 1252.
  EXPECT_EQ(window.log_text(), QString::fromUtf8("> Compile\ncompiled: 0 errors\n> Topic Report\nCaf\xC3\xA9 report\n"
                                                 "> Open Project...\nproject: ~/help/caf\xC3\xA9.hpj"));
  EXPECT_TRUE(window.menuBar()->isEnabled());
}

}  // namespace
