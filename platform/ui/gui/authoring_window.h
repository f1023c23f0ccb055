// twhost's authoring window on the desktop: the menus the word processor's
// macros would offer, and a log pane of what each command returned.
#pragma once
#include <QMainWindow>
#include <functional>
#include <vector>

#include "platform/ui/main_window.h"

class QPlainTextEdit;

namespace ui::gui {

class AuthoringWindow : public QMainWindow {
 public:
  AuthoringWindow(const QString& title, const std::vector<MenuCommand>& commands);
  // Runs the command with the menus held, and logs its label and what it said.
  void run(const MenuCommand& command);
  QString log_text() const;
  std::function<void()> on_close;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void log(const QString& text);
  QPlainTextEdit* log_;
};

}  // namespace ui::gui
