#include "platform/ui/gui/painted_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace ui::gui {

PaintedBox::PaintedBox(QWidget* parent, bool list, int row_height)
    : QFrame(parent), list_(list), row_height_(std::max(row_height, 1)) {
  if (list_) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
  }
}

void PaintedBox::set_picture(QImage picture) {
  picture_ = std::move(picture);
  update();
}

void PaintedBox::set_items(const QStringList& items, int selection) {
  if (items == items_ && selection == selection_) return;
  items_ = items;
  selection_ = selection;
  update();
}

void PaintedBox::set_row_height(int pixels) {
  row_height_ = std::max(pixels, 1);
  update();
}

void PaintedBox::set_top_row(int row) {
  top_row_ = std::max(row, 0);
  update();
}

void PaintedBox::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter p(this);
  const QRect inner = contentsRect();
  p.setClipRect(inner);
  if (!picture_.isNull()) {
    p.drawImage(inner.topLeft() - QPoint(0, list_ ? top_row_ * row_height_ : 0), picture_);
    return;
  }
  if (!list_) return;
  for (int row = top_row_; row < items_.size(); ++row) {
    QRect r(inner.x(), inner.y() + (row - top_row_) * row_height_, inner.width(), row_height_);
    if (row == selection_) p.fillRect(r, palette().highlight());
    p.setPen(row == selection_ ? palette().highlightedText().color() : palette().text().color());
    p.drawText(r.adjusted(2, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft, items_[row]);
  }
}

int PaintedBox::row_at(int y) const { return top_row_ + (y - contentsRect().y()) / row_height_; }

void PaintedBox::mousePressEvent(QMouseEvent* event) {
  if (list_ && on_pick) on_pick(row_at(event->position().toPoint().y()), false);
  QFrame::mousePressEvent(event);
}

void PaintedBox::mouseDoubleClickEvent(QMouseEvent* event) {
  if (list_ && on_pick) on_pick(row_at(event->position().toPoint().y()), true);
}

}  // namespace ui::gui
