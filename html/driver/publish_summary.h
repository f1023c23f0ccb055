// What the last ProcessFiles run published, as text for the caller's summary.
#pragma once
#include <string>

namespace html {

struct ConversionRun;

// "start=PAGE", "pages=N", "links=N", "unresolved=N", "index=N",
// "failed_files=N", "failed_pages=N", "pictures=N", "missing_pictures=N",
// "failed_pictures=N", one a line: the page a reader opens
// first (the frameset when there is one) and the run's counts, including
// what could not be published; "compiler=PID" and "chm=PATH" when an HTML
// Help compile was started (the caller may wait for that process); then "unknown=TARGET" for each target of an
// unresolved jump (as many as fit the caller's buffer, the rest counted in
// "unknown_more=N").
std::string publish_summary(const ConversionRun& run);

}  // namespace html
