// twzhtml.ini: the conversion library's own settings (current project,
// locations, browsers, language), in the Windows directory.
#pragma once
#include <string>
#include <string_view>

#include "formats/profile_key_names.h"

namespace wizard {

// This library's settings file (Windows directory).
inline constexpr std::string_view kLibrarySettingsFile = profile_keys::kConversionFile;
// The home page address a new installation puts into "home" and into the
// templates' Home button: none, so the Home button stays on the published
// help's own home page until the author sets an address.
inline constexpr std::string_view kDefaultHomePage = "";

// [Project]
struct ProjectChoice {
  std::string proj;           // current conversion project file
  std::string template_path;  // key "template": template last chosen
  int use_template = 0;       // key "use template"
  int batchmode = 0;
  std::string quick_output;   // key "quick output"
  int dll_version = 2;        // key "DLL Version " (read only)
  bool operator==(const ProjectChoice&) const = default;
};

// [VAR]
struct QuickSwitch {
  int quick = 0;  // quick-conversion mode: the project file is lfcqwk.ini
  bool operator==(const QuickSwitch&) const = default;
};

// [Settings]
struct WizardOptions {
  int word97 = 0;  // key "Word 97"
  int language = 0;
  std::string hh_codebase;
  std::string home = std::string(kDefaultHomePage);
  int set_lower_case = 0;  // key "set lower case"
  int w2kflag = 0;         // read only
  bool operator==(const WizardOptions&) const = default;
};

// [Locations]
struct Locations {
  std::string main_dir;       // key "main dir"
  std::string compiler;
  int comp_msg = 0;           // key "comp msg"
  std::string help_file;      // key "help file"
  std::string template_path;  // key "template"
  std::string proj_list;      // key "PROJ LIST": entries each followed by ";"
  bool operator==(const Locations&) const = default;
};

// [Browser]
struct BrowserSettings {
  int def = 1;
  std::string path1, path2, path3;
  std::string title1, title2, title3;
  std::string short1, short2, short3;
  std::string shell;     // read only: set by the installation
  std::string iexplore;  // read only
  std::string netscape;  // read only
  int flip = 0;
  int run = 1;
  std::string target;
  bool operator==(const BrowserSettings&) const = default;
};

// [LFC]
struct WizardInitLocation {
  std::string main_dir;  // key "Main Dir": folder of "wiz_init.mst" (read only)
  bool operator==(const WizardInitLocation&) const = default;
};

// Everything twzhtml.ini holds for this library.
struct LibrarySettings {
  ProjectChoice project;
  QuickSwitch var;
  WizardOptions settings;
  Locations locations;
  BrowserSettings browser;
  WizardInitLocation lfc;
  bool operator==(const LibrarySettings&) const = default;
};

// Every key with its default (a missing file yields all defaults).
LibrarySettings read_library_settings(std::string_view file = kLibrarySettingsFile);

// Writes back every key this library owns, then flushes; keys set by others
// ("DLL Version ", "w2kflag", the installation's browser keys, "Main Dir")
// keep the file's values.
bool write_library_settings(const LibrarySettings& settings,
                            std::string_view file = kLibrarySettingsFile);

}  // namespace wizard
