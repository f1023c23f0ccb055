// List items with TABs, lined up at the list's tab stops (every 32 dialog
// units, as a list box with LBS_USETABSTOPS keeps them by default).
#pragma once
#include <QStyledItemDelegate>

namespace ui::gui {

class TabStopDelegate : public QStyledItemDelegate {
 public:
  TabStopDelegate(QObject* parent, int stop_pixels) : QStyledItemDelegate(parent), stop_(stop_pixels) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  int stop_;
};

}  // namespace ui::gui
