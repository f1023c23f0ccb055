#include "platform/ui/gui/authoring_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <map>

#include "platform/ui/gui/text_edge.h"

namespace ui::gui {

AuthoringWindow::AuthoringWindow(const QString& title, const std::vector<MenuCommand>& commands) {
  setWindowTitle(title);
  setObjectName(QStringLiteral("AuthoringWindow"));
  log_ = new QPlainTextEdit(this);
  log_->setReadOnly(true);
  log_->setFont(QFont(QStringLiteral("Liberation Mono"), 9));
  setCentralWidget(log_);
  std::map<std::string, QMenu*> menus;
  for (const MenuCommand& command : commands) {
    QMenu*& menu = menus[command.menu];
    if (!menu) menu = menuBar()->addMenu(from_host_text(command.menu));
    QAction* action = menu->addAction(from_host_text(command.label));
    connect(action, &QAction::triggered, this, [this, command] { run(command); });
  }
  statusBar()->showMessage(tr("Choose a command from the menus."));
  resize(720, 480);
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
}

QString AuthoringWindow::log_text() const { return log_->toPlainText(); }

void AuthoringWindow::log(const QString& text) { log_->appendPlainText(text); }

void AuthoringWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  if (on_close) on_close();
}

}  // namespace ui::gui
