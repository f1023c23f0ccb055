#include "html/html_text.h"

namespace html {

void erase_all(std::string& s, std::string_view text) { replace_all(s, text, ""); }

void replace_all(std::string& s, std::string_view from, std::string_view to) {
  if (from.empty()) return;
  for (std::size_t p = s.find(from); p != std::string::npos; p = s.find(from, p + to.size()))
    s.replace(p, from.size(), to);
}

void erase_tags(std::string& s, std::string_view opener) {
  for (std::size_t p = s.find(opener); p != std::string::npos; p = s.find(opener, p)) {
    std::size_t end = s.find('>', p + opener.size());
    if (end == std::string::npos) return;
    s.erase(p, end + 1 - p);
  }
}

}  // namespace html
