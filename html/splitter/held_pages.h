// Pages the splitter has cut and the page writer has yet to write. A publish
// holds them in a scratch file instead of writing each page twice (split,
// then rewritten by the page writer): the writer takes a held page's text
// and creates the page once. Memory stays flat whatever the project's size:
// only each page's place in the scratch file is kept.
//
// Without hold() (a scratch file cannot be made, or a pass that runs the
// splitter alone) the splitter writes its pages as files, as before.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/spool_file.h"

namespace html {

class HeldPages {
 public:
  // Starts holding the pages split from now on; false (and nothing held)
  // when no scratch file can be made.
  bool hold();
  bool holding() const { return spool_.is_open(); }

  // Starts the held text of a page (a page split again starts anew).
  void begin(std::string_view path);
  // Adds to the page begun last; false when the scratch file failed.
  bool append(std::string_view text);

  // Takes out the text of a held page: nullopt when the page is not held
  // (it is a file) or its text cannot be read back.
  std::optional<std::string> take(std::string_view path);
  // The pages still held, in the order they were begun.
  std::vector<std::string> remaining() const;
  // Drops every held page and the scratch file.
  void clear();

 private:
  struct Range {
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
    std::size_t order = 0;
  };
  platform::SpoolFile spool_;
  std::unordered_map<std::string, Range> pages_;  // by path as split
  Range* current_ = nullptr;
  std::size_t begun_ = 0;
};

}  // namespace html
