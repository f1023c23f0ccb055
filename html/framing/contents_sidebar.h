// The main contents beside a page, without frames: layout element "C". The
// entries come from the contents file when the run's TOC does, else from the
// pages in their order.
#pragma once
#include <string>
#include <string_view>

namespace html {

struct ConversionRun;

// The sidebar beside a page (its file name): a <NAV CLASS="tw-contents">
// block. The whole contents are made once per run; past
// kWholeSidebarEntries each page shows only the way to itself and a link to
// the whole contents page.
std::string contents_sidebar(ConversionRun& run, std::string_view page);

// The page that holds the whole contents when the sidebars are cut, in the
// output directory: "twzcont" with the pages' extension, unless a topic page
// has that name.
std::string whole_contents_page_name(const ConversionRun& run);

// Writes that page, framed as a contents page, when this run's sidebars were
// cut. Returns false when it could not be written.
bool write_whole_contents_page(ConversionRun& run);

// The part of a whole page between its <BODY> tag and </BODY> (the whole
// text when it has none).
std::string body_of(const std::string& page);

}  // namespace html
