#include "contents/dialogs/entry_drawing.h"

#include <string>

#include "platform/ui/fonts.h"
#include "platform/ui/host.h"

namespace contents {
namespace {

constexpr int kIndent = 30;
constexpr int kMaxDrawnLevel = 10;

// Deeper levels would leave the list; they are drawn at the left edge.
int drawn_level(const CntEntry& entry) {
  if (entry.include || entry.level > kMaxDrawnLevel || entry.level < 1) return 1;
  return entry.level;
}

}  // namespace

const char* entry_bitmap(const CntEntry& entry, int state, DrawMode mode) {
  if (entry.is_topic()) return "TOPIC";
  if (mode == DrawMode::preview && state < 0) return "CLOSED";
  return "OPEN";
}

void draw_entry(ui::Painter& painter, ui::Rect item, const CntEntry& entry, int state, bool selected,
                DrawMode mode) {
  const int indent = kIndent * (drawn_level(entry) - 1);
  painter.fill(item, selected ? kHighlight : kListBackground);
  painter.bitmap({item.x + 5 + indent, item.y + 2, kBitmapSize, kBitmapSize}, entry_bitmap(entry, state, mode));
  const ui::Colour colour = selected ? kHighlightText : entry.include ? kIncludeColour : ui::kBlack;
  const int text_x = item.x + kIndent + indent;
  painter.text({text_x, item.y, item.cx - (text_x - item.x), item.cy}, entry.title(), colour, ui::Align::left);
}

void paint_entry_list(const ui::Dialog& dialog, int list, const ContentsModel& model,
                      const std::vector<size_t>& entries, DrawMode mode, int item_height) {
  ui::host().paint(dialog.handle(), list, [&](ui::Painter& painter) {
    ui::select_font(painter, ui::Font::variable);
    for (size_t row = 0; row < entries.size(); ++row) {
      const size_t index = entries[row];
      if (index >= entry_count(model)) continue;
      const ui::Rect item{0, static_cast<int>(row) * item_height, kItemWidth, item_height};
      draw_entry(painter, item, entry_at(model, index), model.states[index],
                 dialog.item_selected(list, static_cast<int>(row)), mode);
    }
  });
}

}  // namespace contents
