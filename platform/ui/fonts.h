// Painting in a chosen font. A Painter draws in the window's own font (the
// system font); one that is also a FontChoice switches to the font of the
// dialog the window sits in and back.
#pragma once
#include <string>
#include <vector>

#include "platform/ui/painter.h"

namespace ui {

// system: the window's own font; dialog: the font of the dialog it sits in;
// variable: the variable-pitch system font (owner-drawn list items).
enum class Font { system, dialog, variable };

class FontChoice {
 public:
  virtual ~FontChoice() = default;
  virtual void select_font(Font font) = 0;
};

// The font of the texts that follow, on painters that can change it.
void select_font(Painter& painter, Font font);

// The headless host's painter: RecordingPainter's lines, and
//   font system|dialog|variable
// for each choice of font.
class RecordingFontPainter : public Painter, public FontChoice {
 public:
  void fill(Rect area, Colour colour) override;
  void frame(Rect area, Colour colour) override;
  void line(int x1, int y1, int x2, int y2, Colour colour) override;
  void text(Rect area, std::string_view text, Colour colour, Align align) override;
  void bitmap(Rect area, std::string_view source) override;
  void select_font(Font font) override;

  const std::vector<std::string>& record() const { return record_; }

 private:
  void keep_last();
  RecordingPainter lines_;
  std::vector<std::string> record_;
};

}  // namespace ui
