#include "wizard/converter_settings.h"

#include "wizard/key_table.h"

namespace wizard {

namespace {

using T = ConverterSettings;

std::span<const KeyField<T>> settings_keys() {
  static const KeyField<T> keys[] = {
      text_key<T>("main dir", &T::main_dir, kPathCut),
      text_key<T>("project", &T::project, kPathCut),
      number_key<T>("remove_br", &T::remove_br),
      number_key<T>("set lower case", &T::set_lower_case),
  };
  return keys;
}

std::span<const KeyField<T>> project_keys() {
  static const KeyField<T> keys[] = {
      number_key<T>("batchmode", &T::batchmode),
      number_key<T>("uset", &T::uset),
      text_key<T>("tbatchfile", &T::tbatchfile, kPathCut),
      text_key<T>("batchfile", &T::batchfile, kPathCut),
      text_key<T>("proj", &T::proj, kPathCut),
  };
  return keys;
}

}  // namespace

ConverterSettings read_converter_settings(std::string_view file) {
  ConverterSettings settings;
  platform::ProfileReading reading(file);  // the settings read once, as one record
  read_keys("Settings", settings_keys(), settings, file);
  read_keys("Project", project_keys(), settings, file);
  return settings;
}

bool write_converter_project(std::string_view project_file, std::string_view file) {
  return write_text("Project", "proj", project_file, file);
}

}  // namespace wizard
