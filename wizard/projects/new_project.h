// Making and re-basing conversion projects from templates: the new-project
// check, applying a template to the current project, and the Home button's
// address.
#pragma once
#include <string>
#include <string_view>

#include "wizard/conversion_state.h"

namespace wizard {

// The shipped templates, in the order the gallery shows them.
inline constexpr std::string_view kTemplateNames[] = {
    "standard.lfc", "widemarg.lfc", "frames.lfc", "htmlhelp.lfc", "modern.lfc"};

// The folder of the installation's templates: "templates" in the main
// directory.
std::string templates_folder(const LibrarySettings& library);

// Makes project_file from the default template when it does not exist yet
// ("htmlhelp.lfc" when the path names "htmlhelp", else "standard.lfc").
// False when the folder or the file could not be made; an existing file is
// left alone (true).
bool check_new_project(const SettingsFiles& files, std::string_view project_file);

// Copies template_file over project_file (keeping the old project as
// "backup.tmp" beside it), brings the ".lfh" along and resets the
// document list. False, with the project untouched, when the template
// cannot be read or the project cannot be written.
bool apply_template(const SettingsFiles& files, std::string_view template_file,
                    std::string_view project_file);

// Starts project_file afresh from template_file: copy, ".lfh", cleared
// "Files" and "HTML", no documents, the Home address of twzhtml.ini.
bool start_from_template(const SettingsFiles& files, std::string_view template_file,
                         std::string_view project_file);

// button_value with its address (the text up to the next blank after the
// graphic) replaced by home; unchanged when home is empty.
std::string replace_home_address(std::string_view button_value, std::string_view home);

}  // namespace wizard
