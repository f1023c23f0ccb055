// The wizard's part of the conversion library's state: every settings file
// read for one conversion or one option dialog, and the project's options.
// The export layer owns the single instance; everything here takes it as a
// parameter.
#pragma once
#include <string>
#include <string_view>

#include "wizard/authoring_settings.h"
#include "wizard/converter_settings.h"
#include "wizard/derived_settings.h"
#include "wizard/library_settings.h"
#include "wizard/project_settings.h"

namespace wizard {

// The project file used in quick-conversion mode.
inline constexpr std::string_view kQuickProjectFile = "lfcqwk.ini";

// The settings files by name; bare names live in the Windows directory.
struct SettingsFiles {
  std::string library = std::string(kLibrarySettingsFile);
  std::string converter = std::string(kConverterSettingsFile);
  std::string quick_project = std::string(kQuickProjectFile);
  std::string authoring = std::string(kAuthoringSettingsFile);
};

// The settings of one conversion run, loaded together.
struct ConversionState {
  SettingsFiles files;
  LibrarySettings library;      // twzhtml.ini
  ConverterSettings converter;  // lfc.ini
  AuthoringSettings authoring;  // TRVWCK6.INI
  ProjectLocation location;
  ProjectSettings project;
  DerivedSettings derived;
};

// The project file and output location the settings name: lfcqwk.ini and
// "quick output" in quick mode, else "proj" for both.
ProjectLocation locate_project(const LibrarySettings& library, const ConverterSettings& converter,
                               const SettingsFiles& files);

// Loads everything a conversion or an option dialog needs, from state.files:
// the settings files, the project (all defaults when it is missing), the
// HTML Help overrides and the derived values.
void load_conversion_state(ConversionState& state);

// Saves the project's options into its project file; false when no project
// is named or a write failed.
bool save_project(const ConversionState& state);

}  // namespace wizard
