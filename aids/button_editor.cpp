// "DLG_BUTTONS": the button bar, one button's action at a time.
#include "aids/button_editor.h"

#include "aids/macro_editor.h"
#include "aids/macro_text.h"
#include "project/project_state.h"
#include "core/help_commands.h"
#include "core/messages.h"
#include "formats/help_contexts.h"
#include "core/settings.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "platform/text.h"
#include "platform/ui/host.h"
#include "project/files/project_file.h"
#include "project/files/project_update.h"

namespace aids {

namespace {

constexpr std::string_view kEntryMacrosKey = "Entry Macros";
constexpr std::string_view kWorkshopButtonsText = "You must use Help Workshop to define standard buttons.";

int slot_of(int id) { return id - ButtonEditor::kFirstSlot; }

std::string project_help_file(const project::ProjectState& state) {
  return std::string(platform::file_name_of(platform::replace_extension(state.project_path, ".hlp")));
}

// One topic's button choices as its entry macros state them.
std::vector<TopicButtonState> topic_states(std::string_view entry, const std::vector<project::Button>& buttons) {
  std::vector<TopicButtonState> states(buttons.size());
  for (size_t i = 0; i < buttons.size(); ++i) {
    states[i].visible = buttons[i].states[kVisibleState] != kUsuallyHidden;
    states[i].enabled = buttons[i].states[kEnabledState] != kUsuallyDimmed;
  }
  for (const std::string& m : split_macros(entry)) {
    if (!quotes_balanced(m)) continue;
    const std::string name = macro_name(m);
    auto args = macro_arguments(m);
    std::string id = args.empty() ? std::string() : args[0];
    if (text::iequals(name, "IfThen") || text::iequals(name, "IfThenElse")) {
      const size_t open = m.find("IsMark(");
      auto mark = open == std::string::npos ? std::vector<std::string>{} : macro_arguments(m.substr(open));
      id = mark.empty() ? std::string() : mark[0];
    }
    for (size_t i = 0; i < buttons.size(); ++i) {
      if (!text::iequals(buttons[i].id, id)) continue;
      if (text::iequals(name, "IfThen")) states[i].visible = false;
      if (text::iequals(name, "IfThenElse")) states[i].visible = true;
      if (text::iequals(name, "DB") || text::iequals(name, "DisableButton")) states[i].enabled = false;
      if (text::iequals(name, "EB") || text::iequals(name, "EnableButton")) states[i].enabled = true;
      if ((text::iequals(name, "CBB") || text::iequals(name, "ChangeButtonBinding")) && args.size() > 1)
        states[i].macro = args[1];
    }
  }
  return states;
}

bool same_buttons(const std::vector<project::Button>& a, const std::vector<project::Button>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i].id != b[i].id || a[i].caption != b[i].caption || a[i].macro != b[i].macro ||
        a[i].states != b[i].states)
      return false;
  }
  return true;
}

}  // namespace

ButtonTarget read_button_action(std::string_view macro) {
  ButtonTarget target;
  const std::string name = macro_name(macro);
  if (text::trim(macro).empty()) return target;
  const bool jump = text::iequals(name, "JI") || text::iequals(name, "JumpId");
  const bool popup = text::iequals(name, "PI") || text::iequals(name, "PopupId");
  auto args = macro_arguments(macro);
  if ((!jump && !popup) || args.size() != 2 || !quotes_balanced(macro)) {
    target.action = ButtonAction::macro;
    target.macro = std::string(text::trim(macro));
    return target;
  }
  target.action = jump ? ButtonAction::jump : ButtonAction::popup;
  const size_t window = args[0].find('>');
  target.help_file = args[0].substr(0, window);
  if (window != std::string::npos) target.window = args[0].substr(window + 1);
  target.context = args[1];
  return target;
}

std::string button_action_macro(const ButtonTarget& t, std::string_view project_help_file) {
  switch (t.action) {
    case ButtonAction::standard: return {};
    case ButtonAction::macro: return t.macro;
    case ButtonAction::jump:
    case ButtonAction::popup: {
      std::string file = t.help_file;
      if (file.empty() && !t.window.empty()) file = std::string(project_help_file);
      if (!t.window.empty()) file += ">" + t.window;
      return text::format(t.action == ButtonAction::jump ? "JI(\"%s\",\"%s\")" : "PI(\"%s\",\"%s\")",
                          file.c_str(), t.context.c_str());
    }
  }
  return {};
}

ButtonEditor::ButtonEditor(project::ProjectState& state, bool topic_mode, std::string startup, std::string entry)
    : state_(state), topic_mode_(topic_mode), startup_(std::move(startup)), entry_(std::move(entry)) {}

