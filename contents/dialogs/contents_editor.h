// The contents file editor "DLG_CNT" / "DLG_CNT_B" (EditContents): the
// project's topics on the left, the owner-drawn contents list on the right,
// the header values below. OK writes the project's ".cnt".
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "aids/related_dialogs.h"
#include "contents/contents_edit.h"
#include "contents/contents_session.h"
#include "platform/ui/dialog.h"
#include "platform/ui/keys.h"
#include "resources/trvwck32/contents.h"
#include "formats/help_contexts.h"

namespace project {
struct ProjectState;
class TopicTable;
}

namespace contents {

inline constexpr int kContentsEditorHelp = help_contexts::kContentsEditor;

// The large layout needs a screen at least 745 pixels wide on which 100
// horizontal dialog base units fit.
bool use_large_layout(int screen_width, int dialog_base_unit_x = 8);

// Shows the editor modally; always 1.
int EditContents(project::ProjectState& state, ContentsSession& session, std::int32_t window);

// A topic the topic list offers: its title (or "# {context}") and context.
struct TopicChoice {
  std::string title;
  std::string context;
};
// The project's listed topics with their titles from the keyword database,
// in the topic table's order, or sorted by title without case.
std::vector<TopicChoice> topic_choices(const project::ProjectState& state, bool sorted);
// The same for the topics of the project at project_path (its keyword
// database gives the titles).
std::vector<TopicChoice> topic_choices(const project::TopicTable& table, std::string_view project_path, bool sorted);

class ContentsEditor : public ui::DialogProc, public aids::RelatedProjectsOwner, public ui::KeyHook {
 public:
  static constexpr int kTopics = IDC_CNT_TOPICS;
  static constexpr int kEntries = IDC_CNT_ENTRIES;
  static constexpr int kBookText = IDC_CNT_BOOK_TEXT;
  static constexpr int kAddBook = IDC_CNT_ADD_BOOK;
  static constexpr int kSort = IDC_CNT_SORT;
  static constexpr int kAddTopic = IDC_CNT_ADD_TOPIC;
  static constexpr int kDelete = IDC_CNT_DELETE;
  static constexpr int kDefaultWindow = IDC_CNT_DEFAULT_WINDOW;
  static constexpr int kIndexLinks = IDC_CNT_INDEX_LINKS;
  static constexpr int kTitle = IDC_CNT_TITLE;
  static constexpr int kEdit = IDC_CNT_EDIT;
  static constexpr int kTopicWindow = IDC_CNT_TOPIC_WINDOW;
  static constexpr int kAddMacro = IDC_CNT_ADD_MACRO;
  static constexpr int kHelpFile = IDC_CNT_HELP_FILE;
  static constexpr int kPath = IDC_CNT_PATH;
  static constexpr int kRelated = IDC_CNT_RELATED;
  static constexpr int kShiftLeft = IDC_CNT_SHIFT_LEFT;
  static constexpr int kLevelOne = IDC_CNT_LEVEL_ONE;
  static constexpr int kShiftRight = IDC_CNT_SHIFT_RIGHT;
  static constexpr int kMoveUp = IDC_CNT_MOVE_UP;
  static constexpr int kMoveDown = IDC_CNT_MOVE_DOWN;
  static constexpr int kHelp = IDC_CNT_HELP;

  ContentsEditor(project::ProjectState& state, ContentsSession& session);
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;
  void on_close(ui::Dialog& dialog) override;
  // In the contents list Left and Right shift the selected entries and
  // Delete deletes them, as the buttons do.
  bool on_key(ui::Dialog& dialog, int id, ui::KeyPress key) override;

  // The related-projects list shows another project's topics here; the
  // editor has no box for an unlisted help file.
  void load_targets(std::string_view project_path) override;
  bool other_file() const override { return false; }
  void clear_other_file() override {}
  void set_unlisted(bool) override {}
  bool cancelled() const override { return cancelled_; }

 private:
  // Lists
  void fill_topics(ui::Dialog& dialog);
  void fill_windows(ui::Dialog& dialog, int id);
  void show_header(ui::Dialog& dialog);
  void refill_entries(ui::Dialog& dialog, const Selection& selection);
  void repaint(ui::Dialog& dialog);
  Selection selected_entries(const ui::Dialog& dialog) const;
  void enable_buttons(ui::Dialog& dialog);
  // Actions
  void add_book(ui::Dialog& dialog);
  void add_topics(ui::Dialog& dialog);
  void add_macro(ui::Dialog& dialog);
  void edit(ui::Dialog& dialog);
  void remove(ui::Dialog& dialog);
  void shift(ui::Dialog& dialog, int by);
  void level_one(ui::Dialog& dialog);
  void move(ui::Dialog& dialog, Direction direction);
  void index_links(ui::Dialog& dialog);
  void accept(ui::Dialog& dialog);
  void close(ui::Dialog& dialog, int result);

  project::ProjectState& state_;
  ContentsSession& session_;
  ContentsModel& model_;
  std::string path_;
  std::vector<TopicChoice> topics_;
  ui::Handle handle_ = 0;
  int item_height_ = 0;
  bool cancelled_ = false;
  // The project whose topics the topic list shows; empty for the current one.
  std::string topics_project_;
};

}  // namespace contents
