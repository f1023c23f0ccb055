#include "aids/keyword_list_window.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "aids/aids_state.h"
#include "aids/keyword_commands.h"
#include "aids/keyword_dialogs.h"
#include "aids/keyword_list.h"
#include "aids/keyword_search.h"
#include "core/messages.h"
#include "core/settings.h"
#include "platform/text.h"
#include "platform/ui/host.h"

namespace aids {
namespace {

constexpr std::string_view kKeyPos = "Key Pos";
constexpr int kKeyPosSize = 30;

class KeywordListWindow : public ui::DialogProc {
 public:
  KeywordListWindow(AidsState& state, core::KeywordListRequest request)
      : state_(state), request_(std::move(request)) {}

  void on_init(ui::Dialog& dialog) override {
    const KeywordKind kind = request_.a_kind ? KeywordKind::a : KeywordKind::k;
    dialog.set_check(kListK, kind == KeywordKind::k ? 1 : 0);
    dialog.set_check(kListA, kind == KeywordKind::a ? 1 : 0);
    dialog.set_caption(kind == KeywordKind::a ? "A Keywords" : "K Keywords");
    if (auto rect = ParseKeyPos(core::read_setting(kKeyPos, "", kKeyPosSize)))
      ui::host().set_window_rect(dialog.handle(), *rect);
    const ui::WindowRect now = ui::host().window_rect(dialog.handle());
    on_size(dialog, now.cx, now.cy);
    load(dialog, kind);
    if (request_.follow) {
      *request_.follow = [this, window = dialog.handle()](bool a_kind, int target_control) {
        if (ui::Dialog* self = ui::host().find_dialog(window)) follow_owner(*self, a_kind, target_control);
      };
    }
  }

  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override {
    const bool clicked = notify == ui::Notify::clicked;
    if (id == kListK && clicked) return switch_kind(dialog, KeywordKind::k);
    if (id == kListA && clicked) return switch_kind(dialog, KeywordKind::a);
    if (id == kListTypeAhead && notify == ui::Notify::changed) return type_ahead(dialog);
    if (id == kListKeywords && notify == ui::Notify::selection) return enable_buttons(dialog);
    if ((id == kListKeywords && notify == ui::Notify::double_clicked) || id == kListAdd) return add(dialog);
    if (id == kListShowTopics) return show_topics(dialog);
    if (id == ui::kIdCancel || id == ui::kIdOk) dialog.end(0);
  }

  void on_size(ui::Dialog& dialog, int width, int height) override {
    const KeywordListLayout layout = LayOutKeywordList(width, height);
    dialog.move_control(kListTypeAhead, layout.type_ahead);
    dialog.move_control(kListKeywords, layout.keywords);
    dialog.move_control(kListShowTopics, layout.show_topics);
  }

  void on_close(ui::Dialog& dialog) override {
    if (request_.follow) *request_.follow = nullptr;
    core::write_setting(kKeyPos, FormatKeyPos(ui::host().window_rect(dialog.handle())));
    SaveKeywordCache(list_, state_.keywords);
    FreeKeywordList(list_);
    if (request_.closed) request_.closed();
  }

 private:
  void load(ui::Dialog& dialog, KeywordKind kind) {
    list_ = {};
    list_.kind = kind;
    if (state_.project_set && !state_.project_path.empty())
      list_ = LoadKeywordList(state_.project_path, true, kind, state_.keywords);
    dialog.clear_items(kListKeywords);
    for (const std::string& entry : list_.entries) dialog.add_item(kListKeywords, entry);
    enable_buttons(dialog);
  }

  // The user switched the kind here: the owner is told, and names the
  // control the keywords of that kind go to.
  void switch_kind(ui::Dialog& dialog, KeywordKind kind) {
    if (!reload(dialog, kind)) return;
    if (!request_.kind_changed) return;
    if (int control = request_.kind_changed(kind == KeywordKind::a); control != 0) request_.target_control = control;
  }

  // The owner switched its own kind: the list shows that kind and adds to the
  // owner's control for it. The owner is not told back.
  void follow_owner(ui::Dialog& dialog, bool a_kind, int target_control) {
    if (target_control != 0) request_.target_control = target_control;
    const KeywordKind kind = a_kind ? KeywordKind::a : KeywordKind::k;
    dialog.set_check(kListK, kind == KeywordKind::k ? 1 : 0);
    dialog.set_check(kListA, kind == KeywordKind::a ? 1 : 0);
    reload(dialog, kind);
  }

  // False when the list already shows that kind.
  bool reload(ui::Dialog& dialog, KeywordKind kind) {
    if (kind == list_.kind) return false;
    SaveKeywordCache(list_, state_.keywords);
    FreeKeywordList(list_);
    load(dialog, kind);
    dialog.set_caption(kind == KeywordKind::a ? "A-Keywords" : "K-Keywords");
    return true;
  }