bool ButtonEditor::editable(int index) const {
  return !(state_.win95_compiler && index < kWorkshopButtons);
}

std::vector<std::string> ButtonEditor::ids() const {
  std::vector<std::string> out;
  for (const auto& b : buttons_) out.push_back(b.id);
  return out;
}

void ButtonEditor::on_init(ui::Dialog& dialog) {
  buttons_ = state_.data.buttons;
  if (buttons_.size() < kStandardButtons) buttons_ = project::standard_buttons();
  parse_button_macros(startup_, topic_mode_ ? std::string_view() : entry_, buttons_);
  topic_ = topic_states(topic_mode_ ? entry_ : std::string_view(), buttons_);
  for (const auto& b : buttons_) macros_.push_back(b.macro);
  browse_ = state_.data.project.browse_buttons;
  for (const std::string& m : split_macros(startup_)) browse_ = browse_ || text::iequals(macro_name(m), "BrowseButtons");
  dialog.set_check(kBrowseButtons, browse_ ? 1 : 0);
  dialog.show(kWorkshopNote, state_.win95_compiler != 0);
  dialog.show(kTopicVisible, topic_mode_);
  dialog.show(kTopicEnabled, topic_mode_);
  for (const auto& t : state_.data.topics)
    if (t.live()) dialog.add_item(kContext, t.name());
  project::ListWindowNames(dialog, kWindow, state_.project_path, 0);
  show_slots(dialog);
  for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) {
    if (editable(i) && dialog.visible(kFirstSlot + i)) {
      select(dialog, i);
      break;
    }
  }
}

void ButtonEditor::show_slots(ui::Dialog& dialog) {
  for (int i = 0; i < kButtonSlots; ++i) {
    const bool used = i < static_cast<int>(buttons_.size());
    const bool browse_slot = i == 4 || i == 5;
    dialog.set_text(kFirstSlot + i, used ? buttons_[i].caption : std::string());
    dialog.show(kFirstSlot + i, used && editable(i) && (!browse_slot || browse_));
  }
  dialog.enable(kAddButton, static_cast<int>(buttons_.size()) < kButtonSlots);
}

void ButtonEditor::show_action(ui::Dialog& dialog, ButtonAction action) {
  const bool depends = buttons_[current_].states[kDependsState] != 0;
  const bool open = !topic_mode_ || depends;
  const bool target = action == ButtonAction::jump || action == ButtonAction::popup;
  for (int id : {kStandardAction, kJumpAction, kPopupAction, kMacroAction}) dialog.enable(id, open);
  dialog.set_check(kStandardAction, action == ButtonAction::standard);
  dialog.set_check(kJumpAction, action == ButtonAction::jump);
  dialog.set_check(kPopupAction, action == ButtonAction::popup);
  dialog.set_check(kMacroAction, action == ButtonAction::macro);
  for (int id : {kContext, kHelpFile, kWindow}) dialog.enable(id, open && target);
  dialog.enable(kEditMacro, open && action == ButtonAction::macro);
}

void ButtonEditor::select(ui::Dialog& dialog, int index) {
  if (current_ >= 0 && !store_current(dialog)) return;
  current_ = index;
  const project::Button& b = buttons_[index];
  const bool depends = b.states[kDependsState] != 0;
  const std::string& macro = topic_mode_ && depends ? topic_[index].macro : macros_[index];
  const ButtonTarget target = read_button_action(macro);
  dialog.set_text(kStandardAction, is_standard_button(index) ? "Defau&lt" : "None");
  dialog.set_text(kContext, target.context);
  dialog.set_text(kHelpFile, target.help_file);
  dialog.set_text(kWindow, target.window);
  show_action(dialog, target.action);
  if (topic_mode_) {
    const bool always_visible = b.states[kVisibleState] == kAlwaysVisible;
    const bool always_enabled = b.states[kEnabledState] == kAlwaysEnabled;
    dialog.set_check(kTopicVisible, always_visible || topic_[index].visible);
    dialog.enable(kTopicVisible, !always_visible);
    dialog.set_check(kTopicEnabled, always_enabled || topic_[index].enabled);
    dialog.enable(kTopicEnabled, !always_enabled);
  }
}

