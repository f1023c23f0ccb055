// The Insert Graphic dialog's hotspot side: the action, the target topic by
// context string or title (in this project, a related one or an unlisted
// help file), the window, and the macro or keyword jump.
#include <algorithm>

#include "aids/aids_state.h"
#include "aids/context_finder.h"
#include "aids/graphic_dialog.h"
#include "aids/insert_bitmap.h"
#include "aids/jump_preferences.h"
#include "aids/jump_target.h"
#include "aids/keyword_commands.h"
#include "aids/link_dialog.h"
#include "aids/link_text.h"
#include "aids/macro_editor.h"
#include "aids/related_targets.h"
#include "aids/window_editor.h"
#include "core/messages.h"
#include "core/project_paths.h"
#include "platform/text.h"
#include "platform/ui/host.h"
#include "project/files/context_rules.h"
#include "project/topics/topic_titles.h"

namespace aids {

namespace {

constexpr int kMsgEnterValue = 10014;      // "You must enter a value for the %s"
constexpr int kMsgContextMissing = 10015;  // "Context string %s not found. ..."
constexpr int kMsgUnknownWindow = 10016;   // "Unrecognized secondary window %s. ..."
constexpr int kMsgNoHelpFile = 10017;      // "Specify a help file."

// The controls that name a target topic.
constexpr int kTargetControls[] = {IDC_GRAPHIC_CONTEXT_COMBO, IDC_GRAPHIC_TITLE_LIST,  IDC_GRAPHIC_TITLE_CONTEXT,
                                   IDC_GRAPHIC_BY_CONTEXT,    IDC_GRAPHIC_BY_TITLE,    IDC_GRAPHIC_FIND_CONTEXT,
                                   IDC_GRAPHIC_RELATED_PROJECTS, IDC_GRAPHIC_OTHER_FILE, IDC_GRAPHIC_FILE_NAME};

std::string message(int id, std::string_view argument) {
  return text::format(core::resource_string(id).c_str(), std::string(argument).c_str());
}

bool window_defined(const AidsState& state, std::string_view name) {
  return std::any_of(state.data.windows.begin(), state.data.windows.end(),
                     [&](const auto& w) { return text::iequals(w.name, name); });
}

// A macro hotspot of a picture has no display prefix: it starts at its "!".
std::string without_prefix(std::string_view macro) {
  const std::size_t bang = macro.find('!');
  return std::string(bang == std::string_view::npos ? macro : macro.substr(bang));
}

bool keyword_jump(std::string_view macro) {
  return text::icontains(macro, "!KLink(") || text::icontains(macro, "!ALink(");
}

}  // namespace

void GraphicDialog::init_target(ui::Dialog& dialog) {
  fill_contexts(dialog);
  fill_windows(dialog);
  PictureAction start = PictureAction::jump;
  if (target_.find('!') != std::string::npos) {
    macro_ = without_prefix(target_);
    start = keyword_jump(macro_) ? PictureAction::keyword_jump : PictureAction::macro;
  } else if (!target_.empty()) {
    const JumpTarget parts = ParseJumpTarget(target_);
    dialog.set_text(IDC_GRAPHIC_CONTEXT_COMBO, parts.context);
    dialog.set_text(IDC_GRAPHIC_WINDOW_COMBO, parts.window);
    dialog.set_check(IDC_GRAPHIC_OTHER_FILE, parts.file.empty() ? 0 : 1);
    dialog.set_text(IDC_GRAPHIC_FILE_NAME, parts.file);
  }
  dialog.set_check(IDC_GRAPHIC_HOTSPOT_CHECK, target_.empty() ? 0 : 1);
  for (int i = 0; i < 4; ++i) dialog.set_check(IDC_GRAPHIC_JUMP_RADIO + i, i == static_cast<int>(start) ? 1 : 0);
  dialog.set_check(IDC_GRAPHIC_BY_CONTEXT, 1);
  show_mode(dialog, false);
  // A target in another help file is most likely in a related project.
  if (!ParseJumpTarget(target_).file.empty() && macro_.empty() && !state_.settings.work_group_file.empty())
    open_related(dialog);
}

void GraphicDialog::fill_contexts(ui::Dialog& dialog) {
  dialog.clear_items(IDC_GRAPHIC_CONTEXT_COMBO);
  for (const auto& c : project_context_strings(state_, targets_project_))
    dialog.add_item(IDC_GRAPHIC_CONTEXT_COMBO, c);
}

void GraphicDialog::fill_windows(ui::Dialog& dialog) {
  dialog.clear_items(IDC_GRAPHIC_WINDOW_COMBO);
  dialog.add_item(IDC_GRAPHIC_WINDOW_COMBO, "main");
  for (const auto& w : state_.data.windows)
    if (!text::iequals(w.name, "main")) dialog.add_item(IDC_GRAPHIC_WINDOW_COMBO, w.name);
}

PictureAction GraphicDialog::action(const ui::Dialog& dialog) const {
  for (int i = 3; i > 0; --i)
    if (dialog.check(IDC_GRAPHIC_JUMP_RADIO + i) == 1) return static_cast<PictureAction>(i);
  return PictureAction::jump;
}

void GraphicDialog::show_target_state(ui::Dialog& dialog) {
  const bool hotspot = dialog.check(IDC_GRAPHIC_HOTSPOT_CHECK) == 1;
  // KLink and ALink run only under the Windows 95 compiler or its emulation.
  const bool links = state_.win95_compiler || state_.data.project.emulation;
  for (int i = 0; i < 4; ++i) dialog.enable(IDC_GRAPHIC_JUMP_RADIO + i, hotspot && (i < 3 || links));
  const PictureAction chosen = action(dialog);
  const bool topic = hotspot && (chosen == PictureAction::jump || chosen == PictureAction::popup);
  for (int id : kTargetControls) dialog.enable(id, topic);
  const bool unlisted = dialog.check(IDC_GRAPHIC_OTHER_FILE) == 1;
  dialog.enable(IDC_GRAPHIC_BY_CONTEXT, topic && !unlisted);
  dialog.enable(IDC_GRAPHIC_BY_TITLE, topic && !unlisted);
  dialog.show(IDC_GRAPHIC_FILE_NAME, unlisted);
  dialog.enable(IDC_GRAPHIC_WINDOW_COMBO, hotspot && chosen == PictureAction::jump);
  dialog.enable(IDC_GRAPHIC_EDIT_WINDOWS, hotspot && chosen == PictureAction::jump);
  dialog.enable(IDC_GRAPHIC_EDIT_MACRO_BUTTON, hotspot && !topic);
}

void GraphicDialog::show_mode(ui::Dialog& dialog, bool titles) {
  if (titles && !titles_loaded_) {
    WarnIfIndexOutOfDate(state_);
    const std::string& project = targets_project_.empty() ? state_.project_path : targets_project_;
    for (const auto& entry : project::keyword_database_titles(core::companion_file(project, ".kdb")))
      dialog.add_item(IDC_GRAPHIC_TITLE_LIST, entry);
    titles_loaded_ = true;
  }
  dialog.show(IDC_GRAPHIC_CONTEXT_COMBO, !titles);
  dialog.show(IDC_GRAPHIC_TITLE_LIST, titles);
  dialog.show(IDC_GRAPHIC_TITLE_CONTEXT, titles);
}

void GraphicDialog::title_chosen(ui::Dialog& dialog) {
  const int at = dialog.selection(IDC_GRAPHIC_TITLE_LIST);
  if (at >= 0)
    dialog.set_text(IDC_GRAPHIC_TITLE_CONTEXT, ContextOfTitleEntry(dialog.item_text(IDC_GRAPHIC_TITLE_LIST, at)));
}

// The window editor starts at the window typed and leaves the combo on the
// window chosen last.
void GraphicDialog::edit_windows(ui::Dialog& dialog) {
  std::string name(text::trim(dialog.text(IDC_GRAPHIC_WINDOW_COMBO)));
  if (EditWindows(state_, dialog.handle(), name) != 1) return;
  fill_windows(dialog);
  const int at = name.empty() ? -1 : dialog.find_item(IDC_GRAPHIC_WINDOW_COMBO, name);
  if (at >= 0) dialog.set_selection(IDC_GRAPHIC_WINDOW_COMBO, at);
  else dialog.set_text(IDC_GRAPHIC_WINDOW_COMBO, name);
}

void GraphicDialog::open_related(ui::Dialog& dialog) {
  const bool unlisted = dialog.check(IDC_GRAPHIC_OTHER_FILE) == 1;
  const std::string file = unlisted ? std::string(text::trim(dialog.text(IDC_GRAPHIC_FILE_NAME))) : "";
  OpenRelatedProjectsList(state_, *this, dialog.handle(), file);
}

// "&Edit Macro...": the Macro Editor for a macro, the keyword-jump dialog
// (for a picture: no hotspot text, no bullet or border) for a keyword jump.
void GraphicDialog::edit_action(ui::Dialog& dialog) {
  if (action(dialog) == PictureAction::macro) {
    std::string macro = keyword_jump(macro_) ? std::string() : macro_;
    if (EditMacros(state_, dialog.handle(), MacroMode::hotspot, macro) == 1) macro_ = without_prefix(macro);
    return;
  }
  LinkRequest request;
  request.link_text = keyword_jump(macro_) ? macro_ : std::string();
  request.click_text = std::string(kPictureHotspot);
  if (RunLinkDialog(state_, dialog.handle(), request) == 1) macro_ = without_prefix(request.link_text);
}

ui::Dialog* GraphicDialog::shown() const {
  return handle_ != 0 ? ui::host().find_dialog(handle_) : nullptr;
}

// The lists show the chosen project's context strings and titles; what was
// typed for the old project no longer applies.
void GraphicDialog::load_targets(std::string_view project_path) {
  ui::Dialog* dialog = shown();
  if (dialog == nullptr) return;
  targets_project_ = is_current_project(state_, project_path) ? "" : std::string(project_path);
  fill_contexts(*dialog);
  dialog->set_text(IDC_GRAPHIC_CONTEXT_COMBO, "");
  dialog->set_text(IDC_GRAPHIC_TITLE_CONTEXT, "");
  dialog->clear_items(IDC_GRAPHIC_TITLE_LIST);
  titles_loaded_ = false;
  show_mode(*dialog, dialog->check(IDC_GRAPHIC_BY_TITLE) == 1);
}

bool GraphicDialog::other_file() const {
  const ui::Dialog* dialog = shown();
  return dialog != nullptr && dialog->check(IDC_GRAPHIC_OTHER_FILE) == 1;
}

void GraphicDialog::clear_other_file() {
  ui::Dialog* dialog = shown();
  if (dialog == nullptr) return;
  dialog->set_check(IDC_GRAPHIC_OTHER_FILE, 0);
  dialog->set_text(IDC_GRAPHIC_FILE_NAME, "");
  show_target_state(*dialog);
}

// An unlisted help file: the author types file and context string.
void GraphicDialog::set_unlisted(bool on) {
  ui::Dialog* dialog = shown();
  if (dialog == nullptr) return;
  dialog->set_check(IDC_GRAPHIC_OTHER_FILE, on ? 1 : 0);
  if (on) {
    dialog->set_check(IDC_GRAPHIC_BY_CONTEXT, 1);
    dialog->set_check(IDC_GRAPHIC_BY_TITLE, 0);
    show_mode(*dialog, false);
    dialog->set_text(IDC_GRAPHIC_FILE_NAME, "");
    dialog->set_text(IDC_GRAPHIC_CONTEXT_COMBO, "");
    dialog->set_text(IDC_GRAPHIC_TITLE_CONTEXT, "");
  }
  show_target_state(*dialog);
}

// The commands of the hotspot side; false for the others.
bool GraphicDialog::target_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  switch (id) {
    case IDC_GRAPHIC_HOTSPOT_CHECK:
    case IDC_GRAPHIC_JUMP_RADIO:
    case IDC_GRAPHIC_JUMP_RADIO + 1:
    case IDC_GRAPHIC_JUMP_RADIO + 2:
    case IDC_GRAPHIC_JUMP_RADIO + 3:
    case IDC_GRAPHIC_OTHER_FILE: show_target_state(dialog); return true;
    case IDC_GRAPHIC_BY_CONTEXT:
    case IDC_GRAPHIC_BY_TITLE: show_mode(dialog, dialog.check(IDC_GRAPHIC_BY_TITLE) == 1); return true;
    case IDC_GRAPHIC_TITLE_LIST:
      if (notify == ui::Notify::selection || notify == ui::Notify::double_clicked) title_chosen(dialog);
      return true;
    case IDC_GRAPHIC_FIND_CONTEXT: OpenContextFinder(state_, dialog.handle()); return true;
    case IDC_GRAPHIC_RELATED_PROJECTS: open_related(dialog); return true;
    case IDC_GRAPHIC_EDIT_WINDOWS: edit_windows(dialog); return true;
    case IDC_GRAPHIC_EDIT_MACRO_BUTTON: edit_action(dialog); return true;
    default: return false;
  }
}

