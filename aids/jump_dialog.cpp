#include "aids/jump_dialog.h"

#include <algorithm>
#include <memory>

#include "aids/context_finder.h"
#include "aids/jump_preferences.h"
#include "aids/jump_target.h"
#include "aids/keyword_commands.h"
#include "aids/related_targets.h"
#include "aids/window_editor.h"
#include "core/help_commands.h"
#include "aids/aids_state.h"
#include "core/messages.h"
#include "core/project_paths.h"
#include "platform/text.h"
#include "platform/ui/host.h"
#include "project/compile/compiler_switch.h"
#include "project/files/context_rules.h"
#include "project/files/project_file.h"
#include "project/topics/topic_titles.h"
#include "formats/help_contexts.h"

namespace aids {
namespace {

constexpr int kMsgEnterValue = 10014;     // "You must enter a value for the %s"
constexpr int kJumpHelpContext = help_contexts::kJump;
constexpr int kPopupHelpContext = help_contexts::kPopup;

std::string message(int id, std::string_view argument) {
  return text::format(core::resource_string(id).c_str(), std::string(argument).c_str());
}

}  // namespace

void JumpDialog::on_init(ui::Dialog& dialog) {
  handle_ = dialog.handle();
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
  fields_.show_mode(dialog, false);
  // A target in another help file is most likely in a related project.
  if (!ParseJumpTarget(request_.target).file.empty() && !state_.settings.work_group_file.empty())
    open_related(dialog);
}

void JumpDialog::fill_lists(ui::Dialog& dialog) {
  for (int i = 0; i < kColourCount; ++i) {
    std::string name = core::resource_string(kFirstColourString + i);
    dialog.add_item(kColour, name.empty() ? kColourNames[static_cast<size_t>(i)] : name);
  }
  fields_.fill_contexts(dialog);
  if (request_.jump) fields_.fill_windows(dialog);
}

// The window editor starts at the window typed or chosen and leaves the
// combo on the window chosen last. Help Workshop owns the window
// definitions of Windows 95 projects: it is started on the project (once)
// and asked to show them.
void JumpDialog::edit_windows(ui::Dialog& dialog) {
  if (!request_.jump) return;
  if (state_.win95_compiler) {
    if (workshop_.running() || workshop_.start(state_)) workshop_.show_window_definitions(state_);
    windows_reread_ = false;
    return;
  }
  std::string name(text::trim(dialog.text(kWindow)));
  if (EditWindows(state_, dialog.handle(), name) != 1) return;
  fields_.fill_windows(dialog);
  const int at = name.empty() ? -1 : dialog.find_item(kWindow, name);
  if (at >= 0) dialog.set_selection(kWindow, at);
  else dialog.set_text(kWindow, name);
}

bool JumpDialog::refused_while_help_workshop_runs() {
  if (!workshop_.running()) return false;
  core::show_message(state_, core::resource_string(project::kCloseHelpWorkshopText), ui::kMbOk | ui::kMbIconStop);
  return true;
}

// Once Help Workshop has closed, the windows are the project file's as it
// left them; the window typed or chosen stays in the combo.
void JumpDialog::reread_windows(ui::Dialog& dialog) {
  if (!workshop_.started() || windows_reread_) return;
  windows_reread_ = true;
  if (project::ReadProjectFile(state_) != 1) return;
  const std::string name(text::trim(dialog.text(kWindow)));
  fields_.fill_windows(dialog);
  const int at = name.empty() ? -1 : dialog.find_item(kWindow, name);
  if (at >= 0) dialog.set_selection(kWindow, at);
  else dialog.set_text(kWindow, name);
}

void JumpDialog::open_related(ui::Dialog& dialog) {
  const std::string file = dialog.check(kOtherFile) == 1 ? std::string(text::trim(dialog.text(kFileName))) : "";
  OpenRelatedProjectsList(state_, *this, dialog.handle(), file);
}

ui::Dialog* JumpDialog::shown() const { return handle_ != 0 ? ui::host().find_dialog(handle_) : nullptr; }

void JumpDialog::load_targets(std::string_view project_path) {
  if (ui::Dialog* dialog = shown()) fields_.load_targets(*dialog, project_path);
}

bool JumpDialog::other_file() const {
  const ui::Dialog* dialog = shown();
  return dialog != nullptr && dialog->check(kOtherFile) == 1;
}

void JumpDialog::clear_other_file() {
  ui::Dialog* dialog = shown();
  if (dialog == nullptr) return;
  dialog->set_check(kOtherFile, 0);
  dialog->set_text(kFileName, "");
  show_custom(*dialog);
}

// An unlisted help file: the author types file and context string.
void JumpDialog::set_unlisted(bool on) {
  ui::Dialog* dialog = shown();
  if (dialog == nullptr) return;
  dialog->set_check(kOtherFile, on ? 1 : 0);
  dialog->enable(kByTitle, !on);
  dialog->enable(kByContext, !on);
  if (on) {
    dialog->set_text(kFileName, "");
    dialog->set_text(kContext, "");
    dialog->set_text(kTitleContext, "");
  }
  show_custom(*dialog);
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
      return fields_.show_mode(dialog, dialog.check(kByTitle) == 1);
    case kTitleList:
      if (notify == ui::Notify::selection || notify == ui::Notify::double_clicked) title_chosen(dialog);
      return;
    case kFindContext:
      OpenContextFinder(state_, dialog.handle());
      return;
    case kRelatedProjects:
      return open_related(dialog);
    case kEditWindows:
      return edit_windows(dialog);
    case ui::kIdCancel:
      cancelled_ = true;
      return ui::DialogProc::on_command(dialog, id, notify);
    case kHelp:
      core::ProductHelpContext(state_, dialog.handle(), request_.jump ? kJumpHelpContext : kPopupHelpContext);
      return;
    case ui::kIdOk:
      if (refused_while_help_workshop_runs()) return;
      if (request_.jump) reread_windows(dialog);
      if (accept(dialog)) dialog.end(request_.scope);
      return;
    default:
      return ui::DialogProc::on_command(dialog, id, notify);
  }
}

// The list window goes with the dialog; the dialog reloads nothing then.
void JumpDialog::on_close(ui::Dialog&) {
  cancelled_ = true;
  CloseRelatedProjectsList();
  handle_ = 0;
}

bool JumpDialog::accept(ui::Dialog& dialog) {
  const int target_field = dialog.check(kByTitle) == 1 ? kTitleContext : kContext;
  JumpTarget target;
  target.context = fields_.typed_context(dialog);
  std::string click = request_.click_text;
  if (click.empty()) click = ClickTextFromContext(target.context);
  if (click.empty()) return fields_.refuse(dialog, message(kMsgEnterValue, "click text"), target_field);
  switch (fields_.check(dialog, request_.jump, target)) {
    case TargetCheck::refused: return false;
    case TargetCheck::unknown_window: edit_windows(dialog); return false;
    case TargetCheck::accepted: break;
  }
  // A topic of a related project or an unlisted file lies in another help file.
  const bool other_file = !target.file.empty();

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
