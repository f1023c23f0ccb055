#include "platform/ui/gui/plain_window.h"

#include <QPainter>

namespace ui::gui {

PlainWindow::PlainWindow(std::function<void(WindowRect)> moved, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::Tool), moved_(std::move(moved)) {
  setAutoFillBackground(true);
}

void PlainWindow::place(WindowRect rect) {
  placing_ = true;  // a move from the program's side tells nobody
  setGeometry(rect.x, rect.y, std::max(rect.cx, 1), std::max(rect.cy, 1));
  placing_ = false;
}

void PlainWindow::set_picture(QImage picture) {
  picture_ = std::move(picture);
  update();
}

void PlainWindow::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter p(this);
  p.drawImage(QPoint(0, 0), picture_);
}

void PlainWindow::moveEvent(QMoveEvent*) { tell(); }
void PlainWindow::resizeEvent(QResizeEvent*) { tell(); }

void PlainWindow::tell() {
  if (placing_ || !isVisible() || !moved_) return;
  const QRect g = geometry();
  moved_({g.x(), g.y(), g.width(), g.height()});
}

}  // namespace ui::gui
