#include "aids/insert_button.h"

#include "aids/button_fields.h"
#include "aids/macro_text.h"
#include "aids/macro_editor.h"
#include "project/project_state.h"
#include "core/messages.h"
#include "project/topics/project_document.h"
#include "core/settings.h"
#include "platform/text.h"
#include "platform/ui/host.h"
#include "project/files/project_file.h"

namespace aids {

namespace {

// The preference that puts test buttons after jumps (TRVWCK6.INI).
constexpr std::string_view kTestButtonsKey = "Test Buttons";

bool offers_buttons(project::ProjectState& state) {
  if (state.win95_compiler || state.data.project.emulation) return true;
  core::show_message(state, kNeedsWin95Text, ui::kMbOk | ui::kMbIconExclamation);
  return false;
}

}  // namespace

InsertButtonDialog::InsertButtonDialog(project::ProjectState& state, std::string text, std::string existing)
    : state_(state), text_(std::move(text)) {
  if (existing.find('(') != std::string::npos) {
    ParsedButton parsed = parse_button_action(existing);
    kind_ = parsed.kind;
    target_ = parsed.target;
    macro_ = parsed.kind == kButtonMacro ? parsed.macro : std::string();
  } else {
    target_ = std::move(existing);
  }
}

void InsertButtonDialog::on_init(ui::Dialog& dialog) {
  dialog.set_text(kText, text_);
  for (const auto& t : state_.data.topics)
    if (t.live()) dialog.add_item(kContext, t.name());
  project::ListWindowNames(dialog, kWindow, state_.project_path, 0);
  const TargetParts parts = split_target(target_);
  dialog.set_text(kContext, parts.context);
  dialog.set_text(kWindow, parts.window);
  dialog.set_text(kFile, parts.file);
  dialog.set_check(kOtherFile, parts.file.empty() ? 0 : 1);
  // The keyword jump comes with the keyword-jump dialog.
  dialog.enable(kJump + 3, false);
  for (int i = 0; i < 4; ++i) dialog.set_check(kJump + i, kind_ == kButtonJump + i);
  show_kind(dialog);
}

void InsertButtonDialog::show_kind(ui::Dialog& dialog) {
  const bool target = dialog.check(kJump) == 1 || dialog.check(kJump + 1) == 1;
  dialog.enable(kContext, target);
  dialog.enable(kOtherFile, target);
  dialog.show(kFile, target && dialog.check(kOtherFile) == 1);
  dialog.enable(kWindow, dialog.check(kJump) == 1);
  dialog.enable(kEditMacro, dialog.check(kJump + 2) == 1);
}

void InsertButtonDialog::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  if ((id >= kJump && id <= kJump + 3) || id == kOtherFile) return show_kind(dialog);
  if (id == kEditMacro) {
    EditMacros(state_, dialog.handle(), MacroMode::hotspot, macro_);
    return;
  }
  if (id == ui::kIdOk) return accept(dialog);
  ui::DialogProc::on_command(dialog, id, notify);
}

void InsertButtonDialog::accept(ui::Dialog& dialog) {
  for (int i = 0; i < 3; ++i)
    if (dialog.check(kJump + i) == 1) kind_ = kButtonJump + i;
  text_ = std::string(text::trim(dialog.text(kText)));
  TargetParts parts;
  parts.context = std::string(text::trim(dialog.text(kContext)));
  parts.window = kind_ == kButtonJump ? std::string(text::trim(dialog.text(kWindow))) : std::string();
  if (dialog.check(kOtherFile) == 1) parts.file = std::string(text::trim(dialog.text(kFile)));
  target_ = join_target(parts);
  const bool needs_target = kind_ != kButtonMacro;
  const std::string_view missing = needs_target ? (parts.context.empty() ? "context string" : "")
                                                : (text::trim(macro_).empty() || macro_ == "!" ? "macro" : "");
  if (!missing.empty()) {
    core::show_message(state_, text::format(std::string(kEnterValueText).c_str(), std::string(missing).c_str()),
                       ui::kMbOk | ui::kMbIconExclamation);
    dialog.set_focus(needs_target ? kContext : kEditMacro);
    return;
  }
  dialog.end(1);
}

int InsertButton(project::ProjectState& state, std::int32_t window, std::string_view document,
                 std::string_view text, std::string_view existing, InsertButtonResult& out) {
  if (!offers_buttons(state)) return 0;
  if (!document.empty() && !project::CheckProjectDocument(state, document)) return 0;
  InsertButtonDialog dialog(state, printable_text(text), printable_text(existing));
  if (ui::host().run_modal(core::authoring_module(), "DLG_INS_BUTTON", dialog, core::dialog_owner(state, window)) != 1)
    return 0;
  const std::string action = button_action(dialog.kind(), dialog.target(), dialog.macro(), state.project_path);
  // A blank caption makes a bullet button; the caller gets one blank back.
  const std::string caption = dialog.text().empty() ? std::string(" ") : dialog.text();
  out.field = button_field(dialog.text(), action, state.win95_compiler != 0);
  out.text = state.options.wys_picts ? caption : std::string();
  const bool other_file = !split_target(dialog.target()).file.empty();
  const bool test_buttons = core::read_setting_int(kTestButtonsKey, 0) != 0 && !other_file;
  out.test_flag = std::string(1, test_buttons ? '1' : '0');
  return dialog.kind();
}

int InsertShortcut(project::ProjectState& state, std::int32_t window, std::string_view document,
                   std::string& macro, std::string& picture) {
  if (!offers_buttons(state)) return 0;
  if (!document.empty() && !project::CheckProjectDocument(state, document)) return 0;
  std::string edited = printable_text(macro);
  if (!edited.empty() && edited.front() != '!') edited = edited.substr(0, edited.find(' '));
  if (EditMacros(state, window, MacroMode::shortcut, edited) != 1) return 0;
  if (!edited.empty() && edited.front() != '!') edited.insert(0, 1, '!');
  macro = edited;
  std::string folder = state.settings.bitmap_dir;
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  picture = state.options.wys_picts ? folder + "std_bmps\\shortcut.bmp" : std::string("shortcut.bmp");
  return 4;
}

}  // namespace aids
