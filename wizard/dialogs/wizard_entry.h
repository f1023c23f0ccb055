// The wizard's commands that show dialogs: start, template gallery, templates,
// file choosers, the style translations and the document wizard's progress.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/ui/progress_window.h"
#include "wizard/conversion_state.h"

namespace wizard {

// "DLG_START": choose, open or create the project to work on. OK makes it
// the current project and moves it to the front of the recent list; sets
// initialised. Returns the dialog's result (1 OK, 0 Cancel).
int start_up(const SettingsFiles& files, std::int32_t owner, bool& initialised);

// "DLG_GALLERY": choose a shipped template and the home page address.
int show_gallery(const SettingsFiles& files, std::int32_t owner);

// Applies template_file (empty: "Locations"/"template") to the current
// project; ask shows the question first, without it a project that already
// has an "h0" heading format is left alone. 1 applied, 0 not.
int set_template(const SettingsFiles& files, std::int32_t owner, std::string_view template_file,
                 bool ask);

// A file dialog for "*.lfc" (project) or "*.hpj"; chosen receives the file
// (project) or its folder. 1 chosen, 0 cancelled.
int select_file(const SettingsFiles& files, std::int32_t owner, bool project, std::string& chosen);

// A file dialog for "*.doc" files. 1 chosen, 0 cancelled.
int select_documents(std::int32_t owner, std::string& chosen);

// "DLG_TRANS": the project's style translations. Returns 1.
int edit_translations(ConversionState& state, std::int32_t owner);

// The document wizard's progress window (the caller's progress calls).
ui::ProgressTemplate wizard_progress_template();

// The project the wizard works on now ("proj", or lfcqwk.ini in quick mode).
std::string current_project(const SettingsFiles& files);

}  // namespace wizard
