// The topic dialog "DLG_INS_TOPIC" ("Insert Help Topic"): title, context
// string and number, the topic lists with the browse position, the K and A
// keyword lists, and the further options of "&More...".
#pragma once
#include <string>
#include <vector>

#include "platform/ui/dialog.h"
#include "project/dialogs/topic_dialog/get_topic.h"

namespace project {

class TopicDialog : public ui::DialogProc {
 public:
  static constexpr int kTitle = 101;
  static constexpr int kContext = 102;
  static constexpr int kNumber = 103;
  static constexpr int kBrowseList = 104;   // topics by browse position
  static constexpr int kContextList = 105;  // topics by context string
  static constexpr int kShowBrowse = 106;
  static constexpr int kShowContext = 107;
  static constexpr int kBrowseText = 108;
  static constexpr int kAfter = 109;
  static constexpr int kBefore = 110;
  static constexpr int kKeywordLine = 111;
  static constexpr int kKeywordTabs = 112;  // "K-Keywords;A-Keywords"
  static constexpr int kKList = 113;
  static constexpr int kAList = 114;
  static constexpr int kAddMain = 115;
  static constexpr int kAddSub = 116;
  static constexpr int kRemove = 117;
  static constexpr int kPromote = 118;
  static constexpr int kDemote = 119;
  static constexpr int kMoveUp = 120;
  static constexpr int kMoveDown = 121;
  static constexpr int kGlobalKeywords = 122;
  static constexpr int kAlias = 123;
  static constexpr int kMore = 124;
  static constexpr int kPopupOnly = 125;

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
};

// "&More...": build tags (a double click on a project tag adds it), entry
// macro and window of the topic.
class TopicMoreDialog : public ui::DialogProc {
 public:
  static constexpr int kBuildTags = 101;
  static constexpr int kProjectTags = 102;
  static constexpr int kEntryMacro = 103;
  static constexpr int kWindow = 104;

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
