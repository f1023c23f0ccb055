#include "tools/helpc/footnotes.h"

#include "platform/text.h"

namespace helpc {

Footnote read_footnote(std::string_view footnote_text, char reference_mark) {
  std::string_view body = text::trim(footnote_text);
  char mark = reference_mark;
  if (!body.empty() && (mark == 0 || body.front() == mark)) {
    mark = body.front();
    body = text::trim(body.substr(1));
  }
  return Footnote{mark, std::string(body)};
}

std::vector<std::string> keyword_list(std::string_view list) {
  std::vector<std::string> out;
  for (const auto& piece : text::split(list, ';')) {
    std::string_view keyword = text::trim(piece);
    if (!keyword.empty()) out.emplace_back(keyword);
  }
  return out;
}

bool is_hotspot_format(const rtf::CharFormat& format) {
  return format.strike || format.underline == rtf::Underline::single ||
         format.underline == rtf::Underline::double_line;
}

HotspotKind hotspot_kind_of(const rtf::CharFormat& format) {
  return format.underline == rtf::Underline::single && !format.strike ? HotspotKind::popup : HotspotKind::jump;
}

}  // namespace helpc
