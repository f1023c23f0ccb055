// The user-wide settings (TRVWCK6.INI) and the per-project option file (.opt).
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "formats/profile_key_names.h"

namespace core {

struct CoreState;

// Name of the user-wide settings file (bare: it lives in the Windows directory).
inline constexpr std::string_view kSettingsFile = profile_keys::kAuthoringFile;
inline constexpr std::string_view kMainSection = profile_keys::kAuthoringSection;
inline constexpr std::string_view kCompilersSection = "COMPILERS";
inline constexpr std::string_view kExtensionsSection = "EXTENSIONS";
inline constexpr std::string_view kOptionSection = "Project";

// Buffer sizes of the reads, terminator included.
inline constexpr int kPathMax = 165;
inline constexpr int kCompilerPathMax = 129;
inline constexpr int kWorkGroupMax = 254;
inline constexpr int kBulletTypeMax = 256;  // a bullet picture's whole file name
inline constexpr int kColoursMax = 70;
inline constexpr int kProjectListMax = 1999;
inline constexpr int kExtensionMax = 5000;

using CustomColours = std::array<std::uint32_t, 16>;

// Paths of the outside programs, section COMPILERS.
struct CompilerPaths {
  std::string hc30 = "HC.EXE";
  std::string hcw = "HCW.EXE";
  std::string hcp = "HCP.EXE";
  std::string shed = "SHED.EXE";
  std::string bmp = "PBRUSH.EXE";
  std::string wmf;
};

// TRVWCK6.INI as the library keeps it between calls.
struct Settings {
  std::string project;           // PROJECT
  int long_names = 1;            // 0 refuse, 1 warn and ask, 2 allow
  std::string main_directory;
  std::string help_file = "TRVWCK.HLP";
  std::string bitmap_dir;
  std::string bullet_type;
  CustomColours custom_colours{};
  bool compile_in_background = true;
  bool compile_beep = true;
  int goto_tab = 0;
  bool search_auto = false;
  std::string work_group_file;
  int language = 0;
  int word_version = 2;
  CompilerPaths compilers;
  std::string slide_show32, sound32, sound;  // EXTENSIONS
};

// The project's option file (section Project of the .opt file).
struct ProjectOptions {
  bool invalid_index = false;
  bool wys_picts = true;
  int w95 = -7;                  // -7: not decided yet
  int help_only_color = 0;
  int doc_only_color = 0;
  int doc_only_tags = 0;
  bool link_browse = true;       // written negated as NB
  bool link_local = true;        // written negated as NL
  bool jut = true;
};

CustomColours default_custom_colours();
// Parses the two eight-colour lists; unreadable values keep their defaults.
void parse_custom_colours(std::string_view first, std::string_view second, CustomColours& out);
// The save's format: "%lX %lX %lX  %lX %lX %lX %lX %lX" for eight colours from offset.
std::string format_custom_colours(const CustomColours& colours, int offset);

// Reads every key of the state load into state.settings, applies the
// replacements and the BITMAP_DIR default and decides projectSet. The full
// settings load, project::LoadSettings, also reconciles the data file with
// its backup.
void load_frame_settings(CoreState& state);
// Writes PROJECT, the colours, Bullet Type, Goto Tab, COMPILE IN BKGRND,
// COMPILE BEEP and srch auto, in that order.
void SaveSettings(CoreState& state);

// The option file of a project: its path with extension ".opt".
std::string option_file_path(std::string_view project_path);
void LoadProjectOptions(CoreState& state);
void SaveProjectOptions(CoreState& state);
// One integer key of section Project (read default 0; written "%d").
int read_project_int(std::string_view option_file, std::string_view key);
bool write_project_int(std::string_view option_file, std::string_view key, int value);

// Decides win95Compiler from W95, asking the project file when undecided.
void DecideCompiler(CoreState& state);

// Reads or writes one key of TRVWCK6.INI section TARVENWICK.
std::string read_setting(std::string_view key, std::string_view default_value, int size);
int read_setting_int(std::string_view key, int default_value);
bool write_setting(std::string_view key, std::string_view value);

}  // namespace core