  void type_ahead(ui::Dialog& dialog) {
    int index = TypeAheadIndex(list_.entries, dialog.text(kListTypeAhead));
    if (index >= 0) dialog.set_selection(kListKeywords, index);
    enable_buttons(dialog);
  }

  int selected(const ui::Dialog& dialog) const {
    int at = dialog.selection(kListKeywords);
    return at >= 0 && at < static_cast<int>(list_.entries.size()) ? at : -1;
  }

  // Adding needs a keyword and a target to add it to.
  void enable_buttons(ui::Dialog& dialog) {
    const bool chosen = selected(dialog) >= 0;
    dialog.enable(kListAdd, chosen && request_.target_window != 0);
    dialog.enable(kListShowTopics, chosen);
  }

  void show_topics(ui::Dialog& dialog) {
    int at = selected(dialog);
    if (at < 0) return;
    std::string chosen;
    ShowTopicsFound(dialog.handle(), FindTopicsByKeywords(state_.project_path, list_.kind, list_.entries[at]),
                    chosen, false);
  }

  void add(ui::Dialog& dialog) {
    int at = selected(dialog);
    // The target may have closed while the list stayed open.
    ui::Dialog* target = request_.target_window ? ui::host().find_dialog(request_.target_window) : nullptr;
    if (at < 0 || !target || target->ended()) return;
    const std::string& keyword = list_.entries[at];
    if (request_.target_control == kListEditTarget) return append_to_edit(*target, keyword);
    add_to_list(*target, keyword);
  }

  void append_to_edit(ui::Dialog& target, const std::string& keyword) {
    std::string text = target.text(kListEditTarget);
    if (!text::trim(text).empty()) text += ";";
    target.set_text(kListEditTarget, text + keyword);
  }

  void add_to_list(ui::Dialog& target, const std::string& keyword) {
    const int list = request_.target_control;
    if (int existing = target.find_item(list, keyword); existing >= 0) return target.set_selection(list, existing);
    const size_t colon = keyword.find(':');
    const bool two_levels = state_.win95_compiler != 0 && list_.kind == KeywordKind::k;
    if (two_levels && colon != std::string::npos && colon > 0) {
      add_second_level(target, keyword.substr(0, colon), keyword.substr(colon + 1));
    } else {
      target.set_selection(list, target.add_item(list, keyword));
    }
    if (request_.enable_after_add != 0) target.enable(request_.enable_after_add, true);
  }

  // "main:sub" goes in as the main entry (added when missing) and, directly
  // after it, the sub-keyword as a TAB-led entry.
  void add_second_level(ui::Dialog& target, const std::string& main, std::string sub) {
    const int list = request_.target_control;
    if (!sub.empty() && sub.front() == ' ') sub.erase(0, 1);
    int main_at = target.find_item(list, main);
    if (main_at < 0) main_at = target.add_item(list, main);
    const std::string entry = "\t" + sub;
    for (int i = main_at + 1; i < target.item_count(list); ++i) {
      const std::string item = target.item_text(list, i);
      if (item.empty() || item.front() != '\t') break;
      if (text::iequals(item, entry)) return target.set_selection(list, i);
    }
    target.set_selection(list, target.insert_item(list, main_at + 1, entry));
  }

  AidsState& state_;
  core::KeywordListRequest request_;
  KeywordList list_;
};

}  // namespace

ui::Handle OpenKeywordList(AidsState& state, const core::KeywordListRequest& request) {
  if (ui::Handle open = ui::host().find_window("DLG_KEY_LIST"); open != 0) ui::host().destroy_window(open);
  WarnIfIndexOutOfDate(state);
  return ui::host().create_modeless(core::authoring_module(), "DLG_KEY_LIST",
                                    std::make_unique<KeywordListWindow>(state, request), request.owner);
}

std::optional<ui::WindowRect> ParseKeyPos(std::string_view value) {
  int left = 0, top = 0, right = 0, bottom = 0;
  const std::string text(text::trim(value));
  char extra = 0;
  if (std::sscanf(text.c_str(), "%d %d %d %d %c", &left, &top, &right, &bottom, &extra) != 4) return std::nullopt;
  if (right <= left || bottom <= top) return std::nullopt;
  return ui::WindowRect{left, top, right - left, bottom - top};
}

std::string FormatKeyPos(ui::WindowRect rect) {
  return text::format("%d %d %d %d", rect.x, rect.y, rect.x + rect.cx, rect.y + rect.cy);
}

KeywordListLayout LayOutKeywordList(int width, int height) {
  KeywordListLayout layout;
  layout.type_ahead = {9, 47, std::max(width - 18, 0), 20};
  layout.keywords = {18, 70, std::max(width - 18 - 27, 0), std::max(height - 70 - 100, 0)};
  layout.show_topics = {18, std::max(height - 25, 0), 100, 20};
  return layout;
}

}  // namespace aids
