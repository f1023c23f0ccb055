// The "TWTab" tab strip of the main window: two or three labelled tabs drawn
// from bitmaps, the selected one chosen by where the user clicks. Drawing
// goes through the painter of the window host.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/fonts.h"
#include "platform/ui/painter.h"

namespace assistant {

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
  // Background, the selected tab's bitmap, and the labels (the selected one
  // in the dialog's font).
  void paint(ui::Painter& painter) const;

 private:
  std::vector<std::string> labels_;
  int bitmap_base_;
  int command_;
  int selected_ = 0;
};

// An item of the topic ID list in its rectangle: the check bitmap for names
// in use, then the name.
void paint_topic_item(ui::Painter& painter, std::string_view name, bool in_use, ui::Rect item);

}  // namespace assistant
