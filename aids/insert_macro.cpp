#include "aids/insert_macro.h"

#include <algorithm>

#include "aids/jump_preferences.h"
#include "aids/jump_target.h"
#include "aids/macro_editor.h"
#include "aids/macro_text.h"
#include "core/messages.h"
#include "platform/text.h"
#include "project/project_state.h"
#include "project/topics/project_document.h"
#include "resources/trvwck32/hotspot_macro.h"

namespace aids {
namespace {

constexpr int kWin31OnlyText = 11501;  // "This command is available only while using the Windows 3.1 ..."
constexpr int kEnterValueText = 10014;  // "You must enter a value for the %s"

bool is_prefix(char c) { return c == '%' || c == '*'; }

}  // namespace

InsertMacroDialog::InsertMacroDialog(project::ProjectState& state, std::string click_text, std::string macro,
                                     int colour)
    : state_(state), click_text_(std::move(click_text)), colour_(colour) {
  if (!macro.empty() && is_prefix(macro.front())) {
    prefix_ = macro.front();
    macro.erase(0, 1);
  }
  // Only a hotspot macro is edited; anything else starts afresh.
  if (macro.empty() || macro.front() != '!') {
    prefix_ = 0;
    return;
  }
  macros_ = macro;
  editing_ = true;
}

void InsertMacroDialog::on_init(ui::Dialog& dialog) {
  dialog.set_text(IDC_INS_MACRO_TEXT, click_text_);
  dialog.set_text(IDC_INS_MACRO_MACRO, macros_);
  for (int i = 0; i < kColourCount; ++i) {
    std::string name = core::resource_string(kFirstColourString + i);
    dialog.add_item(IDC_INS_MACRO_COLOUR, name.empty() ? kColourNames[static_cast<size_t>(i)] : name);
  }
  int colour = editing_ ? 0 : colour_;
  bool custom = prefix_ != 0, underline = prefix_ == '*', as_default = false;
  const HotspotDefaults defaults = ReadHotspotDefaults();
  if (defaults.colour >= 0) {
    colour = defaults.colour;
    custom = as_default = true;
    underline = prefix_ != 0 ? prefix_ == '*' : defaults.underline;
  }
  dialog.set_check(IDC_INS_MACRO_CUSTOM, custom ? 1 : 0);
  dialog.set_check(IDC_INS_MACRO_UNDERLINE, underline ? 1 : 0);
  dialog.set_check(IDC_INS_MACRO_AS_DEFAULT, as_default ? 1 : 0);
  dialog.set_selection(IDC_INS_MACRO_COLOUR, std::clamp(colour, 0, kColourCount - 1));
  dialog.set_check(IDC_INS_MACRO_SELECTED_ONLY, 1);
  dialog.set_check(IDC_INS_MACRO_ALL, 0);
  // An existing hotspot is changed where it stands.
  dialog.enable(IDC_INS_MACRO_ALL, !editing_);
  show_custom(dialog);
  show_scope(dialog);
}

void InsertMacroDialog::show_custom(ui::Dialog& dialog) {
  const bool custom = dialog.check(IDC_INS_MACRO_CUSTOM) == 1;
  for (int id : {IDC_INS_MACRO_UNDERLINE, IDC_INS_MACRO_COLOUR, IDC_INS_MACRO_AS_DEFAULT}) dialog.show(id, custom);
}

void InsertMacroDialog::show_scope(ui::Dialog& dialog) {
  const bool all = dialog.check(IDC_INS_MACRO_ALL) == 1;
  dialog.enable(IDC_INS_MACRO_MATCH_CASE, all);
  dialog.enable(IDC_INS_MACRO_PROMPT_EACH, all);
}

void InsertMacroDialog::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  switch (id) {
    case IDC_INS_MACRO_CUSTOM:
      return show_custom(dialog);
    case IDC_INS_MACRO_SELECTED_ONLY:
    case IDC_INS_MACRO_ALL:
      return show_scope(dialog);
    case IDC_INS_MACRO_EDIT:
      return edit_macro(dialog);
    case ui::kIdOk:
      return accept(dialog);
    default:
      ui::DialogProc::on_command(dialog, id, notify);
  }
}

void InsertMacroDialog::edit_macro(ui::Dialog& dialog) {
  std::string edited = macros_;
  if (EditMacros(state_, dialog.handle(), MacroMode::hotspot, edited) != 1) return;
  macros_ = edited;
  dialog.set_text(IDC_INS_MACRO_MACRO, macros_);
}

void InsertMacroDialog::accept(ui::Dialog& dialog) {
  if (text::trim(macros_).empty() || macros_ == "!") {
    core::show_message(state_, text::format(core::resource_string(kEnterValueText).c_str(), "macro"),
                       ui::kMbOk | ui::kMbIconExclamation);
    dialog.set_focus(IDC_INS_MACRO_EDIT);
    return;
  }
  const bool custom = dialog.check(IDC_INS_MACRO_CUSTOM) == 1;
  const bool underline = dialog.check(IDC_INS_MACRO_UNDERLINE) == 1;
  const int colour = custom ? std::max(dialog.selection(IDC_INS_MACRO_COLOUR), 0) : 0;
  result_ = custom ? std::string(1, underline ? '*' : '%') + macros_ : macros_;
  format_ = "0" + std::to_string(colour);
  const bool as_default = custom && dialog.check(IDC_INS_MACRO_AS_DEFAULT) == 1;
  WriteHotspotDefaults(as_default ? colour : -1, underline);
  scope_ = ScopeCode(dialog.check(IDC_INS_MACRO_ALL) == 1, dialog.check(IDC_INS_MACRO_PROMPT_EACH) == 1,
                     dialog.check(IDC_INS_MACRO_MATCH_CASE) == 1);
  dialog.end(scope_);
}

int InsertMacro(project::ProjectState& state, std::int32_t window, std::string_view document,
                std::string_view click_text, std::string& macro, std::string& format) {
  if (state.compiler_kind == 2) {
    core::show_message(state, core::resource_string(kWin31OnlyText), ui::kMbOk | ui::kMbIconExclamation);
    return 0;
  }
  const std::string click = printable_text(text::cut(click_text, kMacroHotspotMax));
  if (click.empty()) {
    core::show_message(state, core::resource_string(kSelectClickText), ui::kMbOk | ui::kMbIconExclamation);
    return 0;
  }
  if (!document.empty() && !project::CheckProjectDocument(state, document)) return 0;
  const int colour = static_cast<int>(static_cast<short>(text::parse_int(format)));
  InsertMacroDialog dialog(state, click, printable_text(macro), colour);
  const int scope =
      ui::host().run_modal(core::authoring_module(), "DLG_INS_MACRO", dialog, core::dialog_owner(state, window));
  if (scope == 0) return 0;
  macro = dialog.macro();
  format = dialog.format();
  return scope;
}

}  // namespace aids
