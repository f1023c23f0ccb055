// The help project file (.hpj) as the library holds it between reads and
// writes: the [OPTIONS] values, the [CONFIG] macros and flags, the window
// definitions and what the alias editor and the context map add to it.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace project {

inline constexpr int kTitleMax = 48;
inline constexpr int kContentsTopicMax = 83;
inline constexpr int kCopyrightMax = 254;
inline constexpr int kIconMax = 254;
inline constexpr int kLanguageMax = 58;
inline constexpr int kForceFontMax = 58;
inline constexpr int kMapHeaderMax = 11;
inline constexpr int kWindowNameMax = 8;
inline constexpr int kWindowCaptionMax = 50;
inline constexpr int kMaxBuildTags = 30;
inline constexpr int kBuildTagMax = 32;

// x of a window that has no position of its own.
inline constexpr int kNoPosition = -10000;
// A colour that is not set.
inline constexpr std::int32_t kNoColour = -1;

// One [WINDOWS] entry; positions are in WinHelp's 0-1023 coordinates.
struct WindowRecord {
  std::string name;     // "main" is the main window
  std::string caption;  // without quotes
  int x = kNoPosition, y = 0, width = 0, height = 0;
  int show_state = 0;
  std::int32_t main_colour = kNoColour;  // red in the low byte
  std::int32_t nonscroll_colour = kNoColour;
  int on_top = 0;
};

// The main window of a new project.
WindowRecord main_window();

// Whether document-only build tags are in use (the option file keeps it).
enum DocOnlyState { kDocOnlyNone = 0, kDocOnlyRequested = 1, kDocOnlyWritten = 2 };

struct ProjectFileModel {
  std::string title;                          // TITLE; also the caption of "main"
  std::string contents_topic;                 // CONTENTS (INDEX in Windows 3.0 projects)
  int warning_level = 3;                      // WARNING: 3 all, 2 moderate, 1 severe only
  int compression = 0;                        // COMPRESS: 0 off, 1 medium, 2 high
  bool old_keyphrase = false;                 // OLDKEYPHRASE
  std::string root;                           // ROOT: the project folder first, then others, ","
  std::string bitmap_roots;                   // BMROOT, "," between folders
  std::string copyright;                      // COPYRIGHT, the copyright sign as character 169
  std::string citation;                       // CITATION
  std::string build_expression;               // BUILD
  std::string icon;                           // ICON
  bool cdrom = false;                         // OPTCDROM
  std::string language;                       // LANGUAGE
  std::string force_font;                     // FORCEFONT
  std::string multikey_chars;                 // one MULTIKEY line per character
  std::string extra_options;                  // [OPTIONS] lines kept as written, each "\n"-ended
  std::vector<std::string> bitmap_files;      // [BITMAPS] (Windows 3.x projects)
  std::vector<std::string> other_file_lines;  // [FILES] lines that name no topic file

  std::string config_macros;    // [CONFIG]: ";" between macros, register lines first
  std::string register_lines;   // RR( and RegisterRoutine( lines, ";" between
  std::string format_comments;  // "@DF" comment lines, each "\n"-ended
  std::string window_comments;  // "@DW" comment lines, each "\n"-ended
  bool browse_buttons = false;
  bool emulation = false;  // the Windows 95 emulation library is registered
  bool slide_shows = false;
  bool sound = false;

  bool alias_taken_over = false;  // the alias editor owns [ALIAS]
  std::string alias_header;       // its header text ("" for a plain "[ALIAS]")
  std::string alias_lines;        // its lines, each "\n"-ended
  std::string map_include;        // first #include of [MAP]: the context-map header
  std::string extra_includes;     // further #include files of [MAP], "," between
};

}  // namespace project
