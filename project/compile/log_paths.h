// Compiler log lines as the message viewer shows them. The compilers write
// the project's and the topic files' paths in the drive form
// ("z:\tmp\help\a.rtf"); the viewer shows them as host paths with the
// spelling on disk, while the log's own lines stay as written for finding
// the problem topic.
#pragma once
#include <string>
#include <string_view>

namespace project {

// `line` with each drive-form path in it replaced by its host path. A path
// starts at "X:\" at the line's start or behind a blank, tab, quote or
// parenthesis, and runs up to " :" or ": " (the compilers' separators), a
// colon ending the line, a quote, a tab or the line's end.
std::string shown_log_line(std::string_view line);

}  // namespace project
