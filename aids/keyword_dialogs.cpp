#include "aids/keyword_dialogs.h"

#include <memory>
#include <vector>

#include "aids/aids_state.h"
#include "aids/keyword_commands.h"
#include "aids/keyword_list.h"
#include "aids/keyword_list_window.h"
#include "aids/keyword_search.h"
#include "core/messages.h"
#include "core/text_commands.h"
#include "platform/text.h"
#include "platform/ui/host.h"

namespace aids {
namespace {

constexpr int kPageControls[] = {kSearchKeywordList, kSearchTypeAhead, kSearchTopicList, kSearchKRadio,
                                 kSearchARadio,      kSearchShowTopics, kSearchGoTo};

// The context string of a topics-list item ("title TAB context").
std::string context_of(std::string_view item) {
  size_t tab = item.rfind('\t');
  return std::string(tab == std::string_view::npos ? item : item.substr(tab + 1));
}

void fill_topics(ui::Dialog& dialog, int list, const std::vector<FoundTopic>& topics) {
  dialog.clear_items(list);
  for (const FoundTopic& topic : topics) dialog.add_item(list, topic.list_item());
  if (!topics.empty()) dialog.set_selection(list, 0);
}

// The keyword search, as a dialog of its own or as the finder's page; going
// to a topic hands its context string to go_to.
class KeywordSearch : public ui::DialogProc {
 public:
  using GoTo = std::function<void(ui::Dialog&, const std::string& context)>;
  KeywordSearch(AidsState& state, GoTo go_to) : state_(state), go_to_(std::move(go_to)) {}

  void on_init(ui::Dialog& dialog) override {
    dialog.set_check(kSearchKRadio, 1);
    dialog.set_check(kSearchARadio, 0);
    load(dialog, KeywordKind::k);
  }

  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override {
    const bool clicked = notify == ui::Notify::clicked;
    if (id == kSearchKRadio && clicked) return switch_kind(dialog, KeywordKind::k);
    if (id == kSearchARadio && clicked) return switch_kind(dialog, KeywordKind::a);
    if (id == kSearchTypeAhead && notify == ui::Notify::changed) return type_ahead(dialog);
    if (id == kSearchKeywordList && notify == ui::Notify::selection) keyword_chosen_ = true;
    if ((id == kSearchKeywordList && notify == ui::Notify::double_clicked) || id == kSearchShowTopics)
      return show_topics(dialog);
    if ((id == kSearchTopicList && notify == ui::Notify::double_clicked) || id == kSearchGoTo)
      return go_to(dialog);
    if (id == ui::kIdOk) return keyword_chosen_ ? show_topics(dialog) : go_to(dialog);
    if (id == ui::kIdCancel) dialog.end(0);
  }

  void on_close(ui::Dialog&) override {
    SaveKeywordCache(list_, state_.keywords);
    FreeKeywordList(list_);
  }

 private:
  void load(ui::Dialog& dialog, KeywordKind kind) {
    list_ = {};
    list_.kind = kind;
    if (state_.project_set && !state_.project_path.empty())
      list_ = LoadKeywordList(state_.project_path, true, kind, state_.keywords);
    dialog.clear_items(kSearchKeywordList);
    for (const std::string& entry : list_.entries) dialog.add_item(kSearchKeywordList, entry);
    dialog.clear_items(kSearchTopicList);
    keyword_chosen_ = true;
  }

  void switch_kind(ui::Dialog& dialog, KeywordKind kind) {
    if (kind == list_.kind) return;
    on_close(dialog);
    load(dialog, kind);
  }

  void type_ahead(ui::Dialog& dialog) {
    int index = TypeAheadIndex(list_.entries, dialog.text(kSearchTypeAhead));
    if (index >= 0) dialog.set_selection(kSearchKeywordList, index);
    keyword_chosen_ = true;
  }

  void show_topics(ui::Dialog& dialog) {
    int selected = dialog.selection(kSearchKeywordList);
    if (selected < 0 || selected >= static_cast<int>(list_.entries.size())) return;
    fill_topics(dialog, kSearchTopicList,
                FindTopicsByKeywords(state_.project_path, list_.kind, list_.entries[selected]));
    keyword_chosen_ = false;
  }

