#include "aids/jump_dialog.h"

#include <algorithm>
#include <memory>

#include "aids/context_finder.h"
#include "aids/jump_preferences.h"
#include "aids/jump_target.h"
#include "aids/keyword_commands.h"
#include "core/help_commands.h"
#include "aids/aids_state.h"
#include "core/messages.h"
#include "core/project_paths.h"
#include "platform/text.h"
#include "project/files/context_rules.h"
#include "project/topics/topic_titles.h"

namespace aids {
namespace {

constexpr int kMsgEnterValue = 10014;     // "You must enter a value for the %s"
constexpr int kMsgContextMissing = 10015; // "Context string %s not found. ..."
constexpr int kMsgUnknownWindow = 10016;  // "Unrecognized secondary window %s. ..."
constexpr int kMsgNoHelpFile = 10017;     // "Specify a help file."
constexpr int kJumpHelpContext = 1061;
constexpr int kPopupHelpContext = 1065;

std::string message(int id, std::string_view argument) {
  return text::format(core::resource_string(id).c_str(), std::string(argument).c_str());
}

bool window_defined(const AidsState& state, std::string_view name) {
  return std::any_of(state.data.windows.begin(), state.data.windows.end(),
                     [&](const auto& w) { return text::iequals(w.name, name); });
}

}  // namespace

void JumpDialog::on_init(ui::Dialog& dialog) {
  had_target_ = !request_.target.empty();
  had_click_text_ = !request_.click_text.empty();
  fill_lists(dialog);
  dialog.set_text(kClickText, request_.click_text);
  dialog.set_check(kSelectedOnly, 1);
  dialog.set_check(kAllOccurrences, 0);
  dialog.enable(kPromptEach, false);
  dialog.enable(kMatchCase, false);
  if (had_target_) dialog.enable(kAllOccurrences, false);
  if (!request_.jump) {
    dialog.show(kWindow, false);
    dialog.show(kEditWindows, false);
  }
  show_target(dialog);
  dialog.set_check(kByContext, 1);
  dialog.set_check(kByTitle, 0);
  show_mode(dialog, false);
}

void JumpDialog::fill_lists(ui::Dialog& dialog) {
  for (int i = 0; i < kColourCount; ++i) {
    std::string name = core::resource_string(kFirstColourString + i);
    dialog.add_item(kColour, name.empty() ? kColourNames[static_cast<size_t>(i)] : name);
  }
  std::vector<std::string> contexts;
  for (const auto& topic : state_.data.topics) {
    if (topic.live()) contexts.emplace_back(topic.name());
  }
  std::sort(contexts.begin(), contexts.end(),
            [](const std::string& a, const std::string& b) { return text::to_lower(a) < text::to_lower(b); });
  for (const auto& c : contexts) dialog.add_item(kContext, c);
  if (!request_.jump) return;
  dialog.add_item(kWindow, "main");
  for (const auto& w : state_.data.windows) {
    if (!text::iequals(w.name, "main")) dialog.add_item(kWindow, w.name);
  }
}

// The hotspot being edited (or the author's defaults) decide the first state.
void JumpDialog::show_target(ui::Dialog& dialog) {
  int colour = had_target_ ? 0 : request_.colour;
  bool custom = false, underline = false, as_default = false;
  const HotspotDefaults defaults = ReadHotspotDefaults();
  if (defaults.colour >= 0) {
    colour = defaults.colour;
    custom = as_default = true;
    underline = defaults.underline;
  }
  const JumpTarget target = ParseJumpTarget(request_.target);
  if (target.prefix != 0) {
    custom = true;
    underline = target.prefix == '*';
  }
  dialog.set_check(kCustomColour, custom ? 1 : 0);
  dialog.set_check(kUnderline, underline ? 1 : 0);
  dialog.set_check(kUseAsDefault, as_default ? 1 : 0);
  dialog.set_selection(kColour, std::clamp(colour, 0, kColourCount - 1));
  dialog.set_check(kOtherFile, target.file.empty() ? 0 : 1);
  dialog.set_text(kFileName, target.file);
  if (request_.jump && !target.window.empty()) {
    int at = dialog.find_item(kWindow, target.window);
    if (at >= 0) dialog.set_selection(kWindow, at);
    else dialog.set_text(kWindow, target.window);
  }
  int at = dialog.find_item(kContext, target.context);
  if (at >= 0) dialog.set_selection(kContext, at);
  else dialog.set_text(kContext, target.context);
  show_custom(dialog);
}

void JumpDialog::show_custom(ui::Dialog& dialog) {
  const bool custom = dialog.check(kCustomColour) == 1;
  for (int id : {kUnderline, kColour, kUseAsDefault}) dialog.show(id, custom);
  dialog.show(kFileName, dialog.check(kOtherFile) == 1);
}

void JumpDialog::show_mode(ui::Dialog& dialog, bool titles) {
  if (titles && !titles_loaded_) {
    WarnIfIndexOutOfDate(state_);
    for (const auto& entry : project::keyword_database_titles(core::companion_file(state_.project_path, ".kdb")))
      dialog.add_item(kTitleList, entry);
    titles_loaded_ = true;
  }
  dialog.show(kContext, !titles);
  dialog.show(kTitleList, titles);
  dialog.show(kTitleContext, titles);
}

// A chosen title names the target, and the click text when none was selected.
void JumpDialog::title_chosen(ui::Dialog& dialog) {
  const int at = dialog.selection(kTitleList);
  if (at < 0) return;
  const std::string entry = dialog.item_text(kTitleList, at);
  dialog.set_text(kTitleContext, ContextOfTitleEntry(entry));
  if (!had_click_text_) {
    request_.click_text = ClickTextFromTitle(entry);
    dialog.set_text(kClickText, request_.click_text);
  }
}

void JumpDialog::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  switch (id) {
    case kCustomColour:
    case kOtherFile:
      return show_custom(dialog);
    case kSelectedOnly:
    case kAllOccurrences: {
      const bool all = dialog.check(kAllOccurrences) == 1;
      dialog.enable(kPromptEach, all);
      dialog.enable(kMatchCase, all);
      return;
    }
    case kByTitle:
    case kByContext:
      return show_mode(dialog, dialog.check(kByTitle) == 1);
    case kTitleList:
      if (notify == ui::Notify::selection || notify == ui::Notify::double_clicked) title_chosen(dialog);
      return;
    case kFindContext:
      OpenContextFinder(state_, dialog.handle());
      return;
    case kRelatedProjects:
    case kEditWindows:
      // The related-projects list and the window editor are not part of
      // this library yet; the buttons do nothing until they are.
      return;
    case kHelp:
      core::ProductHelpContext(state_, dialog.handle(), request_.jump ? kJumpHelpContext : kPopupHelpContext);
      return;
    case ui::kIdOk:
      if (accept(dialog)) dialog.end(request_.scope);
      return;
    default:
      return ui::DialogProc::on_command(dialog, id, notify);
  }
}

