#include "wizard/text_fixes.h"

#include "platform/text.h"

namespace wizard {

std::string fix_string(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 32 || byte == 127 || (byte >= 128 && byte <= 191)) c = ' ';
  }
  return std::string(text::trim(out));
}

std::string fix_file_name(std::string_view text) {
  std::string out(text::trim(text));
  for (char& c : out) {
    if (c == ' ') c = '_';
  }
  return out;
}

}  // namespace wizard
