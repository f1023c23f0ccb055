#include "contents/outline_list.h"

#include "contents/outline_entries.h"

namespace contents {
namespace {

constexpr int kIndent = 30;
constexpr int kPictureSize = 16;

const char* picture_of(const CntEntry& entry) {
  switch (outline_kind(entry)) {
    case OutlineKind::document: return "DOC";
    case OutlineKind::external_document: return "EXDOC";
    default: return "BUL";
  }
}

// Levels the list cannot indent to are drawn at the left.
int drawn_level(int level) { return level >= 1 && level <= kOutlineDeepest ? level : 1; }

}  // namespace

ui::Font outline_font(int level) {
  if (level == 2) return ui::Font::system;
  if (level == 3) return ui::Font::dialog;
  return ui::Font::variable;
}

std::string outline_item_title(const CntEntry& entry) {
  std::string title(entry.title());
  if (outline_kind(entry) == OutlineKind::external_document) title += " (external document)";
  return title;
}

void draw_outline(ui::Painter& painter, const ContentsModel& model, const std::vector<bool>& selected, int width,
                  int item_height) {
  for (size_t i = 0; i < entry_count(model); ++i) {
    const auto& entry = entry_at(model, i);
    const int top = static_cast<int>(i) * item_height;
    const int indent = kIndent * (drawn_level(entry.level) - 1);
    const bool chosen = i < selected.size() && selected[i];
    painter.fill({0, top, width, item_height}, chosen ? kHighlight : kOutlineBackground);
    painter.bitmap({5 + indent, top + 2, kPictureSize, kPictureSize}, picture_of(entry));
    ui::select_font(painter, outline_font(entry.level));
    painter.text({kIndent + indent, top, width - kIndent - indent, item_height}, outline_item_title(entry),
                 chosen ? kHighlightText : ui::kBlack, ui::Align::left);
  }
}

}  // namespace contents
