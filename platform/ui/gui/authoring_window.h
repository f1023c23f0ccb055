// twhost's authoring window on the desktop: the menus the word processor's
// macros would offer, and a log pane of what each command returned.
#pragma once
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <vector>

#include "platform/ui/main_window.h"

class QMenu;
class QPlainTextEdit;

namespace ui::gui {

class AuthoringWindow : public QMainWindow {
 public:
  explicit AuthoringWindow(MainWindowContent content);
  // Runs the command with the menus held, logs its label and what it said,
  // then shows the title and menus as they stand after it.
  void run(const MenuCommand& command);
  QString log_text() const;
  std::function<void()> on_close;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void show_content();
  void log(const QString& text);
  MainWindowContent content_;
  QPlainTextEdit* log_;
  std::vector<QPointer<QMenu>> menus_;
};

}  // namespace ui::gui
