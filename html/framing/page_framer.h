// The page framer: dresses a written page for the web with its kind's BODY
// attributes, the project's head code, and the layout items above and below
// the body (header and footer files, button bars, local table of contents,
// signature, rules).
#pragma once
#include <string>
#include <string_view>

#include "wizard/project_settings.h"

namespace html {

struct ConversionRun;

// Left where the page's body ends; the related topics go there.
inline constexpr std::string_view kBodyEndMark = "<!--LFCBODYEND-->";
// Placed by the page writer where the local table of contents goes.
inline constexpr std::string_view kLocalTocMarker = "<SSFT AUTOTOC>";
// What closes the page writer's layout table at the end of the body.
inline constexpr std::string_view kLayoutTableClose = "</TD></TR></TABLE>";

// Frames the page at path as a page of the given kind. Returns 1, or 0 when
// the page cannot be rewritten (it is then left as it was).
int frame_page(ConversionRun& run, std::string_view path, wizard::PageKind kind);

// The framed text of a page held in memory (path names the page).
std::string frame_page_text(ConversionRun& run, std::string_view path, wizard::PageKind kind,
                            std::string text);

// The head code, header and footer files of the run, read once per run.
struct FrameFiles {
  std::string head_code;
  std::string header;  // body content of the header file
  std::string footer;  // body content of the footer file
};
const FrameFiles& frame_files(ConversionRun& run);

}  // namespace html
