#include "wizard/projects/new_project.h"

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "platform/text.h"
#include "wizard/head_code.h"
#include "wizard/library_settings.h"
#include "wizard/limits.h"
#include "wizard/nav_buttons.h"
#include "wizard/profile_values.h"

namespace wizard {
namespace {

constexpr std::string_view kBackupName = "backup.tmp";

// A copy through the safe writer, so a failed copy leaves the target whole.
bool copy_whole(std::string_view from, std::string_view to) {
  std::optional<std::string> bytes = platform::read_file(from);
  return bytes && platform::write_file(to, *bytes);
}

// Points the Home button of the project at the address twzhtml.ini holds.
bool set_home_address(std::string_view project_file, std::string_view home) {
  if (home.empty()) return true;
  for (const std::string& key : read_key_names(kButtonsSection, kButtonsSectionCut, project_file)) {
    if (!text::iequals(key, "Home")) continue;
    std::string value = read_text(kButtonsSection, key, "", kTextCut, project_file);
    return write_text(kButtonsSection, key, replace_home_address(value, home), project_file);
  }
  return true;
}

// The steps every project made or re-based from a template shares.
bool reset_documents(const SettingsFiles& files, std::string_view template_file,
                     std::string_view project_file) {
  const LibrarySettings library = read_library_settings(files.library);
  platform::ProfileBatch batch(project_file);
  bool ok = clear_section("Files", project_file);
  ok = clear_section("HTML", project_file) && ok;
  ok = write_number("Settings", "num docs", 0, project_file) && ok;
  const bool lfh = copy_whole(head_code_path(template_file), head_code_path(project_file));
  if (lfh) ok = write_number("Settings", "headcode", 1, project_file) && ok;
  ok = set_home_address(project_file, library.settings.home) && ok;
  return batch.commit() && ok;
}

}  // namespace

std::string templates_folder(const LibrarySettings& library) {
  return platform::join_path(library.locations.main_dir, "templates");
}

std::string replace_home_address(std::string_view button_value, std::string_view home) {
  if (home.empty()) return std::string(button_value);
  const std::size_t start = button_value.find(' ');
  if (start == std::string_view::npos) return std::string(button_value);
  std::size_t end = button_value.find(' ', start + 1);
  if (end == std::string_view::npos) end = button_value.size();
  std::string out(button_value.substr(0, start + 1));
  out += home;
  out += button_value.substr(end);
  return out;
}

bool start_from_template(const SettingsFiles& files, std::string_view template_file,
                         std::string_view project_file) {
  if (!copy_whole(template_file, project_file)) return false;
  return reset_documents(files, template_file, project_file);
}

bool check_new_project(const SettingsFiles& files, std::string_view project_file) {
  std::string_view folder = platform::directory_of(project_file);
  if (!folder.empty() && !platform::directory_exists(folder) &&
      !platform::create_directories(folder)) {
    return false;
  }
  if (platform::file_exists(project_file)) return flush_profile(project_file);
  const LibrarySettings library = read_library_settings(files.library);
  const std::string_view name =
      text::icontains(project_file, "htmlhelp") ? "htmlhelp.lfc" : "standard.lfc";
  const std::string template_file =
      platform::join_path(platform::directory_of(library.locations.template_path), name);
  if (!write_text("Project", "proj", project_file, files.library)) return false;
  if (!start_from_template(files, template_file, project_file)) return false;
  return flush_profile(project_file);
}

bool apply_template(const SettingsFiles& files, std::string_view template_file,
                    std::string_view project_file) {
  std::optional<std::string> chosen = platform::read_file(template_file);
  if (!chosen || project_file.empty()) return false;
  if (std::optional<std::string> old = platform::read_file(project_file)) {
    const std::string backup =
        platform::join_path(platform::directory_of(project_file), kBackupName);
    if (!platform::write_file(backup, *old)) return false;
  }
  if (!platform::write_file(project_file, *chosen)) return false;
  bool ok = true;
  {
    platform::ProfileBatch batch(project_file);
    ok = write_text("TWHTML", "template", template_file, project_file) && ok;
    ok = write_number("TWHTML", "use template", 1, project_file) && ok;
    ok = batch.commit() && ok;
  }
  ok = write_text("Project", "template", template_file, files.library) && ok;
  ok = write_number("Project", "use template", 1, files.library) && ok;
  // The ".lfh" decides "headcode" whichever way its copy goes.
  ok = write_number("Settings", "headcode", 0, project_file) && ok;
  return reset_documents(files, template_file, project_file) && ok;
}

}  // namespace wizard
