#include "contents/outline_entry_dialog.h"

#include "contents/entry_fields.h"
#include "contents/outline_entries.h"
#include "core/messages.h"
#include "platform/text.h"
#include "platform/ui/host.h"
#include "resources/trvwck32/outline.h"

namespace contents {
namespace {

constexpr int kMsgBlankItem = 10403;  // "You can't leave this item blank."

void refuse_blank(const core::CoreState& state, ui::Dialog& dialog, int field) {
  core::show_message(state, core::resource_string(kMsgBlankItem), ui::kMbOk | ui::kMbIconStop);
  dialog.set_focus(field);
}

}  // namespace

void DocumentDialog::on_init(ui::Dialog& dialog) {
  dialog.set_text(IDC_OUTEDDOC_NAME, name_);
  dialog.set_check(IDC_OUTEDDOC_EXTERNAL, external_ ? 1 : 0);
}

void DocumentDialog::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  if (id != ui::kIdOk) return ui::DialogProc::on_command(dialog, id, notify);
  const std::string name(text::trim(dialog.text(IDC_OUTEDDOC_NAME)));
  if (name.empty()) return refuse_blank(state_, dialog, IDC_OUTEDDOC_NAME);
  name_ = document_file_name(name);
  external_ = dialog.check(IDC_OUTEDDOC_EXTERNAL) == 1;
  dialog.end(1);
}

void HeadingDialog::on_init(ui::Dialog& dialog) {
  dialog.set_text(IDC_OUTED_HEADING, is_placeholder_title(heading_) ? std::string() : heading_);
  dialog.set_text(IDC_OUTED_TOPIC, context_);
}

void HeadingDialog::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  if (id != ui::kIdOk) return ui::DialogProc::on_command(dialog, id, notify);
  const std::string heading(text::trim(dialog.text(IDC_OUTED_HEADING)));
  const std::string context(text::trim(dialog.text(IDC_OUTED_TOPIC)));
  if (heading.empty() && context.empty()) return refuse_blank(state_, dialog, IDC_OUTED_HEADING);
  heading_ = heading;
  context_ = context;
  dialog.end(1);
}

std::optional<formats::CntEntry> edit_document(const core::CoreState& state, std::int32_t owner,
                                               const formats::CntEntry* existing) {
  DocumentDialog dialog(state, existing ? std::string(existing->title()) : std::string(),
                        existing && existing->target() == external_target);
  if (ui::host().run_modal(core::authoring_module(), "DLG_OUTEDDOC", dialog, owner) != 1) return std::nullopt;
  return make_document_entry(dialog.name(), dialog.external());
}

std::optional<formats::CntEntry> edit_heading(const core::CoreState& state, std::int32_t owner,
                                              const formats::CntEntry& existing) {
  HeadingDialog dialog(state, std::string(existing.title()), std::string(existing.target()));
  if (ui::host().run_modal(core::authoring_module(), "DLG_OUTED", dialog, owner) != 1) return std::nullopt;
  return make_heading_entry(dialog.heading(), dialog.context(), existing.level);
}

}  // namespace contents