// The controls back into the button being edited; false (after telling
// the user) when a jump or pop-up has no target.
bool ButtonEditor::store_current(ui::Dialog& dialog) {
  if (current_ < 0) return true;
  const bool depends = buttons_[current_].states[kDependsState] != 0;
  std::string& macro = topic_mode_ && depends ? topic_[current_].macro : macros_[current_];
  if (topic_mode_) {
    topic_[current_].visible = dialog.check(kTopicVisible) == 1;
    topic_[current_].enabled = dialog.check(kTopicEnabled) == 1;
  }
  if (topic_mode_ && !depends) return true;
  ButtonTarget target;
  if (dialog.check(kJumpAction) == 1) target.action = ButtonAction::jump;
  if (dialog.check(kPopupAction) == 1) target.action = ButtonAction::popup;
  if (dialog.check(kMacroAction) == 1) {
    target.action = ButtonAction::macro;
    target.macro = macro;
    if (read_button_action(macro).action != ButtonAction::macro) target.macro.clear();
  }
  target.context = std::string(text::trim(dialog.text(kContext)));
  target.help_file = std::string(text::trim(dialog.text(kHelpFile)));
  target.window = std::string(text::trim(dialog.text(kWindow)));
  if ((target.action == ButtonAction::jump || target.action == ButtonAction::popup) && target.context.empty()) {
    core::show_message(state_, core::resource_string(kNoTargetText), ui::kMbOk | ui::kMbIconExclamation);
    dialog.set_focus(kContext);
    return false;
  }
  macro = button_action_macro(target, project_help_file(state_));
  return true;
}

void ButtonEditor::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  if (id >= kFirstSlot && id < kFirstSlot + kButtonSlots) return select(dialog, slot_of(id));
  switch (id) {
    case kStandardAction: return show_action(dialog, ButtonAction::standard);
    case kJumpAction: return show_action(dialog, ButtonAction::jump);
    case kPopupAction: return show_action(dialog, ButtonAction::popup);
    case kMacroAction: return show_action(dialog, ButtonAction::macro);
    case kEditMacro: return edit_macro(dialog);
    case kAddButton: return add(dialog);
    case kDeleteButton: return remove(dialog);
    case kEditButton: return edit(dialog);
    case kBrowseButtons:
      browse_ = dialog.check(kBrowseButtons) == 1;
      return show_slots(dialog);
    case kWorkshopNote:
      core::show_message(state_, kWorkshopButtonsText, ui::kMbOk | ui::kMbIconInformation);
      return;
    case kHelpButton:
      core::ProductHelpContext(state_, dialog.handle(), help_contexts::kButtonEditor);
      return;
    case ui::kIdOk: return accept(dialog);
    default: ui::DialogProc::on_command(dialog, id, notify);
  }
}

void ButtonEditor::edit_macro(ui::Dialog& dialog) {
  if (current_ < 0) return;
  const bool depends = buttons_[current_].states[kDependsState] != 0;
  std::string& macro = topic_mode_ && depends ? topic_[current_].macro : macros_[current_];
  std::string edited = read_button_action(macro).action == ButtonAction::macro ? macro : std::string();
  if (EditMacros(state_, dialog.handle(), MacroMode::plain, edited) == 1) macro = edited;
}

void ButtonEditor::add(ui::Dialog& dialog) {
  if (!store_current(dialog) || static_cast<int>(buttons_.size()) >= kButtonSlots) return;
  project::Button fresh{"btn_", "", "", {}};
  NewButtonDialog ask(state_, fresh, ids());
  if (ui::host().run_modal(core::authoring_module(), "DLG_NEW_BUTTON", ask, dialog.handle()) != 1) return;
  buttons_.push_back(fresh);
  macros_.emplace_back();
  topic_.push_back(TopicButtonState{fresh.states[kVisibleState] != kUsuallyHidden,
                                    fresh.states[kEnabledState] != kUsuallyDimmed, {}});
  show_slots(dialog);
  current_ = -1;
  select(dialog, static_cast<int>(buttons_.size()) - 1);
}

void ButtonEditor::remove(ui::Dialog& dialog) {
  if (current_ < 0) return;
  if (is_standard_button(current_)) {
    core::show_message(state_, core::resource_string(kStandardButtonText), ui::kMbOk | ui::kMbIconExclamation);
    return;
  }
  buttons_.erase(buttons_.begin() + current_);
  macros_.erase(macros_.begin() + current_);
  topic_.erase(topic_.begin() + current_);
  current_ = -1;
  show_slots(dialog);
  for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) {
    if (editable(i) && dialog.visible(kFirstSlot + i)) return select(dialog, i);
  }
}

void ButtonEditor::edit(ui::Dialog& dialog) {
  if (current_ < 0 || !store_current(dialog)) return;
  project::Button copy = buttons_[current_];
  std::vector<std::string> others = ids();
  others.erase(others.begin() + current_);
  NewButtonDialog ask(state_, copy, others);
  if (ui::host().run_modal(core::authoring_module(), "DLG_NEW_BUTTON", ask, dialog.handle()) != 1) return;
  buttons_[current_] = copy;
  show_slots(dialog);
  const int again = current_;
  current_ = -1;
  select(dialog, again);
}

