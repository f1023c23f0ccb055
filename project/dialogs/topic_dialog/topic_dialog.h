// The topic dialog "DLG_INS_TOPIC" ("Insert Help Topic"): title, context
// string and number, the topic lists with the browse position, the K and A
// keyword lists, and the further options of "&More...".
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "core/aid_hooks.h"
#include "platform/ui/dialog.h"
#include "project/dialogs/topic_dialog/get_topic.h"
#include "resources/trvwck32/topics.h"

namespace project {

class TopicDialog : public ui::DialogProc {
 public:
  static constexpr int kTitle = IDC_INS_TOPIC_TITLE;
  static constexpr int kContext = IDC_INS_TOPIC_CONTEXT;
  static constexpr int kNumber = IDC_INS_TOPIC_NUMBER;
  static constexpr int kBrowseList = IDC_INS_TOPIC_BROWSE_LIST;   // topics by browse position
  static constexpr int kContextList = IDC_INS_TOPIC_CONTEXT_LIST;  // topics by context string
  static constexpr int kShowBrowse = IDC_INS_TOPIC_SHOW_BROWSE;
  static constexpr int kShowContext = IDC_INS_TOPIC_SHOW_CONTEXT;
  static constexpr int kBrowseText = IDC_INS_TOPIC_BROWSE_TEXT;
  static constexpr int kAfter = IDC_INS_TOPIC_AFTER;
  static constexpr int kBefore = IDC_INS_TOPIC_BEFORE;
  static constexpr int kKeywordLine = IDC_INS_TOPIC_KEYWORD_LINE;
  static constexpr int kKeywordTabs = IDC_INS_TOPIC_KEYWORD_TABS;  // "K-Keywords;A-Keywords"
  static constexpr int kKList = IDC_INS_TOPIC_KLIST;
  static constexpr int kAList = IDC_INS_TOPIC_ALIST;
  static constexpr int kAddMain = IDC_INS_TOPIC_ADD_MAIN;
  static constexpr int kAddSub = IDC_INS_TOPIC_ADD_SUB;
  static constexpr int kRemove = IDC_INS_TOPIC_REMOVE;
  static constexpr int kPromote = IDC_INS_TOPIC_PROMOTE;
  static constexpr int kDemote = IDC_INS_TOPIC_DEMOTE;
  static constexpr int kMoveUp = IDC_INS_TOPIC_MOVE_UP;
  static constexpr int kMoveDown = IDC_INS_TOPIC_MOVE_DOWN;
  static constexpr int kGlobalKeywords = IDC_INS_TOPIC_GLOBAL_KEYWORDS;
  static constexpr int kAlias = IDC_INS_TOPIC_ALIAS;
  static constexpr int kMore = IDC_INS_TOPIC_MORE;
  static constexpr int kPopupOnly = IDC_INS_TOPIC_POPUP_ONLY;

  static constexpr size_t kTitleMax = 128;
  static constexpr size_t kContextFieldMax = 68;
  static constexpr size_t kBrowseTextMax = 26;
  static constexpr size_t kKeywordLineMax = 254;

  TopicDialog(ProjectState& state, TopicTexts& texts);
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;

 private:
  // topic_dialog.cpp
  void title_changed(ui::Dialog& dialog);
  void more_options(ui::Dialog& dialog);
  // topic_dialog_lists.cpp
  void fill_topic_lists(ui::Dialog& dialog);
  void show_topic_list(ui::Dialog& dialog, bool by_browse);
  void topic_chosen(ui::Dialog& dialog, int list);
  void propose_browse_text(ui::Dialog& dialog);
  // topic_dialog_keywords.cpp
  void fill_keyword_lists(ui::Dialog& dialog);
  void show_keyword_tab(ui::Dialog& dialog, int tab);
  int keyword_list(const ui::Dialog& dialog) const;
  void add_keyword(ui::Dialog& dialog, bool second_level);
  void remove_keyword(ui::Dialog& dialog);
  void change_level(ui::Dialog& dialog, bool to_main);
  void move_keyword(ui::Dialog& dialog, int step);
  void open_keyword_list(ui::Dialog& dialog);
  void keyword_tab_chosen(ui::Dialog& dialog);
  std::string k_keywords(const ui::Dialog& dialog) const;
  std::string a_keywords(const ui::Dialog& dialog) const;
  // topic_dialog_accept.cpp
  bool accept(ui::Dialog& dialog);
  bool main_keyword_first(ui::Dialog& dialog);
  bool context_acceptable(ui::Dialog& dialog, const std::string& name);
  bool keyword_line_dropped(ui::Dialog& dialog);
  bool browse_text_acceptable(ui::Dialog& dialog);
  bool number_acceptable(ui::Dialog& dialog, long& number);
  bool refuse(ui::Dialog& dialog, std::string_view message, int focus);
  int store(ui::Dialog& dialog, const std::string& name, long number);

  ProjectState& state_;
  TopicTexts& texts_;
  int editing_ = -1;                // topic number of the topic being edited
  std::vector<int> browse_order_;   // topic numbers of the two lists, in list order
  std::vector<int> context_order_;
  int chosen_topic_ = -1;           // the topic last selected in either list
  std::string proposed_context_;    // the context string last made from the title
  std::string entry_macro_, build_tags_, window_;
  // Set while the keyword list window opened from here is open.
  std::shared_ptr<core::KeywordListRequest::Follow> keyword_list_follow_;
};

// "&More...": build tags (a double click on a project tag adds it), entry
// macro and window of the topic.
class TopicMoreDialog : public ui::DialogProc {
 public:
  static constexpr int kBuildTags = IDC_TOPIC_MORE_BUILD_TAGS;
  static constexpr int kProjectTags = IDC_TOPIC_MORE_PROJECT_TAGS;
  static constexpr int kEntryMacro = IDC_TOPIC_MORE_ENTRY_MACRO;
  static constexpr int kWindow = IDC_TOPIC_MORE_WINDOW;

  TopicMoreDialog(const ProjectState& state, std::string& build_tags, std::string& entry_macro,
                  std::string& window);
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;

 private:
  const ProjectState& state_;
  std::string& build_tags_;
  std::string& entry_macro_;
  std::string& window_;
};

}  // namespace project
