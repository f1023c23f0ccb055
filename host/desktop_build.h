// The authoring window's Build and Contents menus: the project-wide
// commands on the project the window has open, each dialog left to the
// person, and what the exports returned printed for the log.
#pragma once
#include "host/desktop_state.h"

namespace host {

// Compile: GenFiles and the compiler, then its messages (ViewErrors); a
// problem topic's document becomes the current one.
int compile(Desktop& d);
// Compiler Messages...: ViewErrors; a problem topic's document becomes the
// current one.
int view_compiler_messages(Desktop& d);
// Topic Report...: GenReport, and where the report is.
int topic_report(Desktop& d);
// Keyword Indexes: BuildKeywordIndex rebuilding the A and K databases.
int keyword_indexes(Desktop& d);
// Distribution Index...: BuildKeywordIndex asking which sections to write.
int distribution_index(Desktop& d);
// Contents File...: EditContents, and the contents file's path.
int edit_contents(Desktop& d);
// Outline Editor...: EditOutline on the project's outline.
int edit_outline(Desktop& d);

}  // namespace host
