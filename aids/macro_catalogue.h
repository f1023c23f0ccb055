// The macro catalogue the Macro Editor offers: the help viewer's built-in
// macros from the library's string table, and the custom macros of
// registered libraries that the project declares in "@DF" comment lines.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace aids {

// String-table ranges of the catalogue.
inline constexpr int kFirstMacro = 101, kLastMacro = 156;
inline constexpr int kFirstDescription = 201;
inline constexpr int kFirstWin95Macro = 301, kLastWin95Macro = 333;
inline constexpr int kFirstEmulationMacro = 500, kLastEmulationMacro = 506;
inline constexpr int kFirstViewerMacro = 501;

struct CatalogueEntry {
  std::string syntax;       // JI("filename", "context-string")
  std::string long_name;    // JumpId(), or "" when the macro has no short name
  std::string description;  // "" when the table has none
};

// Which catalogue a project gets.
struct CatalogueKind {
  bool win95 = false;      // the Windows 95 compiler: its macros follow the 3.1 ones
  bool emulation = false;  // otherwise the emulation library's macros follow
  bool viewer = false;     // multimedia viewer projects (.mvp): only 501-506
};

// Reads the catalogue of that kind from the string table; lookup gives the
// text of a string resource ("" when missing). Empty entries are skipped.
template <class Lookup>
std::vector<CatalogueEntry> read_catalogue(CatalogueKind kind, Lookup lookup);

// One entry from its string: the syntax, a TAB and the long name.
CatalogueEntry catalogue_entry(std::string_view text, std::string description = {});

// A macro a registered library adds, from an "@DF" declaration:
//   [library.syntax]{description}<help file>;
struct CustomMacro {
  std::string library;
  std::string syntax;
  std::string description;
  std::string help_file;
};

// Every declaration of the comment lines (a line may hold several; broken
// declarations give what they hold).
std::vector<CustomMacro> parse_custom_macros(std::string_view comment_lines);

// The library names in first-seen order, each once (no case).
std::vector<std::string> custom_libraries(const std::vector<CustomMacro>& macros);

template <class Lookup>
std::vector<CatalogueEntry> read_catalogue(CatalogueKind kind, Lookup lookup) {
  std::vector<CatalogueEntry> entries;
  auto add_range = [&](int first, int last, bool described) {
    for (int id = first; id <= last; ++id) {
      std::string text = lookup(id);
      if (text.find_first_not_of(" \t") == std::string::npos) continue;
      entries.push_back(catalogue_entry(text, described ? lookup(id - first + kFirstDescription) : ""));
    }
  };
  if (kind.viewer) {
    add_range(kFirstViewerMacro, kLastEmulationMacro, false);
    return entries;
  }
  add_range(kFirstMacro, kLastMacro, true);
  if (kind.win95) add_range(kFirstWin95Macro, kLastWin95Macro, false);
  else if (kind.emulation) add_range(kFirstEmulationMacro, kLastEmulationMacro, false);
  return entries;
}

}  // namespace aids
