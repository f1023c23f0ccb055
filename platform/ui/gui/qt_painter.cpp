#include "platform/ui/gui/qt_painter.h"

#include <QImage>

#include "platform/ui/gui/text_edge.h"

namespace ui::gui {

QColor to_qcolor(Colour colour) {
  return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

QtPainter::QtPainter(QPainter& painter, QPointF scale, QFont dialog_font, BitmapFinder bitmaps)
    : painter_(painter), scale_(scale), dialog_font_(std::move(dialog_font)), bitmaps_(std::move(bitmaps)) {
  system_font_ = dialog_font_;
  system_font_.setBold(true);  // the system font is the heavier one
  variable_font_ = dialog_font_;  // the variable-pitch one is the plain face of the same size
  variable_font_.setBold(false);
  painter_.setFont(system_font_);
}

QRectF QtPainter::place(Rect area) const {
  return {area.x * scale_.x(), area.y * scale_.y(), area.cx * scale_.x(), area.cy * scale_.y()};
}

void QtPainter::fill(Rect area, Colour colour) { painter_.fillRect(place(area), to_qcolor(colour)); }

void QtPainter::frame(Rect area, Colour colour) {
  QRectF r = place(area).adjusted(0.5, 0.5, -0.5, -0.5);
  painter_.save();
  painter_.setPen(to_qcolor(colour));
  painter_.setBrush(Qt::NoBrush);
  painter_.drawRect(r);
  painter_.restore();
}

void QtPainter::line(int x1, int y1, int x2, int y2, Colour colour) {
  painter_.save();
  painter_.setPen(to_qcolor(colour));
  painter_.drawLine(QPointF(x1 * scale_.x(), y1 * scale_.y()), QPointF(x2 * scale_.x(), y2 * scale_.y()));
  painter_.restore();
}

void QtPainter::text(Rect area, std::string_view text, Colour colour, Align align) {
  const int flags = Qt::AlignVCenter | Qt::TextSingleLine |
                    (align == Align::left ? Qt::AlignLeft : align == Align::right ? Qt::AlignRight : Qt::AlignHCenter);
  painter_.save();
  painter_.setPen(to_qcolor(colour));
  painter_.setClipRect(place(area));
  painter_.drawText(place(area), flags, from_host_text(text));
  painter_.restore();
}

void QtPainter::bitmap(Rect area, std::string_view source) {
  QImage image = bitmaps_ ? bitmaps_(source) : QImage();
  if (image.isNull()) image.load(from_host_text(source));
  if (!image.isNull()) {
    painter_.drawImage(place(area), image);
    return;
  }
  // A picture that cannot be read shows as a small grey box, as a missing bitmap does.
  painter_.save();
  painter_.setPen(Qt::gray);
  painter_.setBrush(QColor(0xE0, 0xE0, 0xE0));
  painter_.drawRect(place(area).adjusted(0.5, 0.5, -0.5, -0.5));
  painter_.restore();
}

void QtPainter::select_font(Font font) {
  switch (font) {
    case Font::dialog: return painter_.setFont(dialog_font_);
    case Font::variable: return painter_.setFont(variable_font_);
    case Font::system: return painter_.setFont(system_font_);
  }
}

}  // namespace ui::gui
