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

constexpr int kMsgEnterValue = 10014;  // "You must enter a value for the %s"

// The controls that name a target topic.
constexpr int kTargetControls[] = {IDC_GRAPHIC_CONTEXT_COMBO, IDC_GRAPHIC_TITLE_LIST,  IDC_GRAPHIC_TITLE_CONTEXT,
                                   IDC_GRAPHIC_BY_CONTEXT,    IDC_GRAPHIC_BY_TITLE,    IDC_GRAPHIC_FIND_CONTEXT,
                                   IDC_GRAPHIC_RELATED_PROJECTS, IDC_GRAPHIC_OTHER_FILE, IDC_GRAPHIC_FILE_NAME};

std::string message(int id, std::string_view argument) {
  return text::format(core::resource_string(id).c_str(), std::string(argument).c_str());
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
  fields_.fill_contexts(dialog);
  fields_.fill_windows(dialog);
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
  fields_.show_mode(dialog, false);
  // A target in another help file is most likely in a related project.
  if (!ParseJumpTarget(target_).file.empty() && macro_.empty() && !state_.settings.work_group_file.empty())
    open_related(dialog);
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

// The window editor starts at the window typed and leaves the combo on the
// window chosen last.
void GraphicDialog::edit_windows(ui::Dialog& dialog) {
  std::string name(text::trim(dialog.text(IDC_GRAPHIC_WINDOW_COMBO)));
  if (EditWindows(state_, dialog.handle(), name) != 1) return;
  fields_.fill_windows(dialog);
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

void GraphicDialog::load_targets(std::string_view project_path) {
  if (ui::Dialog* dialog = shown()) fields_.load_targets(*dialog, project_path);
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
    fields_.show_mode(*dialog, false);
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
    case IDC_GRAPHIC_BY_TITLE: fields_.show_mode(dialog, dialog.check(IDC_GRAPHIC_BY_TITLE) == 1); return true;
    case IDC_GRAPHIC_TITLE_LIST:
      if (notify == ui::Notify::selection || notify == ui::Notify::double_clicked) fields_.chosen_title_context(dialog);
      return true;
    case IDC_GRAPHIC_FIND_CONTEXT: OpenContextFinder(state_, dialog.handle()); return true;
    case IDC_GRAPHIC_RELATED_PROJECTS: open_related(dialog); return true;
    case IDC_GRAPHIC_EDIT_WINDOWS: edit_windows(dialog); return true;
    case IDC_GRAPHIC_EDIT_MACRO_BUTTON: edit_action(dialog); return true;
    default: return false;
  }
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
    if (missing) return fields_.refuse(dialog, message(kMsgEnterValue, "macro"), IDC_GRAPHIC_EDIT_MACRO_BUTTON);
    kind_ = kPictureMacro;
    target_ = macro_.front() == '!' ? macro_ : "!" + macro_;
    return true;
  }
  const bool jump = chosen == PictureAction::jump;
  JumpTarget parts;
  parts.context = fields_.typed_context(dialog);
  switch (fields_.check(dialog, jump, parts)) {
    case TargetCheck::refused: return false;
    case TargetCheck::unknown_window: edit_windows(dialog); return false;
    case TargetCheck::accepted: break;
  }
  kind_ = jump ? kPictureJump : kPicturePopup;
  target_ = ComposeJumpTarget(parts, jump);
  return true;
}

}  // namespace aids
