// The topic dialog's K and A keyword lists. K keywords may have a second
// level in Windows 95 projects: such an item is a TAB and its text, and
// belongs to the main keyword above it.
#include "project/project_state.h"
#include "core/messages.h"
#include "platform/text.h"
#include "project/dialogs/topic_dialog/topic_dialog.h"

namespace project {
namespace {

constexpr int kKTab = 0;
constexpr int kATab = 1;
constexpr int kMsgSemicolon = 10011;

bool second_level(std::string_view item) { return !item.empty() && item.front() == '\t'; }

std::vector<std::string> items_of(const ui::Dialog& dialog, int list) {
  std::vector<std::string> items;
  for (int i = 0; i < dialog.item_count(list); ++i) items.push_back(dialog.item_text(list, i));
  return items;
}

// Where a new keyword goes: after a selected main keyword, in the place of a
// selected second-level one, at the end when nothing or the last item is
// selected.
int main_insert_position(const ui::Dialog& dialog, int list) {
  int selected = dialog.selection(list);
  int count = dialog.item_count(list);
  if (selected < 0 || selected == count - 1) return count;
  return second_level(dialog.item_text(list, selected)) ? selected : selected + 1;
}

}  // namespace

void TopicDialog::fill_keyword_lists(ui::Dialog& dialog) {
  const bool win95 = state_.win95_compiler != 0;
  std::string last_main;
  for (const std::string& piece : text::split(texts_.k_keywords, ';')) {
    std::string keyword(text::trim(piece));
    if (keyword.empty()) continue;
    size_t colon = keyword.find(": ");
    if (win95 && colon != std::string::npos && colon > 0) {
      std::string main(text::trim(keyword.substr(0, colon)));
      if (!text::iequals(main, last_main)) dialog.add_item(kKList, main);
      last_main = main;
      dialog.add_item(kKList, "\t" + std::string(text::trim(keyword.substr(colon + 2))));
      continue;
    }
    dialog.add_item(kKList, keyword);
    last_main = keyword;
  }
  for (const std::string& piece : text::split(texts_.a_keywords, ';')) {
    std::string_view keyword = text::trim(piece);
    if (!keyword.empty()) dialog.add_item(kAList, keyword);
  }
  dialog.set_text(kKeywordTabs, "K-Keywords;A-Keywords");
  if (!win95) {
    dialog.set_text(kAddMain, "&Add >>");
    for (int id : {kAddSub, kPromote, kDemote, kMoveUp, kMoveDown}) dialog.show(id, false);
  }
  show_keyword_tab(dialog, kKTab);
}

void TopicDialog::show_keyword_tab(ui::Dialog& dialog, int tab) {
  if (tab != kATab) tab = kKTab;
  if (dialog.selection(kKeywordTabs) != tab) dialog.set_selection(kKeywordTabs, tab);
  dialog.show(kKList, tab == kKTab);
  dialog.show(kAList, tab == kATab);
  // Second-level keywords are K keywords only.
  for (int id : {kAddSub, kPromote, kDemote}) dialog.enable(id, tab == kKTab);
}

// The keyword list adds to the keyword list of the tab shown; switching its
// kind switches the tab.
void TopicDialog::open_keyword_list(ui::Dialog& dialog) {
  if (!state_.aid_hooks.open_keyword_list) return;
  core::KeywordListRequest request;
  request.owner = dialog.handle();
  request.target_window = dialog.handle();
  request.target_control = keyword_list(dialog);
  request.a_kind = request.target_control == kAList;
  request.enable_after_add = kRemove;
  request.kind_changed = [this, &dialog](bool a_kind) {
    show_keyword_tab(dialog, a_kind ? kATab : kKTab);
    return a_kind ? kAList : kKList;
  };
  keyword_list_follow_ = std::make_shared<core::KeywordListRequest::Follow>();
  request.follow = keyword_list_follow_;
  state_.aid_hooks.open_keyword_list(request);
}

// An open keyword list follows the tab, so its keywords go to the list shown
// rather than the one it was opened for.
void TopicDialog::keyword_tab_chosen(ui::Dialog& dialog) {
  show_keyword_tab(dialog, dialog.selection(kKeywordTabs));
  const int list = keyword_list(dialog);
  if (keyword_list_follow_ && *keyword_list_follow_) (*keyword_list_follow_)(list == kAList, list);
}

int TopicDialog::keyword_list(const ui::Dialog& dialog) const {
  return dialog.selection(kKeywordTabs) == kATab ? kAList : kKList;
}

void TopicDialog::add_keyword(ui::Dialog& dialog, bool sub) {
  std::string keyword(text::trim(text::cut(dialog.text(kKeywordLine), kKeywordLineMax)));
  if (keyword.empty()) return;
  if (keyword.find(';') != std::string::npos) {
    core::show_message(state_, core::resource_string(kMsgSemicolon), ui::kMbOk | ui::kMbIconStop);
    dialog.set_focus(kKeywordLine);
    return;
  }
  const int list = keyword_list(dialog);
  if (sub && list != kKList) return;
  const std::string item = sub ? "\t" + keyword : keyword;
  int existing = dialog.find_item(list, item);
  if (existing >= 0) {
    dialog.set_selection(list, existing);
    return;
  }
  int selected = dialog.selection(list);
  int at = sub ? (selected < 0 ? dialog.item_count(list) : selected + 1) : main_insert_position(dialog, list);
  dialog.set_selection(list, dialog.insert_item(list, at, item));
  dialog.set_text(kKeywordLine, "");
  dialog.set_focus(kKeywordLine);
}

void TopicDialog::remove_keyword(ui::Dialog& dialog) {
  const int list = keyword_list(dialog);
  int selected = dialog.selection(list);
  if (selected < 0) return;
  std::string item = dialog.item_text(list, selected);
  dialog.set_text(kKeywordLine, second_level(item) ? item.substr(1) : item);
  dialog.delete_item(list, selected);
  dialog.set_focus(kKeywordLine);
}

void TopicDialog::change_level(ui::Dialog& dialog, bool to_main) {
  if (keyword_list(dialog) != kKList) return;
  int selected = dialog.selection(kKList);
  if (selected < 0) return;
  std::string item = dialog.item_text(kKList, selected);
  if (second_level(item) != to_main) return;
  item = to_main ? item.substr(1) : "\t" + item;
  dialog.delete_item(kKList, selected);
  dialog.insert_item(kKList, selected, item);
  dialog.set_selection(kKList, selected);
}

void TopicDialog::move_keyword(ui::Dialog& dialog, int step) {
  const int list = keyword_list(dialog);
  int selected = dialog.selection(list);
  int target = selected + step;
  if (selected < 0 || target < 0 || target >= dialog.item_count(list)) return;
  std::string item = dialog.item_text(list, selected);
  dialog.delete_item(list, selected);
  dialog.insert_item(list, target, item);
  dialog.set_selection(list, target);
}

// "main; main: second; other", each second-level item after its main keyword.
std::string TopicDialog::k_keywords(const ui::Dialog& dialog) const {
  std::string out, main;
  for (const std::string& item : items_of(dialog, kKList)) {
    if (!out.empty()) out += "; ";
    if (second_level(item)) {
      out += main + ": " + item.substr(1);
    } else {
      main = item;
      out += item;
    }
  }
  return out;
}

std::string TopicDialog::a_keywords(const ui::Dialog& dialog) const {
  std::string out;
  for (const std::string& item : items_of(dialog, kAList)) {
    if (!out.empty()) out += ";";
    out += item;
  }
  return out;
}

}  // namespace project
