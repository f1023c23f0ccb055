#include "project/topics/footnote_marks.h"

#include "platform/text.h"

namespace project {

void FootnoteMark::body_text(std::string_view bytes) {
  size_t last = bytes.find_last_not_of(" \t");
  if (last != std::string_view::npos) mark_ = bytes[last];
}

char FootnoteMark::take() {
  char mark = mark_;
  mark_ = 0;
  return mark;
}

std::string FootnoteValue(char kind, std::string_view text) {
  std::string value(text);
  for (char& c : value)
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  std::string_view rest = text::trim(value);
  if (!rest.empty() && rest.front() == kind) rest = text::trim(rest.substr(1));
  return std::string(rest);
}

}  // namespace project
