#include "aids/link_options.h"

#include <algorithm>

#include "aids/jump_target.h"
#include "core/help_commands.h"
#include "aids/aids_state.h"
#include "core/messages.h"
#include "core/settings.h"
#include "platform/profile.h"
#include "platform/text.h"
#include "formats/help_contexts.h"

namespace aids {
namespace {

constexpr int kOptionsHelpContext = help_contexts::kKeywordLinkOptions;

std::string read_text(std::string_view file, std::string_view key, std::string_view def, int size) {
  return platform::get_profile_string(core::kOptionSection, key, def, size, file);
}

void write_text(std::string_view file, std::string_view key, std::string_view value) {
  platform::write_profile_string(core::kOptionSection, key, value, file);
}

}  // namespace

LinkDefaults ReadLinkDefaults(std::string_view option_file) {
  LinkDefaults d;
  d.klink = core::read_project_int(option_file, "KA") == 0;
  d.type = core::read_project_int(option_file, "LT");
  d.colour = core::read_project_int(option_file, "LC");
  d.prefix = read_text(option_file, "LR", "%", 2);
  if (d.prefix != "%" && d.prefix != "*") d.prefix.clear();
  d.not_found = read_text(option_file, "LD", "", kNotFoundMax + 1);
  d.window = read_text(option_file, "LW", "", kLinkWindowMax + 1);
  return d;
}

void WriteLinkKind(std::string_view option_file, bool klink) {
  core::write_project_int(option_file, "KA", klink ? 0 : 1);
}

void WriteLinkDefaults(std::string_view option_file, const LinkDefaults& d) {
  platform::ProfileBatch batch(option_file);
  core::write_project_int(option_file, "LT", d.type);
  core::write_project_int(option_file, "LC", d.colour);
  write_text(option_file, "LD", d.not_found);
  write_text(option_file, "LW", d.window);
  write_text(option_file, "LR", d.prefix.empty() ? " " : d.prefix);
}

void LinkOptionsDialog::on_init(ui::Dialog& dialog) {
  const KeywordLink& link = *options_.link;
  dialog.set_check(kJumpIfOne, (link.type & kJumpIfOneTopic) ? 1 : 0);
  dialog.set_check(kShowTitle, (link.type & kShowHelpFileTitle) ? 1 : 0);
  dialog.set_text(kNotFound, link.not_found);
  for (const auto& w : state_.data.windows) dialog.add_item(kWindow, w.name);
  if (int at = dialog.find_item(kWindow, link.window); at >= 0) dialog.set_selection(kWindow, at);
  else dialog.set_text(kWindow, link.window);
  for (auto name : kColourNames) dialog.add_item(kColour, name);
  dialog.set_check(kCustomColour, link.prefix.empty() ? 0 : 1);
  dialog.set_check(kUnderline, link.prefix == "*" ? 1 : 0);
  dialog.set_selection(kColour, std::clamp(options_.colour, 0, kColourCount - 1));
  dialog.set_check(kAsDefaults, 0);
  if (options_.picture) {
    for (int id : {kCustomColour, kUnderline, kColour}) dialog.enable(id, false);
  }
  show_custom(dialog);
}

void LinkOptionsDialog::show_custom(ui::Dialog& dialog) {
  const bool custom = dialog.check(kCustomColour) == 1;
  dialog.show(kUnderline, custom);
  dialog.show(kColour, custom);
}

void LinkOptionsDialog::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  if (id == kCustomColour) return show_custom(dialog);
  if (id == kHelp) {
    core::ProductHelpContext(state_, dialog.handle(), kOptionsHelpContext);
    return;
  }
  if (id != ui::kIdOk) return ui::DialogProc::on_command(dialog, id, notify);
  accept(dialog);
  dialog.end(1);
}

void LinkOptionsDialog::accept(ui::Dialog& dialog) {
  KeywordLink& link = *options_.link;
  link.type = (dialog.check(kJumpIfOne) == 1 ? kJumpIfOneTopic : 0) |
              (dialog.check(kShowTitle) == 1 ? kShowHelpFileTitle : 0);
  link.not_found = text::cut(text::trim(dialog.text(kNotFound)), kNotFoundMax);
  link.window = text::cut(text::trim(dialog.text(kWindow)), kLinkWindowMax);
  const bool custom = dialog.check(kCustomColour) == 1;
  link.prefix.clear();
  if (custom) link.prefix.push_back(dialog.check(kUnderline) == 1 ? '*' : '%');
  options_.colour = custom ? std::max(dialog.selection(kColour), 0) : -1;
  if (dialog.check(kAsDefaults) != 1) return;
  LinkDefaults d;
  d.type = link.type;
  d.colour = options_.colour;
  d.not_found = link.not_found;
  d.window = link.window;
  d.prefix = link.prefix;
  WriteLinkDefaults(core::option_file_path(state_.project_path), d);
}

}  // namespace aids
