#include "html/text/read_on.h"

#include "html/text/markup.h"

namespace html {

std::size_t read_on_until(ReadOn& more, std::string& buffer, std::size_t from,
                          std::string_view closing, std::size_t limit) {
  for (;;) {
    std::size_t found = find_nocase(buffer, closing, from);
    if (found != kNoPos) return found;
    if (buffer.size() >= limit || !more.append_line(buffer)) return kNoPos;
  }
}

}  // namespace html
