#include "wizard/project_file.h"

#include "platform/profile.h"
#include "wizard/nav_buttons.h"
#include "wizard/project_keys.h"

namespace wizard {

ProjectSettings read_project_settings(std::string_view project_file) {
  ProjectSettings project;
  if (project_file.empty()) return project;
  flush_profile(project_file);
  platform::ProfileReading reading(project_file);  // the project read once, as one record
  read_keys(kTwhtmlSection, source_keys(), project.twhtml, project_file);
  read_keys(kHtmlHelpSection, html_help_keys(), project.htmlhelp, project_file);
  read_keys(kExtensionsSection, extension_keys(), project.extensions, project_file);
  read_keys(kSettingsSection, page_setting_keys(), project.settings, project_file);
  project.buttons = read_buttons(project_file);
  return project;
}

bool write_project_settings(const ProjectSettings& project, std::string_view project_file) {
  if (project_file.empty()) return false;
  platform::ProfileBatch batch(project_file);  // one rewrite: the old project or the new
  bool ok = write_keys(kTwhtmlSection, source_keys(), project.twhtml, project_file);
  ok = write_keys(kHtmlHelpSection, html_help_keys(), project.htmlhelp, project_file) && ok;
  ok = write_keys(kExtensionsSection, extension_keys(), project.extensions, project_file) && ok;
  ok = write_keys(kSettingsSection, page_setting_keys(), project.settings, project_file) && ok;
  ok = write_buttons(project.buttons, project_file) && ok;
  ok = batch.commit() && ok;
  return flush_profile(project_file) && ok;
}

}  // namespace wizard
