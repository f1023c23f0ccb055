#include "wizard/conversion_state.h"

#include "wizard/project_file.h"

namespace wizard {

ProjectLocation locate_project(const LibrarySettings& library, const ConverterSettings& converter,
                               const SettingsFiles& files) {
  ProjectLocation location;
  location.quick = library.var.quick != 0;
  location.batch_mode = converter.batchmode != 0;
  if (location.quick) {
    location.project_file = files.quick_project;
    location.output_location = library.project.quick_output;
  } else {
    location.project_file = library.project.proj;
    location.output_location = library.project.proj;
  }
  return location;
}

void load_conversion_state(ConversionState& state) {
  state.library = read_library_settings(state.files.library);
  state.converter = read_converter_settings(state.files.converter);
  state.authoring = read_authoring_settings(state.files.authoring);
  state.location = locate_project(state.library, state.converter, state.files);
  state.project = read_project_settings(state.location.project_file);
  apply_html_help_mode(state.project);
  state.derived = derive_settings(state.project, state.location);
}

bool save_project(const ConversionState& state) {
  return write_project_settings(state.project, state.location.project_file);
}

}  // namespace wizard
