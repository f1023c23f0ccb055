// Keeps the project's contents file in step with its topics: when a topic's
// title or context string changes, the entries that name the topic change
// with it.
#pragma once
#include <string_view>

#include "contents/contents_model.h"

namespace contents {

// Entries of this help file whose context string is old_context (without
// case; entries naming another help file are left alone) take new_context
// and, when it is not empty, new_title. Windows and the rest of the target
// stay. Returns the number of entries changed.
size_t retarget_entries(ContentsModel& model, std::string_view old_context, std::string_view new_context,
                        std::string_view new_title);

// Rewrites the contents file at path when an entry changed; false only when
// the file had to change and could not be written. A missing file is no
// failure.
bool update_title_or_cx(std::string_view path, std::string_view old_context, std::string_view new_context,
                        std::string_view new_title);

}  // namespace contents
