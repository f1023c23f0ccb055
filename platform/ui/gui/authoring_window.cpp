#include "platform/ui/gui/authoring_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <map>

#include "platform/ui/gui/text_edge.h"

namespace ui::gui {

AuthoringWindow::AuthoringWindow(MainWindowContent content) : content_(std::move(content)) {
  setObjectName(QStringLiteral("AuthoringWindow"));
  log_ = new QPlainTextEdit(this);
  log_->setReadOnly(true);
  log_->setFont(QFont(QStringLiteral("Liberation Mono"), 9));
  setCentralWidget(log_);
  show_content();
  statusBar()->showMessage(tr("Choose a command from the menus."));
  resize(720, 480);
}

// The old menus go later: the action that ran the command belongs to one.
void AuthoringWindow::show_content() {
  const MainWindowView view = content_ ? content_() : MainWindowView{};
  setWindowTitle(from_host_text(view.title));
  if (!view.log.empty()) log(from_output_text(view.log).trimmed());
  menuBar()->clear();
  for (QPointer<QMenu>& menu : menus_)
    if (menu) menu->deleteLater();
  menus_.clear();
  std::map<std::string, QMenu*> menus;
  for (const MenuCommand& command : view.commands) {
    QMenu*& menu = menus[command.menu];
    if (!menu) {
      menu = menuBar()->addMenu(from_host_text(command.menu));
      menus_.emplace_back(menu);
    }
    QAction* action = menu->addAction(from_host_text(command.label));
    if (command.checked) {
      action->setCheckable(true);
      action->setChecked(true);
    }
    connect(action, &QAction::triggered, this, [this, command] { run(command); });
  }
  // The first menu ends with the window's own way out.
  if (!menus_.empty()) {
    menus_.front()->addSeparator();
    QAction* exit = menus_.front()->addAction(tr("E&xit"));
    exit->setShortcut(QKeySequence::Quit);
    connect(exit, &QAction::triggered, this, &QWidget::close);
  }
}

void AuthoringWindow::run(const MenuCommand& command) {
  QString label = from_host_text(command.label);
  label.remove(QChar('&'));
  log(QStringLiteral("> ") + label);
  menuBar()->setEnabled(false);  // one command at a time
  if (!label.endsWith(QStringLiteral("..."))) label += QStringLiteral("...");
  statusBar()->showMessage(label);
  const std::string said = command.run ? command.run() : std::string();
  menuBar()->setEnabled(true);
  statusBar()->clearMessage();
  if (!said.empty()) log(from_output_text(said).trimmed());
  show_content();
}

QString AuthoringWindow::log_text() const { return log_->toPlainText(); }

void AuthoringWindow::log(const QString& text) { log_->appendPlainText(text); }

void AuthoringWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  if (on_close) on_close();
}

}  // namespace ui::gui
