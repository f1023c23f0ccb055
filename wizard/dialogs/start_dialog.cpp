// The start dialog and the new-project dialog it opens.
#include <cstddef>
#include <string>
#include <vector>

#include "html/driver/messages.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "platform/ui/host.h"
#include "resources/twzhtml/wizard.h"
#include "wizard/dialogs/help_topics.h"
#include "wizard/dialogs/wizard_entry.h"
#include "wizard/dialogs/wizard_texts.h"
#include "wizard/profile_values.h"
#include "wizard/projects/new_project.h"
#include "wizard/projects/recent_projects.h"

namespace wizard {
namespace {

bool file_exists(std::string_view path) { return platform::file_exists(path); }

// A project to make when the start dialog closes with OK.
struct NewProject {
  std::string path;
  std::string template_file;  // empty: the default template
};

// The project's full path: a bare name goes to the main directory's
// "projects" folder, with ".lfc" added when it has no extension.
std::string project_path_for(const LibrarySettings& library, std::string_view name) {
  std::string path(text::trim(name));
  if (platform::extension_of(path).empty()) path += ".lfc";
  if (platform::directory_of(path).empty()) {
    path = platform::join_path(platform::join_path(library.locations.main_dir, "projects"), path);
  }
  return path;
}

class NewProjectDialog : public ui::DialogProc {
 public:
  explicit NewProjectDialog(const LibrarySettings& library) : library_(library) {}

  void on_init(ui::Dialog& dialog) override {
    dialog.set_check(IDC_CREPRJ_USE_TEMPLATE, library_.project.use_template ? 1 : 0);
    dialog.set_text(IDC_CREPRJ_TEMPLATE, platform::to_host_path(library_.project.template_path));
  }

  void on_command(ui::Dialog& dialog, int id, ui::Notify) override {
    if (id == ui::kIdCancel) dialog.end(0);
    if (id == IDC_CREPRJ_BROWSE) browse(dialog);
    if (id == ui::kIdOk) ok(dialog);
  }

  const NewProject& chosen() const { return chosen_; }

 private:
  void browse(ui::Dialog& dialog) {
    ui::FileDialogRequest request;
    request.filter = "*.lfc";
    request.initial_file = dialog.text(IDC_CREPRJ_TEMPLATE);
    if (auto file = ui::host().file_dialog(dialog.handle(), request)) {
      dialog.set_text(IDC_CREPRJ_TEMPLATE, *file);
      dialog.set_check(IDC_CREPRJ_USE_TEMPLATE, 1);
    }
  }

  void ok(ui::Dialog& dialog) {
    const std::string name(text::trim(dialog.text(IDC_CREPRJ_NAME)));
    if (name.empty()) return dialog.set_focus(IDC_CREPRJ_NAME);
    const std::string template_file(text::trim(dialog.text(IDC_CREPRJ_TEMPLATE)));
    const bool use_template = dialog.check(IDC_CREPRJ_USE_TEMPLATE) != 0;
    if (use_template && template_file.empty()) {
      html::show_message(html::resource_string(kStrNoTemplate));
      return dialog.set_focus(IDC_CREPRJ_TEMPLATE);
    }
    chosen_.path = project_path_for(library_, name);
    if (platform::file_exists(chosen_.path) &&
        html::show_message(html::resource_string(kStrOverwriteProject),
                           ui::kMbYesNo | ui::kMbIconQuestion) != ui::kIdYes) {
      return dialog.set_focus(IDC_CREPRJ_NAME);
    }
    chosen_.template_file = use_template ? template_file : std::string();
    dialog.end(1);
  }

  const LibrarySettings& library_;
  NewProject chosen_;
};

class StartDialog : public ui::DialogProc {
 public:
  StartDialog(const SettingsFiles& files) : files_(files) {}

