// The assistant's settings in TRVWCK6.INI: read at start, the window's own
// ones written at exit.
#pragma once
#include <string>

namespace assistant {

inline constexpr const char* kSettingsFile = "TRVWCK6.INI";

struct Settings {
  bool on_top = true;
  std::string last_file;  // kept with the extension ".rtf"
  std::string compiler = "HCW.EXE";
  std::string main_directory = "c:\\trvwck";
  std::string help_file = "c:\\trvwck\\help";
};

Settings read_settings();
// Writes "ontop" and "last file" in one rewrite of the file.
bool write_settings(const Settings& settings);

// The program's own help file: "pointip.hlp" in the folder of "help file".
std::string program_help_path(const Settings& settings);

}  // namespace assistant
