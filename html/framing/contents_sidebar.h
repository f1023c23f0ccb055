// The main contents beside a page, without frames: layout element "C". The
// entries come from the contents file when the run's TOC does, else from the
// pages in their order.
#pragma once
#include <string>

namespace html {

struct ConversionRun;

// The sidebar's HTML, made once per run: a <NAV CLASS="tw-contents"> block.
const std::string& contents_sidebar(ConversionRun& run);

// The part of a whole page between its <BODY> tag and </BODY> (the whole
// text when it has none).
std::string body_of(const std::string& page);

}  // namespace html
