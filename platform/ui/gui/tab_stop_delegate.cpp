#include "platform/ui/gui/tab_stop_delegate.h"

#include <QApplication>
#include <QPainter>

namespace ui::gui {

void TabStopDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
  QStyleOptionViewItem opt = option;
  initStyleOption(&opt, index);
  const QString text = opt.text;
  opt.text.clear();
  const QWidget* widget = option.widget;
  QStyle* style = widget ? widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
  painter->save();
  painter->setPen(opt.state & QStyle::State_Selected ? opt.palette.highlightedText().color()
                                                     : opt.palette.text().color());
  const QRect area = opt.rect.adjusted(2, 0, -2, 0);
  int x = area.x();
  const QStringList columns = text.split(QChar('\t'));
  for (int i = 0; i < columns.size(); ++i) {
    if (i > 0) x = area.x() + ((x - area.x()) / stop_ + 1) * stop_;
    painter->drawText(QRect(x, area.y(), area.right() - x, area.height()), Qt::AlignVCenter | Qt::AlignLeft,
                      columns[i]);
    x += opt.fontMetrics.horizontalAdvance(columns[i]);
  }
  painter->restore();
}

}  // namespace ui::gui