bool GraphicDialog::refuse(ui::Dialog& dialog, const std::string& text, int focus) {
  core::show_message(state_, text, ui::kMbOk | ui::kMbIconStop);
  dialog.set_focus(focus);
  return false;
}

// The target as the jump dialog checks and writes it; kind_ and target_
// after it.
bool GraphicDialog::accept_target(ui::Dialog& dialog) {
  kind_ = kPicturePlain;
  target_.clear();
  if (dialog.check(IDC_GRAPHIC_HOTSPOT_CHECK) != 1) return true;
  const PictureAction chosen = action(dialog);
  if (chosen == PictureAction::macro || chosen == PictureAction::keyword_jump) {
    const bool missing = chosen == PictureAction::keyword_jump ? !keyword_jump(macro_)
                                                                : text::trim(macro_).empty() || macro_ == "!";
    if (missing) return refuse(dialog, message(kMsgEnterValue, "macro"), IDC_GRAPHIC_EDIT_MACRO_BUTTON);
    kind_ = kPictureMacro;
    target_ = macro_.front() == '!' ? macro_ : "!" + macro_;
    return true;
  }
  const bool titles = dialog.check(IDC_GRAPHIC_BY_TITLE) == 1;
  const int field = titles ? IDC_GRAPHIC_TITLE_CONTEXT : IDC_GRAPHIC_CONTEXT_COMBO;
  JumpTarget parts;
  parts.context = std::string(text::trim(dialog.text(field)));
  if (parts.context.empty()) return refuse(dialog, message(kMsgEnterValue, "context string"), field);
  if (!project::valid_context_chars(parts.context)) return refuse(dialog, std::string(project::kBadContextText), field);
  const bool unlisted = dialog.check(IDC_GRAPHIC_OTHER_FILE) == 1;
  const bool related = !unlisted && !targets_project_.empty();
  const bool known = unlisted || project_topics(state_, targets_project_).find(parts.context) >= 0;
  if (!known && !AllowUndefinedJumps(state_.data))
    return refuse(dialog, message(kMsgContextMissing, parts.context), field);
  const bool jump = chosen == PictureAction::jump;
  if (jump) parts.window = std::string(text::trim(dialog.text(IDC_GRAPHIC_WINDOW_COMBO)));
  if (!parts.window.empty() && !window_defined(state_, parts.window)) {
    refuse(dialog, message(kMsgUnknownWindow, parts.window), IDC_GRAPHIC_WINDOW_COMBO);
    edit_windows(dialog);
    return false;
  }
  if (related) parts.file = project_help_file(targets_project_);
  if (unlisted) {
    parts.file = std::string(text::trim(dialog.text(IDC_GRAPHIC_FILE_NAME)));
    if (parts.file.empty()) return refuse(dialog, core::resource_string(kMsgNoHelpFile), IDC_GRAPHIC_FILE_NAME);
  }
  kind_ = jump ? kPictureJump : kPicturePopup;
  target_ = ComposeJumpTarget(parts, jump);
  return true;
}

}  // namespace aids
