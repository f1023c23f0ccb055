// FixBookmark of the conversion library: a bookmark name for the caller.
#pragma once
#include <string>
#include <string_view>

namespace html {

// Every character but ASCII letters and digits becomes a blank; blanks are
// trimmed; "n" goes in front unless the name starts with a letter; the
// remaining blanks become "_".
std::string fix_bookmark(std::string_view text);

}  // namespace html
