#include "html/text/text_lines.h"

namespace html {

std::optional<std::string> TextLines::next_line(std::size_t max_bytes) {
  if (pos_ >= text_.size() || max_bytes == 0) return std::nullopt;
  std::string_view rest = std::string_view(text_).substr(pos_, max_bytes);
  std::size_t lf = rest.find('\n');
  std::size_t take = lf == std::string_view::npos ? rest.size() : lf + 1;
  pos_ += take;
  return std::string(rest.substr(0, take));
}

}  // namespace html
