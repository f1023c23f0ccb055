#include "platform/ui/fonts.h"

namespace ui {

void select_font(Painter& painter, Font font) {
  if (auto* choice = dynamic_cast<FontChoice*>(&painter)) choice->select_font(font);
}

void RecordingFontPainter::keep_last() { record_.push_back(lines_.record().back()); }

void RecordingFontPainter::fill(Rect area, Colour colour) {
  lines_.fill(area, colour);
  keep_last();
}

void RecordingFontPainter::frame(Rect area, Colour colour) {
  lines_.frame(area, colour);
  keep_last();
}

void RecordingFontPainter::line(int x1, int y1, int x2, int y2, Colour colour) {
  lines_.line(x1, y1, x2, y2, colour);
  keep_last();
}

void RecordingFontPainter::text(Rect area, std::string_view text, Colour colour, Align align) {
  lines_.text(area, text, colour, align);
  keep_last();
}

void RecordingFontPainter::bitmap(Rect area, std::string_view source) {
  lines_.bitmap(area, source);
  keep_last();
}

void RecordingFontPainter::select_font(Font font) {
  switch (font) {
    case Font::system: record_.push_back("font system"); return;
    case Font::dialog: record_.push_back("font dialog"); return;
    case Font::variable: record_.push_back("font variable"); return;
  }
}

}  // namespace ui
