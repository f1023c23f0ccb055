// The painter on a QPainter: owner-drawn list items, previews and the
// window editor's preview draw through it. Coordinates are the model's
// pixels, scaled to the dialog font's.
#pragma once
#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QImage>
#include <functional>
#include <string>

#include "platform/ui/fonts.h"
#include "platform/ui/painter.h"

namespace ui::gui {

// The picture of a bitmap resource name (embedded with the scripts, or the
// file its BITMAP line names); a null image when it has none.
using BitmapFinder = std::function<QImage(std::string_view source)>;

class QtPainter : public Painter, public FontChoice {
 public:
  QtPainter(QPainter& painter, QPointF scale, QFont dialog_font, BitmapFinder bitmaps = {});

  void fill(Rect area, Colour colour) override;
  void frame(Rect area, Colour colour) override;
  void line(int x1, int y1, int x2, int y2, Colour colour) override;
  void text(Rect area, std::string_view text, Colour colour, Align align) override;
  void bitmap(Rect area, std::string_view source) override;
  void select_font(Font font) override;

 private:
  QRectF place(Rect area) const;
  QPainter& painter_;
  QPointF scale_;
  QFont dialog_font_;
  QFont system_font_;
  QFont variable_font_;
  BitmapFinder bitmaps_;
};

// Colour values keep red in the low byte.
QColor to_qcolor(Colour colour);

}  // namespace ui::gui
