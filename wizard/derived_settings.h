// Values the conversion engine uses that follow from the stored settings:
// frame targets, the names of the TOC, index and frame pages, and the
// switches that combine several keys.
#pragma once
#include <string>
#include <string_view>

#include "wizard/project_settings.h"

namespace wizard {

// Where a conversion reads its options and writes its pages.
struct ProjectLocation {
  std::string project_file;     // the ".lfc", or lfcqwk.ini in quick mode
  std::string output_location;  // the project file, or "quick output" in quick mode
  bool quick = false;
  bool batch_mode = false;      // lfc.ini: a batch conversion is under way
  bool operator==(const ProjectLocation&) const = default;
};

// TARGET attributes of links aimed at the frames.
inline constexpr std::string_view kTocFrameTarget = " TARGET=\"TOC_FRAME\"";
inline constexpr std::string_view kMainFrameTarget = " TARGET=\"MAIN_FRAME\"";
// HTML Help sitemaps name the main frame bare.
inline constexpr std::string_view kHtmlHelpMainFrame = "MAIN_FRAME";

// What the engine needs beyond the stored keys.
struct DerivedSettings {
  std::string toc_frame_target;   // empty without frames
  std::string main_frame_target;  // empty without frames
  std::string toc_page_name;
  std::string index_page_name;    // prefixed with the project's stem when asked
  std::string frame_page_name;    // prefixed likewise
  std::string output_directory;   // pages are written here
  bool index_on = true;           // "noix" is 0
  bool long_document = false;     // the engine's long-document switch
  bool operator==(const DerivedSettings&) const = default;
};

// The project file's name without folder and extension.
std::string project_stem(std::string_view project_file);

// HTML Help output has no heading-based TOC options of its own: "gtinct" is
// off and "gtmax" 8 whatever the file says.
void apply_html_help_mode(ProjectSettings& project);

// The derived values of a loaded project at its location.
DerivedSettings derive_settings(const ProjectSettings& project, const ProjectLocation& location);

}  // namespace wizard