std::string JumpDialog::typed_context(const ui::Dialog& dialog) const {
  const int field = dialog.check(kByTitle) == 1 ? kTitleContext : kContext;
  return std::string(text::trim(dialog.text(field)));
}

bool JumpDialog::refuse(ui::Dialog& dialog, const std::string& text, int focus) {
  core::show_message(state_, text, ui::kMbOk | ui::kMbIconStop);
  dialog.set_focus(focus);
  return false;
}

bool JumpDialog::accept(ui::Dialog& dialog) {
  const bool titles = dialog.check(kByTitle) == 1;
  const int target_field = titles ? kTitleContext : kContext;
  JumpTarget target;
  target.context = typed_context(dialog);
  std::string click = request_.click_text;
  if (click.empty()) click = ClickTextFromContext(target.context);
  if (click.empty()) return refuse(dialog, message(kMsgEnterValue, "click text"), target_field);
  if (target.context.empty()) return refuse(dialog, message(kMsgEnterValue, "context string"), target_field);
  if (!project::valid_context_chars(target.context))
    return refuse(dialog, std::string(project::kBadContextText), target_field);
  const bool other_file = dialog.check(kOtherFile) == 1;
  if (!other_file && state_.data.topics.find(target.context) < 0 && !AllowUndefinedJumps(state_.data))
    return refuse(dialog, message(kMsgContextMissing, target.context), target_field);
  if (request_.jump) target.window = std::string(text::trim(dialog.text(kWindow)));
  if (!target.window.empty() && !window_defined(state_, target.window))
    return refuse(dialog, message(kMsgUnknownWindow, target.window), kWindow);
  if (other_file) {
    target.file = std::string(text::trim(dialog.text(kFileName)));
    if (target.file.empty()) return refuse(dialog, core::resource_string(kMsgNoHelpFile), kFileName);
  }

  const bool custom = dialog.check(kCustomColour) == 1;
  const bool underline = dialog.check(kUnderline) == 1;
  if (custom) target.prefix = underline ? '*' : '%';
  const int colour = custom ? std::max(dialog.selection(kColour), 0) : 0;
  WriteHotspotDefaults(custom && dialog.check(kUseAsDefault) == 1 ? colour : -1, underline);

  request_.click_text = click;
  request_.target = ComposeJumpTarget(target, request_.jump);
  request_.format = JumpFormat(InsertTestButtons(state_.data) && !other_file, colour);
  request_.scope = ScopeCode(dialog.check(kAllOccurrences) == 1, dialog.check(kPromptEach) == 1,
                             dialog.check(kMatchCase) == 1);
  return true;
}

int RunJumpDialog(AidsState& state, std::int32_t window, JumpRequest& request) {
  JumpDialog dialog(state, request);
  const char* name = request.jump ? "DLG_INS_JUMP" : "DLG_INS_DEF";
  return ui::host().run_modal(core::authoring_module(), name, dialog, core::dialog_owner(state, window));
}

}  // namespace aids
