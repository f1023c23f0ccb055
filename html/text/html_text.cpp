#include "html/text/html_text.h"

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

std::string charset_meta(std::string_view charset) {
  return "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=" + std::string(charset) +
         "\">";
}

std::string declared_charset(std::string_view line) {
  std::size_t at = line.find("charset=");
  if (at == std::string_view::npos) at = line.find("CHARSET=");
  if (at == std::string_view::npos) return {};
  std::size_t start = at + 8;
  std::size_t end = line.find_first_of("\"'; >\r\n", start);
  if (end == std::string_view::npos) end = line.size();
  return std::string(line.substr(start, end - start));
}

}  // namespace html
