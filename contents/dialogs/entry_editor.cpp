#include "contents/dialogs/entry_editor.h"

#include "aids/macro_editor.h"
#include "core/messages.h"
#include "platform/ui/host.h"
#include "project/project_state.h"

namespace contents {
namespace {

constexpr int kMsgBlankItem = 62;
constexpr int kTopicCaption = 10092;
constexpr int kBookCaption = 10093;
constexpr int kAddMacroCaption = 10094;

}  // namespace

const char* entry_template(EntryKind kind) {
  return kind == EntryKind::macro || kind == EntryKind::new_macro ? "DLG_CNTMAC" : "DLG_CNTED";
}

EntryKind entry_kind(const CntEntry& entry) {
  if (entry.is_macro()) return EntryKind::macro;
  return entry.is_topic() ? EntryKind::topic : EntryKind::book;
}

EntryEditor::EntryEditor(project::ProjectState& state, EntryKind kind, std::string text)
    : state_(state), kind_(kind) {
  CntEntry entry{1, std::move(text), false};
  fields_ = split_entry(entry);
}

void EntryEditor::on_init(ui::Dialog& dialog) {
  if (kind_ == EntryKind::topic) dialog.set_caption(core::resource_string(kTopicCaption));
  if (kind_ == EntryKind::book) dialog.set_caption(core::resource_string(kBookCaption));
  if (kind_ == EntryKind::new_macro) dialog.set_caption(core::resource_string(kAddMacroCaption));
  // A placeholder title ("# {context}") is no title of the author's.
  dialog.set_text(kTitle, is_placeholder_title(fields_.title) ? std::string() : fields_.title);
  dialog.set_text(kTarget, fields_.target);
  if (kind_ == EntryKind::book) {
    for (int id : {kTarget, kFile, kWindow, kExternal, IDC_CNTED_TARGET_LABEL, IDC_CNTED_FILE_LABEL,
                   IDC_CNTED_WINDOW_LABEL})
      dialog.show(id, false);
  }
  if (kind_ == EntryKind::topic) {
    dialog.set_text(kFile, fields_.file);
    dialog.set_text(kWindow, fields_.window);
    dialog.set_check(kExternal, fields_.target == external_target ? 1 : 0);
  }
  dialog.set_focus(kTitle);
}

void EntryEditor::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  switch (id) {
    case kExternal:
      if (dialog.check(kExternal) == 1) dialog.set_text(kTarget, external_target);
      return;
    case kEditMacro:
      return edit_macro(dialog);
    case ui::kIdOk:
      return accept(dialog);
    default:
      ui::DialogProc::on_command(dialog, id, notify);
  }
}

// The catalogue edits the macro without its "!"; the field keeps the form
// the entry stores.
void EntryEditor::edit_macro(ui::Dialog& dialog) {
  std::string macros = dialog.text(kTarget);
  const auto start = macros.find_first_not_of(' ');
  macros = start == std::string::npos ? std::string() : macros.substr(start);
  if (macros.starts_with('!')) macros.erase(0, 1);
  if (aids::EditMacros(state_, dialog.handle(), aids::MacroMode::plain, macros) == 1)
    dialog.set_text(kTarget, "!" + macros);
}

void EntryEditor::accept(ui::Dialog& dialog) {
  EntryFields fields;
  fields.title = dialog.text(kTitle);
  const bool need_target = kind_ != EntryKind::book;
  if (need_target) fields.target = dialog.text(kTarget);
  if (kind_ == EntryKind::topic) {
    fields.file = dialog.text(kFile);
    fields.window = dialog.text(kWindow);
  }
  const BlankField blank = blank_field(fields, need_target);
  if (blank != BlankField::none) {
    core::show_message(state_, core::resource_string(kMsgBlankItem), ui::kMbOk | ui::kMbIconStop);
    dialog.set_focus(blank == BlankField::title ? kTitle : kTarget);
    return;
  }
  result_ = compose_entry(std::move(fields), macro());
  dialog.end(1);
}

std::string edit_entry(project::ProjectState& state, ui::Handle owner, EntryKind kind, std::string text) {
  EntryEditor editor(state, kind, std::move(text));
  if (ui::host().run_modal(core::authoring_module(), entry_template(kind), editor, owner) != 1) return {};
  return editor.result();
}

}  // namespace contents
