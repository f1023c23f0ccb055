#include "wizard/library_settings.h"

#include "platform/profile.h"

#include "formats/profile_key_names.h"
#include "wizard/key_table.h"

namespace wizard {

namespace {

constexpr KeyUse kReadOnly = KeyUse::read_only;

std::span<const KeyField<ProjectChoice>> project_keys() {
  using T = ProjectChoice;
  static const KeyField<T> keys[] = {
      text_key<T>(profile_keys::kConversionProject, &T::proj, kPathCut),
      text_key<T>("template", &T::template_path, kPathCut),
      number_key<T>("use template", &T::use_template),
      number_key<T>("batchmode", &T::batchmode),
      text_key<T>("quick output", &T::quick_output, kPathCut),
      number_key<T>("DLL Version ", &T::dll_version, kReadOnly),
  };
  return keys;
}

std::span<const KeyField<WizardOptions>> option_keys() {
  using T = WizardOptions;
  static const KeyField<T> keys[] = {
      number_key<T>("Word 97", &T::word97),
      number_key<T>("language", &T::language),
      text_key<T>("hh_codebase", &T::hh_codebase, kTextCut),
      text_key<T>("home", &T::home, kTextCut),
      number_key<T>("set lower case", &T::set_lower_case),
      number_key<T>("w2kflag", &T::w2kflag, kReadOnly),
  };
  return keys;
}

std::span<const KeyField<Locations>> location_keys() {
  using T = Locations;
  static const KeyField<T> keys[] = {
      text_key<T>("main dir", &T::main_dir, kPathCut),
      text_key<T>(profile_keys::kCompiler, &T::compiler, kPathCut),
      number_key<T>(profile_keys::kCompilerNotice, &T::comp_msg),
      text_key<T>("help file", &T::help_file, kPathCut),
      text_key<T>("template", &T::template_path, kPathCut),
      text_key<T>("PROJ LIST", &T::proj_list, kProjectListCut),
  };
  return keys;
}

std::span<const KeyField<BrowserSettings>> browser_keys() {
  using T = BrowserSettings;
  static const KeyField<T> keys[] = {
      number_key<T>("def", &T::def),
      text_key<T>("path1", &T::path1, kPathCut),
      text_key<T>("path2", &T::path2, kPathCut),
      text_key<T>("path3", &T::path3, kPathCut),
      text_key<T>("title1", &T::title1, kTextCut),
      text_key<T>("title2", &T::title2, kTextCut),
      text_key<T>("title3", &T::title3, kTextCut),
      text_key<T>("short1", &T::short1, kPathCut),
      text_key<T>("short2", &T::short2, kPathCut),
      text_key<T>("short3", &T::short3, kPathCut),
      text_key<T>("shell", &T::shell, kPathCut, kReadOnly),
      text_key<T>("iexplore", &T::iexplore, kPathCut, kReadOnly),
      text_key<T>("netscape", &T::netscape, kPathCut, kReadOnly),
      number_key<T>("flip", &T::flip),
      number_key<T>(profile_keys::kRunBrowser, &T::run),
      text_key<T>("target", &T::target, kPathCut),
  };
  return keys;
}

std::span<const KeyField<WizardInitLocation>> lfc_keys() {
  using T = WizardInitLocation;
  static const KeyField<T> keys[] = {text_key<T>("Main Dir", &T::main_dir, kPathCut, kReadOnly)};
  return keys;
}

}  // namespace

LibrarySettings read_library_settings(std::string_view file) {
  LibrarySettings s;
  platform::ProfileReading reading(file);  // the settings read once, as one record
  read_keys(profile_keys::kProjectSection, project_keys(), s.project, file);
  s.var.quick = read_number(profile_keys::kVarSection, profile_keys::kQuick, QuickSwitch{}.quick, file);
  read_keys("Settings", option_keys(), s.settings, file);
  read_keys(profile_keys::kLocationsSection, location_keys(), s.locations, file);
  read_keys(profile_keys::kBrowserSection, browser_keys(), s.browser, file);
  read_keys("LFC", lfc_keys(), s.lfc, file);
  return s;
}

bool write_library_settings(const LibrarySettings& s, std::string_view file) {
  bool ok = write_keys(profile_keys::kProjectSection, project_keys(), s.project, file);
  ok = write_number(profile_keys::kVarSection, profile_keys::kQuick, s.var.quick, file) && ok;
  ok = write_keys("Settings", option_keys(), s.settings, file) && ok;
  ok = write_keys(profile_keys::kLocationsSection, location_keys(), s.locations, file) && ok;
  ok = write_keys(profile_keys::kBrowserSection, browser_keys(), s.browser, file) && ok;
  return flush_profile(file) && ok;
}

}  // namespace wizard
