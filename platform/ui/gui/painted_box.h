// An owner-drawn control: shows what the procedure last painted into it
// (Host::paint). An owner-drawn list box also picks items by row; until it
// is painted it shows its items' texts.
#pragma once
#include <QFrame>
#include <QImage>
#include <QStringList>
#include <functional>

namespace ui::gui {

class PaintedBox : public QFrame {
 public:
  PaintedBox(QWidget* parent, bool list, int row_height);

  void set_picture(QImage picture);
  void set_items(const QStringList& items, int selection);
  // A list's rows: their height in widget pixels, and the row shown at the
  // top (the procedure paints every row from the first; the box scrolls).
  void set_row_height(int pixels);
  void set_top_row(int row);
  int row_height() const { return row_height_; }
  int top_row() const { return top_row_; }
  // The person picked a row of a list (double_click: a double click).
  std::function<void(int row, bool double_click)> on_pick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  int row_at(int y) const;
  bool list_;
  int row_height_;
  QImage picture_;
  QStringList items_;
  int selection_ = -1;
  int top_row_ = 0;
};

}  // namespace ui::gui
