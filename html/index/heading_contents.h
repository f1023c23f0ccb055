// The HTML Help contents sitemap of a run whose table of contents is not
// made from the contents file: one entry per page, in processing order.
#pragma once
#include <string>
#include <string_view>

namespace html {

struct ConversionRun;
class PageList;

// The sitemap for the pages; frame_name names the window pages open in.
std::string heading_contents(const PageList& pages, std::string_view frame_name);

// Writes it as the project's ".hhc"; false when it cannot be written.
bool write_heading_contents(const ConversionRun& run);

}  // namespace html
