// "DLG_MORE_OPT" and "DLG_MORE_OPT2": the help compiler's options.
#include <algorithm>

#include "project/project_state.h"
#include "core/messages.h"
#include "core/settings.h"
#include "platform/text.h"
#include "project/files/project_data.h"
#include "project/dialogs/project_dialogs.h"

namespace project {
namespace {

// Languages the Windows 3.1 compiler sorts by, and fonts offered for FORCEFONT.
constexpr const char* kLanguages[] = {"", "scandinavian"};
constexpr const char* kFonts[] = {"",     "Arial",  "Courier New", "Times New Roman", "MS Sans Serif",
                                  "Helv", "Tms Rmn"};

std::string field(const ui::Dialog& dialog, int id, int max) {
  return text::cut(text::trim(dialog.text(id)), static_cast<size_t>(max));
}

// One character per footnote letter, each once, blanks left out.
std::string multikey_letters(std::string_view typed) {
  std::string out;
  for (char c : typed) {
    if (c != ' ' && c != ',' && out.find(c) == std::string::npos) out += c;
  }
  return out;
}

int checked_index(const ui::Dialog& dialog, int first, int count) {
  for (int i = 0; i < count; ++i) {
    if (dialog.check(first + i) == 1) return i;
  }
  return 0;
}

}  // namespace

CompilerOptionsDialog::CompilerOptionsDialog(ProjectState& state, ProjectFileModel& model)
    : state_(state), model_(model) {}

void CompilerOptionsDialog::on_init(ui::Dialog& dialog) {
  dialog.set_text(kTitle, model_.title);
  dialog.set_text(kContents, model_.contents_topic);
  dialog.set_text(kBitmapRoots, model_.bitmap_roots);
  const int warning = std::clamp(model_.warning_level, 1, 3);
  for (int i = 0; i < 3; ++i) dialog.set_check(kWarnAll + i, 3 - i == warning ? 1 : 0);
  for (int i = 0; i < 3; ++i) dialog.set_check(kCompressNone + i, i == model_.compression ? 1 : 0);
  dialog.set_check(kBackground, state_.settings.compile_in_background ? 1 : 0);
  dialog.set_check(kBeep, state_.settings.compile_beep ? 1 : 0);
}

void CompilerOptionsDialog::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  if (id == kMoreOptions) {
    MoreCompilerOptionsDialog more(state_, model_);
    ui::host().run_modal(core::authoring_module(), "DLG_MORE_OPT2", more, dialog.handle());
    return;
  }
  if (id != ui::kIdOk) return ui::DialogProc::on_command(dialog, id, notify);
  model_.title = field(dialog, kTitle, kTitleMax);
  model_.contents_topic = field(dialog, kContents, kContentsTopicMax);
  model_.bitmap_roots = std::string(text::trim(dialog.text(kBitmapRoots)));
  model_.warning_level = 3 - checked_index(dialog, kWarnAll, 3);
  model_.compression = checked_index(dialog, kCompressNone, 3);
  state_.settings.compile_in_background = dialog.check(kBackground) == 1;
  state_.settings.compile_beep = dialog.check(kBeep) == 1;
  core::write_setting("COMPILE IN BKGRND", state_.settings.compile_in_background ? "1" : "0");
  core::write_setting("COMPILE BEEP", state_.settings.compile_beep ? "1" : "0");
  dialog.end(1);
}

MoreCompilerOptionsDialog::MoreCompilerOptionsDialog(ProjectState& state, ProjectFileModel& model)
    : state_(state), model_(model) {}

void MoreCompilerOptionsDialog::on_init(ui::Dialog& dialog) {
  dialog.set_text(kCopyright, model_.copyright);
  dialog.set_text(kCitation, model_.citation);
  dialog.set_text(kBuild, model_.build_expression);
  for (const auto& tag : state_.data.build_tags) dialog.add_item(kBuildTags, tag);
  dialog.set_text(kIcon, model_.icon);
  for (const char* language : kLanguages) dialog.add_item(kLanguage, language);
  dialog.set_text(kLanguage, model_.language);
  dialog.set_text(kMultikey, model_.multikey_chars);
  dialog.set_check(kCdrom, model_.cdrom ? 1 : 0);
  dialog.set_check(kOldKeyphrase, model_.old_keyphrase ? 1 : 0);
  for (const char* font : kFonts) dialog.add_item(kForceFont, font);
  dialog.set_text(kForceFont, model_.force_font);
}

void MoreCompilerOptionsDialog::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  if (id == kBuildTags && notify == ui::Notify::double_clicked) return insert_tag(dialog);
  if (id == ui::kIdOk) return accept(dialog);
  ui::DialogProc::on_command(dialog, id, notify);
}

// The chosen tag joins the expression, with a blank before it.
void MoreCompilerOptionsDialog::insert_tag(ui::Dialog& dialog) {
  int index = dialog.selection(kBuildTags);
  if (index < 0) return;
  std::string build(text::trim_right(dialog.text(kBuild)));
  if (!build.empty()) build += ' ';
  dialog.set_text(kBuild, build + dialog.item_text(kBuildTags, index));
  dialog.set_focus(kBuild);
}

void MoreCompilerOptionsDialog::accept(ui::Dialog& dialog) {
  model_.copyright = field(dialog, kCopyright, kCopyrightMax);
  model_.citation = std::string(text::trim(dialog.text(kCitation)));
  model_.build_expression = std::string(text::trim(dialog.text(kBuild)));
  model_.icon = field(dialog, kIcon, kIconMax);
  model_.language = field(dialog, kLanguage, kLanguageMax);
  model_.multikey_chars = multikey_letters(dialog.text(kMultikey));
  model_.cdrom = dialog.check(kCdrom) == 1;
  model_.old_keyphrase = dialog.check(kOldKeyphrase) == 1;
  model_.force_font = field(dialog, kForceFont, kForceFontMax);
  dialog.end(1);
}

}  // namespace project
