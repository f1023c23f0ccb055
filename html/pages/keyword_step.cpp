#include "html/pages/keyword_step.h"

#include "platform/text.h"

namespace html {

namespace {

// True when the ";" at semi ends a character reference "&#N;".
bool ends_reference(std::string_view s, std::size_t semi) {
  std::size_t p = semi;
  while (p > 0 && s[p - 1] >= '0' && s[p - 1] <= '9') --p;
  return p < semi && p >= 2 && s[p - 1] == '#' && s[p - 2] == '&';
}

}  // namespace

std::vector<std::string> keywords_to_index(std::string_view list) {
  std::string all(list);
  for (char& c : all)
    if (c == '\r') c = ' ';
  std::vector<std::string> out;
  std::size_t start = 0;
  for (std::size_t p = 0; p <= all.size(); ++p) {
    if (p < all.size() && (all[p] != ';' || ends_reference(all, p))) continue;
    std::string keyword(text::trim_left(std::string_view(all).substr(start, p - start)));
    if (!keyword.empty()) out.push_back(keyword);
    start = p + 1;
  }
  return out;
}

int convert_keywords(std::string& buffer, std::string_view page, IndexEntries& index,
                     int& next_anchor, ReadOn& more) {
  int made = 0;
  for (std::size_t at = buffer.find(kKeywordMarker); at != std::string::npos;
       at = buffer.find(kKeywordMarker, at)) {
    std::size_t start = at + kKeywordMarker.size();
    std::size_t end = read_on_until(more, buffer, start, kKeywordMarkerEnd);
    std::size_t cut = end == std::string::npos ? buffer.find_first_of("\r\n", start) : end;
    if (cut == std::string::npos) cut = buffer.size();
    std::string anchors;
    for (const std::string& k :
         keywords_to_index(std::string_view(buffer).substr(start, cut - start))) {
      index.add(k, text::format("%s#IX_%d", std::string(page).c_str(), next_anchor));
      anchors += text::format("<a name=\"IX_%d\"></a>", next_anchor);
      ++next_anchor;
      ++made;
    }
    std::size_t marker_end = end == std::string::npos ? cut : end + kKeywordMarkerEnd.size();
    buffer.replace(at, marker_end - at, anchors);
    at += anchors.size();
  }
  return made;
}

}  // namespace html
