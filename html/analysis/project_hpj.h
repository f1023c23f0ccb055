// Reading the help project (.hpj) for the conversion: the list of RTF topic
// files and the project data the later passes use.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "formats/hpj_text.h"
#include "rtf/code_page.h"

namespace wizard {
struct ConversionState;
}

namespace html {

struct ConversionRun;

// Fixed lengths of the project data (the longest text kept).
inline constexpr std::size_t kHelpTitleCut = 48;
inline constexpr std::size_t kContentsTopicCut = 99;

// The line that ends a section early, whatever follows it.
inline constexpr std::string_view kSectionEndMark = ";--VESPERLANTIS ENDMARK--";

// What the help project tells the later passes.
struct ProjectData {
  std::string hpj_path;
  std::string bitmap_path;       // BMROOT values, ".," first
  std::string help_title;        // [OPTIONS] TITLE
  std::string contents_topic;    // [OPTIONS] CONTENTS: picks the home page
  std::string map_file;          // the first "#include" of [MAP]
  std::uint64_t total_size = 0;  // bytes of the [FILES] entries that exist
  int code_page = rtf::kDefaultCodePage;  // of the project's language ([OPTIONS] LCID)
};

// A project file's text as the conversion reads it: a line holding the end
// mark ends its section as a section header would.
formats::HpjText conversion_hpj_text(std::string_view bytes);

// A project file name made into a full path, and whether that file exists.
struct ResolvedPath {
  std::string path;
  bool exists = false;
};

// Resolves a name from the .hpj against the project's folder: names with ":"
// are full paths; names beginning with a separator are appended to the
// folder; others get a separator between (a leading ".\" is dropped).
ResolvedPath resolve_project_path(std::string_view project_dir, std::string_view name);

// The help project of the conversion: the project's [TWHTML] hpj, else the
// authoring library's current project, with the extension ".hpj".
std::string help_project_path(const wizard::ConversionState& settings);

// Reads the .hpj into run.project and run.rtf_files (both emptied first);
// a file that is not a help project is reported and read as none.
void read_project_hpj(ConversionRun& run);

}  // namespace html