void ButtonEditor::accept(ui::Dialog& dialog) {
  if (!store_current(dialog)) return;
  for (size_t i = 0; i < buttons_.size(); ++i) {
    const bool depends = buttons_[i].states[kDependsState] != 0;
    const ButtonTarget t = read_button_action(topic_mode_ && depends ? topic_[i].macro : macros_[i]);
    if ((t.action == ButtonAction::jump || t.action == ButtonAction::popup) && t.context.empty()) {
      core::show_message(state_, text::format(core::resource_string(kNoButtonActionText).c_str(),
                                              buttons_[i].caption.c_str()),
                         ui::kMbOk | ui::kMbIconExclamation);
      return;
    }
    if (!topic_mode_) buttons_[i].macro = macros_[i];
  }
  browse_ = dialog.check(kBrowseButtons) == 1;
  ButtonMacroInput in{buttons_, state_.win95_compiler != 0, topic_mode_, topic_, startup_, entry_};
  result_ = compose_button_macros(in);
  dialog.end(1);
}

NewButtonDialog::NewButtonDialog(project::ProjectState& state, project::Button& button,
                                 std::vector<std::string> used_ids)
    : state_(state), button_(button), used_ids_(std::move(used_ids)) {}

void NewButtonDialog::on_init(ui::Dialog& dialog) {
  dialog.set_text(kCaption, button_.caption);
  dialog.set_text(kId, button_.id);
  for (int i = 0; i < 3; ++i) {
    dialog.set_check(kVisibleFirst + i, button_.states[kVisibleState] == i);
    dialog.set_check(kEnabledFirst + i, button_.states[kEnabledState] == i);
  }
  dialog.set_check(kSameAction, button_.states[kDependsState] == 0);
  dialog.set_check(kTopicAction, button_.states[kDependsState] != 0);
}

void NewButtonDialog::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  if (id != ui::kIdOk) return ui::DialogProc::on_command(dialog, id, notify);
  const std::string caption(text::trim(dialog.text(kCaption)));
  const std::string button_id(text::trim(dialog.text(kId)));
  auto refuse = [&](int message, int field) {
    core::show_message(state_, core::resource_string(message), ui::kMbOk | ui::kMbIconExclamation);
    dialog.set_focus(field);
  };
  if (caption.empty()) return refuse(kNoButtonNameText, kCaption);
  if (button_id.empty()) return refuse(kNoButtonIdText, kId);
  for (const std::string& used : used_ids_)
    if (text::iequals(used, button_id)) return refuse(kButtonIdUsedText, kId);
  button_.caption = text::cut(caption, 31);
  button_.id = text::cut(button_id, 31);
  for (int i = 0; i < 3; ++i) {
    if (dialog.check(kVisibleFirst + i) == 1) button_.states[kVisibleState] = static_cast<std::int16_t>(i);
    if (dialog.check(kEnabledFirst + i) == 1) button_.states[kEnabledState] = static_cast<std::int16_t>(i);
  }
  button_.states[kDependsState] = dialog.check(kTopicAction) == 1 ? 1 : 0;
  dialog.end(1);
}

std::string default_entry_macros(const project::ProjectState& state) {
  return platform::get_profile_string("Project", kEntryMacrosKey, "", 1 << 16,
                                      core::option_file_path(state.project_path));
}

int EditButtonBar(project::ProjectState& state, std::int32_t window) {
  if (!state.project_set || state.project_path.empty()) return 0;
  const project::ProjectFileModel before = state.data.project;
  const std::string entry = default_entry_macros(state);
  ButtonEditor editor(state, false, before.config_macros, entry);
  if (ui::host().run_modal(core::authoring_module(), "DLG_BUTTONS", editor, core::dialog_owner(state, window)) != 1)
    return 0;
  if (!same_buttons(editor.buttons(), state.data.buttons)) {
    state.data.buttons = editor.buttons();
    state.data_dirty = true;
  }
  if (editor.result().entry != entry)
    platform::write_profile_string(std::string_view("Project"), kEntryMacrosKey, editor.result().entry,
                                   core::option_file_path(state.project_path));
  state.data.project.config_macros = editor.result().startup;
  state.data.project.browse_buttons = editor.browse_buttons();
  const bool changed = state.data.project.config_macros != before.config_macros ||
                       state.data.project.browse_buttons != before.browse_buttons;
  if (changed && !state.win95_compiler) project::StoreProjectOptions(state, before);
  return 1;
}

}  // namespace aids
