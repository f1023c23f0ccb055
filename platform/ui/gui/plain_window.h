// A top-level window of a registered class ("WndEd": the window editor's
// preview): shows what its owner painted and tells the owner when the person
// moves or sizes it.
#pragma once
#include <QImage>
#include <QWidget>
#include <functional>

#include "platform/ui/dialog.h"

namespace ui::gui {

class PlainWindow : public QWidget {
 public:
  // moved gets the window's new rectangle in pixels.
  PlainWindow(std::function<void(WindowRect)> moved, QWidget* parent);
  void place(WindowRect rect);
  void set_picture(QImage picture);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void tell();
  std::function<void(WindowRect)> moved_;
  QImage picture_;
  bool placing_ = false;
};

}  // namespace ui::gui
