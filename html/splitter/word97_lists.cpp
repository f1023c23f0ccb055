// The list habits of the older word processor's export: private graphic
// codes, doubled list tags and directory indentation.
#include "html/text/html_text.h"
#include "html/splitter/line_cleanup.h"

namespace html {

namespace {

void remove_private_graphics(std::string& line) {
  constexpr std::string_view code = "&#19; private graphic file=";
  for (std::size_t p = line.find(code); p != std::string::npos; p = line.find(code, p)) {
    std::size_t blank = line.find(' ', p + code.size());
    line.erase(p, (blank == std::string::npos ? line.size() : blank) - p);
  }
}

// An "<OL>" goes unless a list item came since the last one kept; the
// export opens a new list for every indentation step.
void remove_doubled_ordered_lists(std::string& line, CleanupState& state) {
  std::size_t p = 0;
  for (;;) {
    std::size_t ol = line.find("<OL>", p);
    std::size_t li = line.find("<LI", p);
    if (ol == std::string::npos && li == std::string::npos) return;
    if (li < ol) {
      state.list_item_since_kept_ol = true;
      p = li + 3;
    } else if (state.list_item_since_kept_ol) {
      state.list_item_since_kept_ol = false;
      p = ol + 4;
    } else {
      line.erase(ol, 4);
      p = ol;
    }
  }
}

}  // namespace

void clean_word97_lists(std::string& line, const SplitOptions& o, CleanupState& state) {
  remove_private_graphics(line);
  if (o.fix_ol) {
    for (std::size_t p = line.find("<UL"); p != std::string::npos; p = line.find("<UL", p + 1)) {
      std::size_t dir = line.find("<DIR>", p);
      if (dir != std::string::npos) line.erase(p, dir - p);
    }
    remove_doubled_ordered_lists(line, state);
    if (line.compare(0, 5, "</OL>") == 0) line.erase(0, 5);
    replace_all(line, "<LI VALUE=1>", "<LI>");
  }
  if (o.remove_dir) {
    erase_all(line, "<DIR>");
    erase_all(line, "</DIR>");
  }
}

}  // namespace html
