#include <cstdio>

#include "platform/ui/painter.h"
#include "platform/ui/transcript.h"

namespace ui {

namespace {

std::string numbers(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out += std::to_string(v) + " ";
  return out;
}

std::string colour_text(Colour colour) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%06X", static_cast<unsigned>(colour & 0xFFFFFF));
  return buffer;
}

std::string area_text(Rect a) { return numbers({a.x, a.y, a.cx, a.cy}); }

std::string_view align_name(Align align) {
  switch (align) {
    case Align::left: return "left";
    case Align::centre: return "centre";
    case Align::right: return "right";
  }
  return "left";
}

}  // namespace

void RecordingPainter::fill(Rect area, Colour colour) {
  record_.push_back("fill " + area_text(area) + colour_text(colour));
}

void RecordingPainter::frame(Rect area, Colour colour) {
  record_.push_back("frame " + area_text(area) + colour_text(colour));
}

void RecordingPainter::line(int x1, int y1, int x2, int y2, Colour colour) {
  record_.push_back("line " + numbers({x1, y1, x2, y2}) + colour_text(colour));
}

void RecordingPainter::text(Rect area, std::string_view text, Colour colour, Align align) {
  record_.push_back("text " + area_text(area) + colour_text(colour) + " " +
                    std::string(align_name(align)) + " " + detail::quote(text));
}

void RecordingPainter::bitmap(Rect area, std::string_view source) {
  record_.push_back("bitmap " + area_text(area) + detail::quote(source));
}

}  // namespace ui
