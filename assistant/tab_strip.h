// The "TWTab" tab strip of the main window: two or three labelled tabs drawn
// from bitmaps, the selected one chosen by where the user clicks. Drawing
// goes through a painter the window host provides.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace assistant {

// What the tab strip and the owner-drawn topic list need to draw.
// TODO(painter): replace with the UI host's painter once it exists.
class Painter {
 public:
  enum class Font { normal, panel };
  virtual ~Painter() = default;
  virtual void bitmap(std::string_view name, int x, int y) = 0;
  // Text centred on x, top at y.
  virtual void centred_text(std::string_view text, int x, int y, Font font) = 0;
  // Text starting at x, top at y.
  virtual void text(std::string_view text, int x, int y) = 0;
};

class TabStrip {
 public:
  // labels: "Entry Form;List View"; bitmaps numbered from bitmap_base.
  TabStrip(std::string_view labels, int bitmap_base, int command);

  int selected() const { return selected_; }
  int command() const { return command_; }
  int count() const { return static_cast<int>(labels_.size()); }
  // The tab a click at x selects, for a strip width pixels wide.
  int tab_at(int x, int width) const;
  // Selects a tab; true when that changed the selection (the strip is then
  // repainted and the command sent).
  bool select(int tab);
  // Background, the selected tab's bitmap, and the labels.
  void paint(Painter& painter) const;

 private:
  std::vector<std::string> labels_;
  int bitmap_base_;
  int command_;
  int selected_ = 0;
};

// An item of the topic ID list: the check bitmap for names in use, then the name.
void paint_topic_item(Painter& painter, std::string_view name, bool in_use, int y);

}  // namespace assistant
