// The authoring window's Topic menu: each command runs its export over the
// current document as the macros do, and prints what the export returned
// and what the word processor would put into the document. The window does
// not edit the document behind the author's word processor.
#pragma once
#include "host/desktop_state.h"

namespace host {

// Insert Topic...: GetTopic, then the new topic's footnotes.
int insert_topic(Desktop& d);
// Go to Topic...: GotoTopic; the document it names becomes the current one.
int go_to_topic(Desktop& d);
// Groups...: EditGroup, then NextItem for each topic of the group.
int edit_groups(Desktop& d);
// Delete Topics...: DeleteItem.
int delete_topics(Desktop& d);

}  // namespace host
