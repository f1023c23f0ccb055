// The authoring window: its menus run the caller's commands one at a time,
// the log pane shows what each said, and the title and menus follow what a
// command changed.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>

#include "platform/output_capture.h"
#include "platform/ui/gui/authoring_window.h"
#include "platform/ui/gui/gui_host.h"

namespace {

QAction* item(const ui::gui::AuthoringWindow& window, int menu, int index) {
  return window.menuBar()->actions()[menu]->menu()->actions()[index];
}

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
  ui::gui::AuthoringWindow window([&] { return ui::MainWindowView{"Tarvenwick", commands, ""}; });
  const QList<QAction*> menus = window.menuBar()->actions();
  ASSERT_EQ(menus.size(), 2);
  EXPECT_EQ(menus[1]->text(), QStringLiteral("&Build"));
  ASSERT_EQ(menus[1]->menu()->actions().size(), 2);
  item(window, 1, 0)->trigger();
  item(window, 1, 1)->trigger();
  item(window, 0, 0)->trigger();
  EXPECT_EQ(compiled, 1);
  // Printed output is UTF-8 as typed; a library's text is code page 1252.
  EXPECT_EQ(window.log_text(), QString::fromUtf8("> Compile\ncompiled: 0 errors\n> Topic Report\nCaf\xC3\xA9 report\n"
                                                 "> Open Project...\nproject: ~/help/caf\xC3\xA9.hpj"));
  EXPECT_TRUE(window.menuBar()->isEnabled());
}

TEST(AuthoringWindow, TitleAndMenusFollowWhatACommandChanged) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  delete tw_gui_host_create(1);
  std::string project;
  std::string before = "opened before the window\n";
  const ui::MainWindowContent content = [&] {
    ui::MainWindowView view{project.empty() ? "Tarvenwick" : "Tarvenwick - " + project, {}, std::move(before)};
    before.clear();
    view.commands.push_back({"&Project", "&Open Project...", [&] {
                               project = "guide.hpj";
                               return std::string("project: guide.hpj\n");
                             }});
    if (!project.empty()) view.commands.push_back({"&Document", "&1 intro.rtf", [] { return std::string(); }, true});
    return view;
  };
  ui::gui::AuthoringWindow window(content);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Tarvenwick"));
  ASSERT_EQ(window.menuBar()->actions().size(), 1);
  item(window, 0, 0)->trigger();
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Tarvenwick - guide.hpj"));
  ASSERT_EQ(window.menuBar()->actions().size(), 2);
  EXPECT_EQ(item(window, 1, 0)->text(), QStringLiteral("&1 intro.rtf"));
  EXPECT_TRUE(item(window, 1, 0)->isChecked());  // the current document
  // The first menu ends with Exit, which closes the window.
  bool closed = false;
  window.on_close = [&] { closed = true; };
  window.menuBar()->actions()[0]->menu()->actions().back()->trigger();
  EXPECT_TRUE(closed);
  // What happened before the window opened is logged once.
  EXPECT_EQ(window.log_text(), QStringLiteral("opened before the window\n> Open Project...\nproject: guide.hpj"));
  QCoreApplication::processEvents();  // the old menus go
}

}  // namespace
