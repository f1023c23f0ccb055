// The topic finder "DLG_GOTO" (GotoTopic): a "TWTab" strip with the tabs
// "Topic;Keyword Search;Contents File". The topic tab's page lives in the
// finder's own template: three lists (titles from the keyword database,
// topic IDs, documents), a search, and "Go To", which names the document to
// open and the context string to find in it.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/dialog.h"
#include "project/topics/topic_session.h"
#include "resources/trvwck32/topics.h"

namespace project {
struct ProjectState;
}

namespace project {

inline constexpr std::string_view kFinderTabs = "Topic;Keyword Search;Contents File";
inline constexpr int kTopicTab = 0;
inline constexpr int kContentsTab = 2;
inline constexpr int kKeywordTab = 1;
inline constexpr int kFinderTabCount = 3;
// Characters of the stored context string an ID-list line shows.
inline constexpr size_t kFinderContextMax = 69;

// What a page of the finder made elsewhere in the library (the contents
// preview) may ask of the finder: a new caption, or to go to a topic.
struct FinderPageHooks {
  std::function<void(std::string_view caption)> set_caption;
  std::function<void(std::string_view context)> go_to;
};
// Makes such a page's procedure; the finder shows it on entering its tab
// and closes it on leaving.
using FinderPageMaker = std::function<std::unique_ptr<ui::DialogProc>(FinderPageHooks hooks)>;
struct FinderPages {
  FinderPageMaker contents;  // "DLG_CNT_C"
};

// Runs the finder; 1 with the document (lower case, ".doc") and the context
// string, 0 when nothing was chosen.
int GotoTopic(ProjectState& state, std::int32_t window, std::string& document, std::string& context,
              const FinderPages& pages = {});

// "Topic ID" and "Document" lines: "context\tfile" and "file\tcontext", the
// file without folder and extension; sorted without case.
struct FinderLines {
  std::vector<std::string> id, document;
  std::vector<int> id_topics, document_topics;  // topic number of each line
};
FinderLines finder_lines(const ProjectState& state);

class FinderDialog : public ui::DialogProc {
 public:
  static constexpr int kTabs = IDC_GOTO_TABS;
  static constexpr int kShowTitles = IDC_GOTO_SHOW_TITLES;
  static constexpr int kShowIds = IDC_GOTO_SHOW_IDS;
  static constexpr int kShowDocuments = IDC_GOTO_SHOW_DOCUMENTS;
  static constexpr int kTitleList = IDC_GOTO_TITLE_LIST;
  static constexpr int kIdList = IDC_GOTO_ID_LIST;
  static constexpr int kDocumentList = IDC_GOTO_DOCUMENT_LIST;
  static constexpr int kSearchText = IDC_GOTO_SEARCH_TEXT;
  static constexpr int kSearch = IDC_GOTO_SEARCH;
  static constexpr int kFirst = IDC_GOTO_FIRST;
  static constexpr int kAutoSearch = IDC_GOTO_AUTO_SEARCH;
  static constexpr int kPageLabel = IDC_GOTO_PAGE_LABEL;
  static constexpr int kSearchLabel = IDC_GOTO_SEARCH_LABEL;

  FinderDialog(ProjectState& state, std::string& document, std::string& context, FinderPages pages = {});
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
  void show_contents_page(ui::Dialog& dialog, bool on);
  void go_to_contents_topic(ui::Dialog& dialog, std::string_view context);
  bool take_line(std::string_view line, bool by_document);
  bool go_to_context(ui::Dialog& dialog, std::string_view context);
  void show_keyword_page(ui::Dialog& dialog, bool shown);

  ProjectState& state_;
  std::string& document_;
  std::string& context_;
  FinderLines lines_;
  bool titles_loaded_ = false;
  FinderPages pages_;
  ui::Handle contents_page_ = 0;
  ui::Handle keyword_page_ = 0;
};

}  // namespace project
