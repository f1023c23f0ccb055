#include "formats/hpj_kind.h"

#include "formats/hpj_text.h"
#include "platform/text.h"

namespace formats {

bool is_help_project_text(std::string_view bytes) {
  // UTF-16 text and binary files hold NUL bytes; project files never do.
  if (bytes.find('\0') != std::string_view::npos) return false;
  const HpjText hpj(bytes);
  for (const auto& line : hpj.lines()) {
    if (text::trim(line).empty() || is_comment_line(line)) continue;
    std::string_view header = text::trim(line);
    return header.front() == '[' && header.find(']') != std::string_view::npos;
  }
  return true;
}

}  // namespace formats
