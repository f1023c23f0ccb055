#include "html/keyword_step.h"

#include "platform/text.h"

namespace html {

std::vector<std::string> keywords_to_index(std::string_view list) {
  std::string all(list);
  for (char& c : all)
    if (c == '\r') c = ' ';
  if (all.empty() || all.back() != ';') all += ';';
  std::vector<std::string> items = text::split(all, ';');
  items.pop_back();  // after the final ";"
  for (std::string& k : items) k = std::string(text::trim_left(k));
  std::vector<std::string> out;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].empty()) continue;
    std::string with_second = items[i] + ":";
    bool has_second = false;
    for (std::size_t j = i + 1; j < items.size() && !has_second; ++j)
      has_second = items[j].starts_with(with_second);
    if (!has_second) out.push_back(items[i]);
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
