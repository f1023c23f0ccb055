// The pages a run writes once, when its first topic page is written: the
// frameset page (with frames) and the HTML Help contents page.
#pragma once
#include <cstddef>
#include <string>

namespace html {

struct ConversionRun;

// The frameset page's path: the output directory and the frame page name.
std::string frameset_path(const ConversionRun& run);

// Writes the run's frameset and contents pages if they are due and not yet
// written; position is the page being written.
void write_run_pages(ConversionRun& run, std::size_t position);

}  // namespace html
