// The topic finder "DLG_GOTO" (GotoTopic): a "TWTab" strip with the tabs
// "Topic;Keyword Search;Contents File". The topic tab's page lives in the
// finder's own template: three lists (titles from the keyword database,
// topic IDs, documents), a search, and "Go To", which names the document to
// open and the context string to find in it.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/ui/dialog.h"
#include "project/topics/topic_session.h"

namespace project {
struct ProjectState;
}

namespace project {

inline constexpr std::string_view kFinderTabs = "Topic;Keyword Search;Contents File";
inline constexpr int kTopicTab = 0;
inline constexpr int kFinderTabCount = 3;
// Characters of the stored context string an ID-list line shows.
inline constexpr size_t kFinderContextMax = 69;

// Runs the finder; 1 with the document (lower case, ".doc") and the context
// string, 0 when nothing was chosen.
int GotoTopic(ProjectState& state, std::int32_t window, std::string& document, std::string& context);

// "Topic ID" and "Document" lines: "context\tfile" and "file\tcontext", the
// file without folder and extension; sorted without case.
struct FinderLines {
  std::vector<std::string> id, document;
  std::vector<int> id_topics, document_topics;  // topic number of each line
};
FinderLines finder_lines(const ProjectState& state);

class FinderDialog : public ui::DialogProc {
 public:
  static constexpr int kTabs = 100;
  static constexpr int kShowTitles = 101;
  static constexpr int kShowIds = 102;
  static constexpr int kShowDocuments = 103;
  static constexpr int kTitleList = 104;
  static constexpr int kIdList = 105;
  static constexpr int kDocumentList = 106;
  static constexpr int kSearchText = 107;
  static constexpr int kSearch = 108;
  static constexpr int kFirst = 109;
  static constexpr int kAutoSearch = 110;
  static constexpr int kPageLabel = 111;
  static constexpr int kSearchLabel = 112;

  FinderDialog(ProjectState& state, std::string& document, std::string& context);
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;
  void on_close(ui::Dialog& dialog) override;

 private:
  void show_tab(ui::Dialog& dialog, int tab);
  void show_list(ui::Dialog& dialog, FinderList list);
  void show_current_list(ui::Dialog& dialog);
  int shown_list() const;
  void search(ui::Dialog& dialog, int from);
  void select_first(ui::Dialog& dialog);
  void keep_topic_selected(ui::Dialog& dialog, int from_list);
  void go_to(ui::Dialog& dialog);
  bool take_line(std::string_view line);

  ProjectState& state_;
  std::string& document_;
  std::string& context_;
  FinderLines lines_;
  bool titles_loaded_ = false;
};

}  // namespace project
