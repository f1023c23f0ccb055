// "DLG_PREF" and "DLG_APPHLP", the preferences and the application-help
// (context map) settings of the project dialog.
#include "project/project_state.h"
#include "core/messages.h"
#include "core/settings.h"
#include "platform/text.h"
#include "project/files/context_rules.h"
#include "project/files/project_data.h"
#include "project/dialogs/project_dialogs.h"
#include "project/files/project_file.h"

namespace project {
namespace {

constexpr std::string_view kHeaderNameText =
    "The context map file needs a name of at most 11 characters, such as cntxmap.h.";

}  // namespace

PreferencesDialog::PreferencesDialog(ProjectState& state) : state_(state) {}

void PreferencesDialog::on_init(ui::Dialog& dialog) {
  const int rule = state_.settings.long_names;
  for (int i = 0; i < 3; ++i) dialog.set_check(kLongNamesRefuse + i, i == rule ? 1 : 0);
  dialog.set_check(kShowErrors, core::read_setting_int("show errors", 1) != 0 ? 1 : 0);
  dialog.set_text(kPrefix, state_.data.topics.prefix);
}

void PreferencesDialog::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  if (id != ui::kIdOk) return ui::DialogProc::on_command(dialog, id, notify);
  if (accept(dialog)) dialog.end(1);
}

// The prefix starts every generated context string, so it must be one.
bool PreferencesDialog::accept(ui::Dialog& dialog) {
  std::string prefix(text::trim(dialog.text(kPrefix)));
  if (!prefix.empty() &&
      (!valid_context_chars(prefix) || prefix.size() > static_cast<size_t>(kPrefixMax))) {
    core::show_message(state_, kBadContextText, ui::kMbOk | ui::kMbIconStop);
    dialog.set_focus(kPrefix);
    return false;
  }
  int rule = 1;
  for (int i = 0; i < 3; ++i) {
    if (dialog.check(kLongNamesRefuse + i) == 1) rule = i;
  }
  state_.settings.long_names = rule;
  core::write_setting("Long Names", text::format("%d", rule));
  core::write_setting("show errors", dialog.check(kShowErrors) == 1 ? "1" : "0");
  if (prefix != state_.data.topics.prefix) {
    state_.data.topics.prefix = prefix;
    state_.data_dirty = true;
  }
  return true;
}

AppHelpDialog::AppHelpDialog(ProjectState& state) : state_(state) {}

void AppHelpDialog::on_init(ui::Dialog& dialog) {
  const ContextMapSettings& map = state_.data.map;
  for (int i = 0; i <= kMapAll; ++i) dialog.set_check(kModeNone + i, i == map.mode ? 1 : 0);
  dialog.set_text(kHeader, map.header);
  dialog.set_text(kSource, map.source);
  dialog.set_text(kIncludes, state_.data.project.extra_includes);
}

void AppHelpDialog::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  if (id == kBrowseSource) {
    ui::FileDialogRequest request;
    request.filter = "*.h";
    request.title = "Context Map Source";
    if (auto path = ui::host().file_dialog(dialog.handle(), request)) dialog.set_text(kSource, *path);
    return;
  }
  if (id != ui::kIdOk) return ui::DialogProc::on_command(dialog, id, notify);
  if (accept(dialog)) dialog.end(1);
}

// A map mode from 1 on puts the header first in [MAP].
bool AppHelpDialog::accept(ui::Dialog& dialog) {
  int mode = kMapNone;
  for (int i = 0; i <= kMapAll; ++i) {
    if (dialog.check(kModeNone + i) == 1) mode = i;
  }
  std::string header(text::trim(dialog.text(kHeader)));
  if (mode != kMapNone && (header.empty() || header.size() > static_cast<size_t>(kMapHeaderMax) ||
                           !valid_file_name(header))) {
    core::show_message(state_, kHeaderNameText, ui::kMbOk | ui::kMbIconStop);
    dialog.set_focus(kHeader);
    return false;
  }
  ContextMapSettings& map = state_.data.map;
  map.mode = mode;
  if (!header.empty()) map.header = header;
  map.source = std::string(text::trim(dialog.text(kSource)));
  ProjectFileModel& m = state_.data.project;
  m.extra_includes = std::string(text::trim(dialog.text(kIncludes)));
  if (mode != kMapNone) m.map_include = map.header;
  state_.data_dirty = true;
  if (state_.win95_compiler && state_.compiler_kind != 2) {
    ReplaceProjectSection(state_, SectionKind::map);
  } else {
    WriteProjectFile(state_, 0, state_.project_path);
  }
  return true;
}

}  // namespace project
