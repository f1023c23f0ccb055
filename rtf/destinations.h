// How the reader treats a group by its first control word.
#pragma once
#include <string_view>

namespace rtf {

// Groups whose content is ordinary document content although they begin with
// a destination word (field results, shape and object results, ...).
bool is_transparent_destination(std::string_view name);

// Groups that carry no document text and are skipped whole (headers and
// footers, field instructions, bookmarks, list text, document properties ...).
bool is_skipped_destination(std::string_view name);

}  // namespace rtf
