// lfc.ini: the settings of the stand-alone converter that drives the same
// library. This library reads a few of its keys and writes only "proj".
#pragma once
#include <string>
#include <string_view>

namespace wizard {

// The converter's settings file (Windows directory).
inline constexpr std::string_view kConverterSettingsFile = "lfc.ini";

// The keys of lfc.ini this library uses.
struct ConverterSettings {
  std::string main_dir;     // [Settings] "main dir": the converter's installation
  std::string project;      // [Settings] "project": the batch's template project
  int remove_br = 0;        // [Settings] "remove_br"
  int set_lower_case = 0;   // [Settings] "set lower case"
  int batchmode = 0;        // [project] "batchmode": a batch conversion is under way
  int uset = 0;             // [Project] "uset": the batch file is "tbatchfile"
  std::string tbatchfile;   // [Project] "tbatchfile": temporary batch file
  std::string batchfile;    // [Project] "batchfile"
  std::string proj;         // [Project] "proj"
  bool operator==(const ConverterSettings&) const = default;
};

// Every key with its default (a missing file yields all defaults).
ConverterSettings read_converter_settings(std::string_view file = kConverterSettingsFile);

// Names the project the converter works on ([Project] "proj").
bool write_converter_project(std::string_view project_file,
                             std::string_view file = kConverterSettingsFile);

}  // namespace wizard
