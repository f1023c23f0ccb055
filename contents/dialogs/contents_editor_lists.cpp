// The editor's lists: the topics on offer, the window lists, the header
// fields and the owner-drawn contents list with its selection.
#include <algorithm>
#include <map>

#include "aids/related_targets.h"
#include "contents/dialogs/contents_editor.h"
#include "contents/dialogs/entry_drawing.h"
#include "core/project_paths.h"
#include "platform/text.h"
#include "project/project_state.h"
#include "project/topics/context_strings.h"
#include "project/topics/topic_titles.h"

namespace contents {
namespace {

constexpr std::string_view kMainWindow = "main";

// Context string (lower case) to title, from the keyword database's entries.
std::map<std::string, std::string> titles_by_context(std::string_view project_path) {
  std::map<std::string, std::string> titles;
  for (const std::string& entry : project::keyword_database_titles(core::companion_file(project_path, ".kdb"))) {
    const std::string_view context = project::title_entry_context(entry);
    if (context.empty()) continue;
    titles.emplace(text::to_lower(context), entry.substr(0, entry.size() - context.size() - 1));
  }
  return titles;
}

}  // namespace

std::vector<TopicChoice> topic_choices(const project::ProjectState& state, bool sorted) {
  return topic_choices(state.data.topics, state.project_path, sorted);
}

std::vector<TopicChoice> topic_choices(const project::TopicTable& table, std::string_view project_path, bool sorted) {
  const auto titles = titles_by_context(project_path);
  std::vector<TopicChoice> out;
  for (int i = 0; i < table.count(); ++i) {
    if (!project::listed_topic(table[i])) continue;
    const std::string context(table[i].name());
    const auto title = titles.find(text::to_lower(context));
    out.push_back({title != titles.end() ? title->second : "# {" + context + "}", context});
  }
  if (sorted) {
    std::stable_sort(out.begin(), out.end(), [](const TopicChoice& a, const TopicChoice& b) {
      return text::to_lower(a.title) < text::to_lower(b.title);
    });
  }
  return out;
}

void ContentsEditor::fill_topics(ui::Dialog& dialog) {
  const bool sorted = dialog.check(kSort) == 1;
  topics_ = topics_project_.empty()
                ? topic_choices(state_, sorted)
                : topic_choices(aids::project_topics(state_, topics_project_), topics_project_, sorted);
  dialog.clear_items(kTopics);
  for (size_t i = 0; i < topics_.size(); ++i)
    dialog.set_item_data(kTopics, dialog.add_item(kTopics, topics_[i].title), static_cast<std::int32_t>(i));
}

// "main" first, then the project's other windows.
void ContentsEditor::fill_windows(ui::Dialog& dialog, int id) {
  dialog.clear_items(id);
  dialog.add_item(id, kMainWindow);
  for (const auto& window : state_.data.windows)
    if (!text::iequals(window.name, kMainWindow)) dialog.add_item(id, window.name);
}

void ContentsEditor::show_header(ui::Dialog& dialog) {
  const formats::CntFile& file = model_.file;
  dialog.set_text(kTitle, file.title);
  if (!file.base.empty()) dialog.set_text(kHelpFile, file.base);
  const int window = file.default_window.empty() ? -1 : dialog.find_item(kDefaultWindow, file.default_window);
  if (window >= 0) dialog.set_selection(kDefaultWindow, window);
  dialog.set_text(kDefaultWindow, file.default_window);
}

// The list holds one item per entry (the entry line); the painter draws it.
void ContentsEditor::refill_entries(ui::Dialog& dialog, const Selection& selection) {
  dialog.clear_items(kEntries);
  for (size_t i = 0; i < entry_count(model_); ++i) dialog.add_item(kEntries, entry_at(model_, i).line());
  for (const size_t index : selection) dialog.select_item(kEntries, static_cast<int>(index), true);
  enable_buttons(dialog);
  repaint(dialog);
}

void ContentsEditor::repaint(ui::Dialog& dialog) {
  std::vector<size_t> all(entry_count(model_));
  for (size_t i = 0; i < all.size(); ++i) all[i] = i;
  paint_entry_list(dialog, kEntries, model_, all, DrawMode::editor, item_height_);
}

Selection ContentsEditor::selected_entries(const ui::Dialog& dialog) const {
  Selection out;
  for (int i = 0; i < dialog.item_count(kEntries); ++i)
    if (dialog.item_selected(kEntries, i)) out.push_back(static_cast<size_t>(i));
  return out;
}

void ContentsEditor::enable_buttons(ui::Dialog& dialog) {
  dialog.enable(kAddBook, !dialog.text(kBookText).empty());
  dialog.enable(kDelete, entry_count(model_) > 0);
}

}  // namespace contents