  void go_to(ui::Dialog& dialog) {
    int selected = dialog.selection(kSearchTopicList);
    if (selected < 0) return;
    go_to_(dialog, context_of(dialog.item_text(kSearchTopicList, selected)));
  }

  AidsState& state_;
  GoTo go_to_;
  KeywordList list_;
  bool keyword_chosen_ = true;  // OK shows topics until a topic search ran
};

class TopicsFoundDialog : public ui::DialogProc {
 public:
  TopicsFoundDialog(std::vector<FoundTopic> topics, std::string& chosen, bool instruction)
      : topics_(std::move(topics)), chosen_(chosen), instruction_(instruction) {}

  void on_init(ui::Dialog& dialog) override {
    if (!instruction_) dialog.set_text(kFoundInstruction, "");
    fill_topics(dialog, kFoundTopicList, topics_);
  }

  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override {
    if (id == ui::kIdOk || (id == kFoundTopicList && notify == ui::Notify::double_clicked)) {
      int selected = dialog.selection(kFoundTopicList);
      if (selected < 0) return;
      chosen_ = context_of(dialog.item_text(kFoundTopicList, selected));
      dialog.end(1);
    } else if (id == ui::kIdCancel) {
      dialog.end(0);
    }
  }

 private:
  std::vector<FoundTopic> topics_;
  std::string& chosen_;
  bool instruction_;
};

}  // namespace

int ShowKeyList(AidsState& state, std::int32_t window, int which) {
  if (which != 0 && which != 1) return which - 1;
  const std::int32_t owner = core::dialog_owner(state, window);
  if (which == 0) {
    core::KeywordListRequest request;
    request.owner = owner;
    return OpenKeywordList(state, request) != 0 ? 1 : 0;
  }
  WarnIfIndexOutOfDate(state);
  state.keywords.chosen_context.clear();  // a cancelled search leaves no result behind
  KeywordSearch dialog(state, [&state](ui::Dialog& d, const std::string& context) {
    state.keywords.chosen_context = context;
    d.end(1);
  });
  return ui::host().run_modal(core::authoring_module(), "DLG_KEY_SEARCH", dialog, owner) == 1 ? 1 : 0;
}

int ShowTopicsFound(ui::Handle owner, std::vector<FoundTopic> topics, std::string& chosen, bool instruction) {
  TopicsFoundDialog dialog(std::move(topics), chosen, instruction);
  return ui::host().run_modal(core::authoring_module(), "DLG_TOPICS_FND", dialog, owner) == 1 ? 1 : 0;
}

int TestKeywordLink(AidsState& state, std::int32_t window, std::string& keywords, int kind) {
  const std::int32_t owner = core::dialog_owner(state, window);
  while (!keywords.empty() && (keywords.back() == ' ' || keywords.back() == '\t')) keywords.pop_back();
  WarnIfIndexOutOfDate(state);
  std::vector<FoundTopic> topics;
  if (state.project_set && !state.project_path.empty())
    topics = FindTopicsByKeywords(state.project_path, kind == 0 ? KeywordKind::a : KeywordKind::k, keywords);
  std::string chosen;
  if (ShowTopicsFound(owner, std::move(topics), chosen, true) != 1) return 0;
  keywords = core::FixBookmark(chosen);
  return 1;
}

ui::Handle OpenKeywordPage(AidsState& state, ui::Handle parent, std::function<void(const std::string&)> chosen) {
  auto page = std::make_unique<KeywordSearch>(
      state, [chosen = std::move(chosen)](ui::Dialog&, const std::string& context) {
        if (chosen) chosen(context);
      });
  return ui::host().create_modeless(core::authoring_module(), "DLG_KEY_C", std::move(page), parent);
}

void ShowKeywordPage(ui::Handle page, bool shown) {
  ui::Dialog* dialog = ui::host().find_dialog(page);
  if (!dialog) return;
  for (int id : kPageControls) dialog->show(id, shown);
}

std::string KeywordPageChoice(ui::Handle page) {
  ui::Dialog* dialog = ui::host().find_dialog(page);
  if (!dialog) return {};
  int selected = dialog->selection(kSearchTopicList);
  return selected < 0 ? std::string() : context_of(dialog->item_text(kSearchTopicList, selected));
}

}  // namespace aids
