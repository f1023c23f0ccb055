// get_outline: the outline handed to the word processor's macros one entry
// a call. The file is read afresh after each document, so that it is not
// held while the caller builds that document; the line reached is kept.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace contents {

struct OutlineReader {
  bool started = false;
  size_t offset = 0;                 // where the next line starts in the file
  std::optional<std::string> bytes;  // the file while it is "open"
};

// One delivered entry: the texts before the first space, after it up to
// the first "=" (empty for a "# {" title), and after the first "=".
struct OutlineItem {
  std::string level;
  std::string title;
  std::string target;
  bool delivered = false;  // set for an entry, not for a blank line
};

// The entry an outline line stands for.
OutlineItem outline_item(std::string_view line);

enum class Delivery {
  started,  // "1": the file is open at its first entry; nothing delivered
  blank,    // a blank line; nothing delivered
  entry,    // item holds the next entry
  end,      // no more entries, or the file cannot be read
};

// start: the caller passed "1" in the level text.
Delivery get_outline(OutlineReader& reader, std::string_view outline_path, bool start, OutlineItem& item);

}  // namespace contents
