#include "aids/bullet_dialog.h"

#include "aids/bullet_drawing.h"

#include "core/help_commands.h"
#include "core/messages.h"
#include "core/settings.h"
#include "formats/bitmap_roots.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "platform/ui/dialog.h"
#include "platform/ui/host.h"
#include "platform/ui/resources.h"
#include "project/files/project_file.h"
#include "project/project_state.h"
#include "resources/trvwck32/pictures.h"

namespace aids {

namespace {

constexpr int kBulletsRoom = 5000;
constexpr int kIdHelp = 9;

std::string joined(const std::vector<std::string>& names) {
  std::string out;
  for (const std::string& name : names) out += (out.empty() ? "" : ";") + name;
  return out;
}

std::vector<std::string> split_names(std::string_view list) {
  std::vector<std::string> names;
  for (const std::string& piece : text::split(list, ';'))
    if (!text::trim(piece).empty()) names.emplace_back(text::trim(piece));
  return names;
}

class BulletDialog : public ui::DialogProc {
 public:
  explicit BulletDialog(project::ProjectState& state)
      : state_(state), names_(split_names(core::read_setting(kBulletsKey, "", kBulletsRoom))) {}

  void on_init(ui::Dialog& dialog) override {
    fill_list(dialog);
    const std::string& chosen = state_.settings.bullet_type;
    const bool bitmap = !text::trim(chosen).empty();
    dialog.set_check(IDC_BULLETS_STANDARD_RADIO, bitmap ? 0 : 1);
    dialog.set_check(IDC_BULLETS_STANDARD_RADIO + 1, bitmap ? 1 : 0);
    if (bitmap) dialog.set_selection(IDC_BULLETS_LIST, dialog.find_item(IDC_BULLETS_LIST, chosen));
    paint_bullet_list(state_, dialog, IDC_BULLETS_LIST);
  }

  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override {
    switch (id) {
      case IDC_BULLETS_ADD_BUTTON: return add(dialog);
      case IDC_BULLETS_REMOVE_BUTTON: return remove(dialog);
      case IDC_BULLETS_LIST:
        if (notify == ui::Notify::selection) paint_bullet_list(state_, dialog, IDC_BULLETS_LIST);
        return;
      case kIdHelp:
        core::ProductHelpContext(state_, dialog.handle(), kBulletHelpContext);
        return;
      case ui::kIdOk: return accept(dialog);
      default: ui::DialogProc::on_command(dialog, id, notify);
    }
  }

 private:
  void fill_list(ui::Dialog& dialog) {
    dialog.clear_items(IDC_BULLETS_LIST);
    for (const std::string& name : listed_bullets(state_, joined(names_))) dialog.add_item(IDC_BULLETS_LIST, name);
    paint_bullet_list(state_, dialog, IDC_BULLETS_LIST);
  }

  // A picture from the bitmap directory joins the list.
  void add(ui::Dialog& dialog) {
    ui::FileDialogRequest request;
    request.filter = "*.bmp";
    request.initial_dir = state_.settings.bitmap_dir;
    std::optional<std::string> chosen = ui::host().file_dialog(dialog.handle(), request);
    if (!chosen) return;
    const std::string folder(platform::directory_of(*chosen));
    if (!text::iequals(platform::to_host_path(folder), platform::to_host_path(state_.settings.bitmap_dir))) {
      const std::string message = ui::load_string(core::authoring_module(), kStrBulletFolder);
      core::show_message(state_, text::format(message.c_str(), state_.settings.bitmap_dir.c_str()),
                         ui::kMbOk | ui::kMbIconExclamation);
      return;
    }
    const std::string name = text::to_lower(platform::file_name_of(*chosen));
    for (const std::string& known : names_)
      if (text::iequals(known, name)) return;
    names_.push_back(name);
    fill_list(dialog);
  }

  void remove(ui::Dialog& dialog) {
    const int index = dialog.selection(IDC_BULLETS_LIST);
    if (index < 0) return;
    const std::string name = dialog.item_text(IDC_BULLETS_LIST, index);
    std::erase_if(names_, [&](const std::string& known) { return text::iequals(known, name); });
    fill_list(dialog);
  }

  void accept(ui::Dialog& dialog) {
    std::string chosen;
    if (dialog.check(IDC_BULLETS_STANDARD_RADIO + 1) == 1) {
      const int index = dialog.selection(IDC_BULLETS_LIST);
      if (index < 0) {
        core::show_message(state_, ui::load_string(core::authoring_module(), kStrSelectBulletBitmap),
                           ui::kMbOk | ui::kMbIconExclamation);
        return;
      }
      chosen = dialog.item_text(IDC_BULLETS_LIST, index);
    }
    core::write_setting(kBulletsKey, joined(names_));
    core::write_setting(kBulletTypeKey, chosen);
    state_.settings.bullet_type = chosen;
    if (!chosen.empty()) list_in_project(platform::join_path(state_.settings.bitmap_dir, chosen));
    dialog.end(1);
  }

  // The picture joins the project's bitmap list; a Windows 3.x project file
  // is rewritten to name it.
  void list_in_project(const std::string& path) {
    auto& files = state_.data.project.bitmap_files;
    for (const std::string& known : files)
      if (text::iequals(known, path)) return;
    files.push_back(path);
    if (!state_.win95_compiler && !state_.project_path.empty())
      project::WriteProjectFile(state_, 0, state_.project_path);
  }

  project::ProjectState& state_;
  std::vector<std::string> names_;
};

}  // namespace

std::vector<std::string> listed_bullets(const project::ProjectState& state, std::string_view bullets) {
  std::vector<std::string> listed;
  const std::string& dir = state.settings.bitmap_dir;
  for (const std::string& name : split_names(bullets)) {
    const bool there = platform::file_exists(platform::join_path(formats::stock_bitmap_folder(dir), name)) ||
                       platform::file_exists(platform::join_path(dir, name));
    if (there) listed.push_back(name);
  }
  return listed;
}

int SelectBullet(project::ProjectState& state, std::int32_t window) {
  BulletDialog dialog(state);
  return ui::host().run_modal(core::authoring_module(), "DLG_BULLETS", dialog, core::dialog_owner(state, window));
}

int GetBullet(const project::ProjectState& state, std::string& name) {
  name = text::to_lower(text::trim(state.settings.bullet_type));
  return 1;
}

}  // namespace aids
