// The painter: what owner-drawn list items and preview windows draw with.
// Coordinates are dialog units inside the painted area, colours are colour
// values with red in the low byte. A host draws them on screen; the
// headless host records them (RecordingPainter) for tests to compare.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

using Colour = std::uint32_t;
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;

// A rectangle: left, top, width and height.
struct Rect {
  int x = 0, y = 0, cx = 0, cy = 0;
};

enum class Align { left, centre, right };

class Painter {
 public:
  virtual ~Painter() = default;
  // The rectangle filled with colour.
  virtual void fill(Rect area, Colour colour) = 0;
  // A one-unit outline just inside the rectangle.
  virtual void frame(Rect area, Colour colour) = 0;
  virtual void line(int x1, int y1, int x2, int y2, Colour colour) = 0;
  // One line of text on a transparent background, aligned in the rectangle
  // and clipped to it.
  virtual void text(Rect area, std::string_view text, Colour colour, Align align) = 0;
  // A bitmap (a host path or a bitmap resource name) stretched into the
  // rectangle.
  virtual void bitmap(Rect area, std::string_view source) = 0;
};

using PaintFn = std::function<void(Painter&)>;

// Keeps every painting call as one line:
//   fill X Y CX CY 0xBBGGRR
//   frame X Y CX CY 0xBBGGRR
//   line X1 Y1 X2 Y2 0xBBGGRR
//   text X Y CX CY 0xBBGGRR left|centre|right "TEXT"
//   bitmap X Y CX CY "SOURCE"
class RecordingPainter : public Painter {
 public:
  void fill(Rect area, Colour colour) override;
  void frame(Rect area, Colour colour) override;
  void line(int x1, int y1, int x2, int y2, Colour colour) override;
  void text(Rect area, std::string_view text, Colour colour, Align align) override;
  void bitmap(Rect area, std::string_view source) override;

  const std::vector<std::string>& record() const { return record_; }

 private:
  std::vector<std::string> record_;
};

}  // namespace ui
