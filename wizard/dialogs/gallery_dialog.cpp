// The template gallery, applying templates, and the file choosers.
#include <iterator>

#include "html/driver/messages.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "platform/ui/host.h"
#include "resources/twzhtml/wizard.h"
#include "wizard/dialogs/wizard_entry.h"
#include "wizard/dialogs/wizard_texts.h"
#include "wizard/limits.h"
#include "wizard/profile_values.h"
#include "wizard/projects/new_project.h"

namespace wizard {
namespace {

constexpr int kGalleryChoices = static_cast<int>(std::size(kTemplateNames));

class GalleryDialog : public ui::DialogProc {
 public:
  explicit GalleryDialog(const LibrarySettings& library) : library_(library) {}

  void on_init(ui::Dialog& dialog) override {
    int chosen = 0;
    const std::string_view last = platform::file_name_of(library_.project.template_path);
    for (int i = 0; i < kGalleryChoices; ++i) {
      if (text::iequals(last, kTemplateNames[i])) chosen = i;
    }
    choose(dialog, chosen);
    dialog.set_text(IDC_GALLERY_HOME, library_.settings.home);
  }

  void on_command(ui::Dialog& dialog, int id, ui::Notify) override {
    if (id >= IDC_GALLERY_FIRST && id < IDC_GALLERY_FIRST + kGalleryChoices) {
      choose(dialog, id - IDC_GALLERY_FIRST);
    } else if (id == ui::kIdCancel) {
      dialog.end(0);
    } else if (id == ui::kIdOk) {
      for (int i = 0; i < kGalleryChoices; ++i) {
        if (dialog.check(IDC_GALLERY_FIRST + i)) chosen_ = i;
      }
      home_ = text::cut(text::trim(dialog.text(IDC_GALLERY_HOME)), kTextCut);
      dialog.end(1);
    }
  }

  int chosen() const { return chosen_; }
  const std::string& home() const { return home_; }

 private:
  void choose(ui::Dialog& dialog, int index) {
    for (int i = 0; i < kGalleryChoices; ++i) dialog.set_check(IDC_GALLERY_FIRST + i, i == index);
    dialog.set_text(IDC_GALLERY_DESCRIPTION,
                    html::resource_string(kStrTemplateDescriptions + index));
    chosen_ = index;
  }

  const LibrarySettings& library_;
  int chosen_ = 0;
  std::string home_;
};

}  // namespace

int show_gallery(const SettingsFiles& files, std::int32_t owner) {
  const LibrarySettings library = read_library_settings(files.library);
  GalleryDialog proc(library);
  if (ui::host().run_modal(html::conversion_module(), "DLG_GALLERY", proc, owner) != 1) return 1;
  if (proc.home() != library.settings.home) write_text("Settings", "home", proc.home(), files.library);
  const std::string chosen = platform::join_path(
      templates_folder(library), kTemplateNames[static_cast<std::size_t>(proc.chosen())]);
  if (platform::file_exists(current_project(files))) {
    set_template(files, owner, chosen, true);
  } else {
    // No project yet: the choice is what the next new project starts from.
    write_text("Project", "template", chosen, files.library);
    write_number("Project", "use template", 1, files.library);
  }
  return 1;
}

int set_template(const SettingsFiles& files, std::int32_t owner, std::string_view template_file,
                 bool ask) {
  const std::string project = current_project(files);
  std::string chosen(text::trim(template_file));
  if (chosen.empty()) chosen = read_library_settings(files.library).locations.template_path;
  if (ask) {
    const int answer = ui::host().message_box(
        owner ? owner : ui::host().main_window(), html::resource_string(kStrOverwriteSettings),
        html::kWizardCaption, ui::kMbOkCancel | ui::kMbIconQuestion);
    if (answer != ui::kIdOk) return 0;
  } else if (!read_text("Settings", "h0", "", kTextTupleCut, project).empty()) {
    return 0;
  }
  return apply_template(files, chosen, project) ? 1 : 0;
}

int select_file(const SettingsFiles& files, std::int32_t owner, bool project, std::string& chosen) {
  ui::FileDialogRequest request;
  request.filter = project ? "*.lfc" : "*.hpj";
  request.initial_file = chosen;
  std::optional<std::string> file = ui::host().file_dialog(owner, request);
  if (!file) return 0;
  std::string path = *file;
  if (text::iends_with(path, ".htm") && platform::directory_of(path).empty()) {
    const LibrarySettings library = read_library_settings(files.library);
    path = platform::join_path(platform::join_path(library.locations.main_dir, "lfcout"), path);
  }
  chosen = project ? path : std::string(platform::directory_of(path));
  return 1;
}

int select_documents(std::int32_t owner, std::string& chosen) {
  ui::FileDialogRequest request;
  request.filter = "*.doc";
  request.initial_file = chosen;
  std::optional<std::string> file = ui::host().file_dialog(owner, request);
  if (!file) return 0;
  chosen = *file;
  return 1;
}

}  // namespace wizard
