// The page writer: the second pass of a conversion. Rewrites each topic page
// line by line (title, generator, BODY tag, tables, headings, WinHelp-only
// references, keyword markers, hotspot markers) and hands it to the framer.
#pragma once
#include <cstddef>
#include <string_view>

namespace html {

struct ConversionRun;

// The generator every written page names.
inline constexpr std::string_view kWriterGenerator =
    "<META NAME=\"GENERATOR\" CONTENT=\"Quorvane Leafcaster\">";

// Readies the run for the pass: the context map indexed for look-ups, the
// page list by name, the index anchors counting from 1.
void prepare_page_writing(ConversionRun& run);

// Rewrites and frames the page at a processing position. Returns 1, or 0
// when the page or its working copy cannot be opened (the page is then left
// as it was).
int write_topic_page(ConversionRun& run, std::size_t position);

// The same for a page given by its path.
int write_topic_page(ConversionRun& run, std::string_view path);

// True when the page is the run's TOC page: the home page, when the TOC is
// not made from the contents file.
bool is_toc_page(const ConversionRun& run, std::string_view page_name);

}  // namespace html
