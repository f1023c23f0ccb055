#include "aids/target_fields.h"

#include <algorithm>

#include "aids/aids_state.h"
#include "aids/jump_preferences.h"
#include "aids/keyword_commands.h"
#include "aids/related_targets.h"
#include "core/messages.h"
#include "core/project_paths.h"
#include "platform/text.h"
#include "project/files/context_rules.h"
#include "project/topics/topic_titles.h"

namespace aids {
namespace {

constexpr int kMsgEnterValue = 10014;      // "You must enter a value for the %s"
constexpr int kMsgContextMissing = 10015;  // "Context string %s not found. ..."
constexpr int kMsgUnknownWindow = 10016;   // "Unrecognized secondary window %s. ..."
constexpr int kMsgNoHelpFile = 10017;      // "Specify a help file."

std::string message(int id, std::string_view argument) {
  return text::format(core::resource_string(id).c_str(), std::string(argument).c_str());
}

bool window_defined(const AidsState& state, std::string_view name) {
  return std::any_of(state.data.windows.begin(), state.data.windows.end(),
                     [&](const auto& w) { return text::iequals(w.name, name); });
}

}  // namespace

void TargetFields::fill_contexts(ui::Dialog& dialog) const {
  dialog.clear_items(ids_.context);
  for (const auto& c : project_context_strings(state_, targets_project_)) dialog.add_item(ids_.context, c);
}

void TargetFields::fill_windows(ui::Dialog& dialog) const {
  dialog.clear_items(ids_.window);
  dialog.add_item(ids_.window, "main");
  for (const auto& w : state_.data.windows)
    if (!text::iequals(w.name, "main")) dialog.add_item(ids_.window, w.name);
}

void TargetFields::show_mode(ui::Dialog& dialog, bool titles) {
  if (titles && !titles_loaded_) {
    WarnIfIndexOutOfDate(state_);
    const std::string& project = targets_project_.empty() ? state_.project_path : targets_project_;
    for (const auto& entry : project::keyword_database_titles(core::companion_file(project, ".kdb")))
      dialog.add_item(ids_.title_list, entry);
    titles_loaded_ = true;
  }
  dialog.show(ids_.context, !titles);
  dialog.show(ids_.title_list, titles);
  dialog.show(ids_.title_context, titles);
}

void TargetFields::load_targets(ui::Dialog& dialog, std::string_view project_path) {
  targets_project_ = is_current_project(state_, project_path) ? "" : std::string(project_path);
  fill_contexts(dialog);
  dialog.set_text(ids_.context, "");
  dialog.set_text(ids_.title_context, "");
  dialog.clear_items(ids_.title_list);
  titles_loaded_ = false;
  show_mode(dialog, dialog.check(ids_.by_title) == 1);
}

std::string TargetFields::chosen_title_context(ui::Dialog& dialog) const {
  const int at = dialog.selection(ids_.title_list);
  if (at < 0) return {};
  const std::string context = ContextOfTitleEntry(dialog.item_text(ids_.title_list, at));
  dialog.set_text(ids_.title_context, context);
  return context;
}

std::string TargetFields::typed_context(const ui::Dialog& dialog) const {
  const int field = dialog.check(ids_.by_title) == 1 ? ids_.title_context : ids_.context;
  return std::string(text::trim(dialog.text(field)));
}

bool TargetFields::refuse(ui::Dialog& dialog, const std::string& text, int focus) const {
  core::show_message(state_, text, ui::kMbOk | ui::kMbIconStop);
  dialog.set_focus(focus);
  return false;
}

TargetCheck TargetFields::check(ui::Dialog& dialog, bool jump, JumpTarget& target) const {
  const int field = dialog.check(ids_.by_title) == 1 ? ids_.title_context : ids_.context;
  auto refused = [&](const std::string& text, int focus) {
    refuse(dialog, text, focus);
    return TargetCheck::refused;
  };
  if (target.context.empty()) return refused(message(kMsgEnterValue, "context string"), field);
  if (!project::valid_context_chars(target.context)) return refused(std::string(project::kBadContextText), field);
  const bool unlisted = dialog.check(ids_.other_file) == 1;
  // A topic of a related project lies in that project's help file.
  const bool related = !unlisted && !targets_project_.empty();
  const bool known = unlisted || project_topics(state_, targets_project_).find(target.context) >= 0;
  if (!known && !AllowUndefinedJumps(state_.data)) return refused(message(kMsgContextMissing, target.context), field);
  if (jump) target.window = std::string(text::trim(dialog.text(ids_.window)));
  if (!target.window.empty() && !window_defined(state_, target.window)) {
    refuse(dialog, message(kMsgUnknownWindow, target.window), ids_.window);
    return TargetCheck::unknown_window;
  }
  if (related) target.file = project_help_file(targets_project_);
  if (unlisted) {
    target.file = std::string(text::trim(dialog.text(ids_.file_name)));
    if (target.file.empty()) return refused(core::resource_string(kMsgNoHelpFile), ids_.file_name);
  }
  return TargetCheck::accepted;
}

}  // namespace aids