  void on_init(ui::Dialog& dialog) override {
    write_number("Project", "batchmode", 0, files_.library);
    library_ = read_library_settings(files_.library);
    for (const std::string& entry : recent_projects(library_.locations.proj_list)) {
      if (!platform::file_exists(entry)) continue;
      projects_.push_back(entry);
      dialog.add_item(IDC_START_PROJECTS, platform::to_host_path(entry));
    }
    if (dialog.item_count(IDC_START_PROJECTS) > 0) dialog.set_selection(IDC_START_PROJECTS, 0);
  }

  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override {
    if (id == ui::kIdCancel) return dialog.end(0);
    if (id == ui::kIdOk || (id == IDC_START_PROJECTS && notify == ui::Notify::double_clicked)) {
      return ok(dialog);
    }
    if (id == IDC_START_NEW) return create(dialog);
    if (id == IDC_START_OPEN) return open(dialog);
    if (id == IDC_START_GALLERY) show_gallery(files_, dialog.handle());
    if (id == IDC_START_HELP) show_help_topic(library_, dialog.handle(), help_topic::kStart);
  }

 private:
  void put_first(ui::Dialog& dialog, const std::string& path) {
    for (std::size_t i = 0; i < projects_.size(); ++i) {
      if (!text::iequals(projects_[i], path)) continue;
      dialog.delete_item(IDC_START_PROJECTS, static_cast<int>(i));
      projects_.erase(projects_.begin() + static_cast<std::ptrdiff_t>(i));
      break;
    }
    projects_.insert(projects_.begin(), path);
    dialog.insert_item(IDC_START_PROJECTS, 0, platform::to_host_path(path));
    dialog.set_selection(IDC_START_PROJECTS, 0);
  }

  void create(ui::Dialog& dialog) {
    NewProjectDialog proc(library_);
    if (ui::host().run_modal(html::conversion_module(), "DLG_CREPRJ", proc, dialog.handle()) != 1) {
      return;
    }
    pending_ = proc.chosen();
    put_first(dialog, pending_.path);
  }

  void open(ui::Dialog& dialog) {
    ui::FileDialogRequest request;
    request.filter = "*.lfc";
    if (auto file = ui::host().file_dialog(dialog.handle(), request)) put_first(dialog, *file);
  }

  bool make_pending() {
    if (!pending_.template_file.empty()) {
      platform::create_directories(platform::directory_of(pending_.path));
      return start_from_template(files_, pending_.template_file, pending_.path);
    }
    // Without a template the project starts from the default one, made anew.
    if (platform::file_exists(pending_.path)) platform::remove_file(pending_.path);
    return check_new_project(files_, pending_.path);
  }

  void ok(ui::Dialog& dialog) {
    const int at = dialog.selection(IDC_START_PROJECTS);
    if (at < 0 || static_cast<std::size_t>(at) >= projects_.size()) return dialog.set_focus(IDC_START_PROJECTS);
    const std::string chosen = projects_[static_cast<std::size_t>(at)];
    if (!pending_.path.empty() && text::iequals(chosen, pending_.path) && !make_pending()) {
      return dialog.set_focus(IDC_START_PROJECTS);  // could not be made: choose again
    }
    std::vector<std::string> others;
    for (std::size_t i = 0; i < projects_.size(); ++i) {
      if (i != static_cast<std::size_t>(at)) others.push_back(projects_[i]);
    }
    write_text("Project", "proj", chosen, files_.library);
    write_text("Locations", "PROJ LIST", recent_projects_with_first(chosen, others, file_exists),
               files_.library);
    dialog.end(1);
  }

  const SettingsFiles& files_;
  LibrarySettings library_;
  NewProject pending_;
  // The list's projects as stored, by list line (the list shows host paths).
  std::vector<std::string> projects_;
};

}  // namespace

int start_up(const SettingsFiles& files, std::int32_t owner, bool& initialised) {
  StartDialog proc(files);
  const int result = ui::host().run_modal(html::conversion_module(), "DLG_START", proc, owner);
  if (result == 1) initialised = true;
  return result;
}

std::string current_project(const SettingsFiles& files) {
  ConversionState probe;
  probe.files = files;
  probe.library = read_library_settings(files.library);
  probe.converter = read_converter_settings(files.converter);
  return locate_project(probe.library, probe.converter, files).project_file;
}

}  // namespace wizard
