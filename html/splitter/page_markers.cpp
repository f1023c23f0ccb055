#include "html/splitter/page_markers.h"

#include "html/analysis/marker_rewrite.h"
#include "html/splitter/word2000_filter.h"
#include "platform/text.h"

namespace html {

namespace {

constexpr std::size_t kMarkerLength = kPageMarker.size();

// The context of the first anchor marker at or after from, nullopt when none is complete.
std::optional<std::string> next_anchor(std::string_view buffer, std::size_t from) {
  std::size_t b = buffer.find(kAnchorMarker, from);
  if (b == std::string_view::npos) return std::nullopt;
  std::size_t start = b + kAnchorMarker.size();
  std::size_t bang = buffer.find('!', start);
  if (bang == std::string_view::npos) return std::nullopt;
  return std::string(text::trim_right(buffer.substr(start, bang - start)));
}

// True when each opener occurrence has its closer after it.
bool closed(std::string_view buffer, std::string_view opener, std::string_view closer) {
  for (std::size_t p = buffer.find(opener); p != std::string_view::npos;
       p = buffer.find(opener, p + 1))
    if (buffer.find(closer, p + opener.size()) == std::string_view::npos) return false;
  return true;
}

}  // namespace

std::optional<PageStart> take_page_marker(std::string& buffer, std::size_t pos) {
  std::size_t after = pos + kMarkerLength;
  PageStart page;
  if (after < buffer.size() && buffer[after] == '~') {
    std::size_t end = buffer.find(kTitleEnd, after + 1);
    if (end != std::string::npos) {
      page.title = buffer.substr(after + 1, end - after - 1);
      buffer.erase(pos, end + kTitleEnd.size() - pos);
      page.context = next_anchor(buffer, pos).value_or("");
      return page;
    }
  } else if (std::optional<std::string> context = next_anchor(buffer, after)) {
    page.context = *context;
    page.title = title_from_context(*context);
    buffer.erase(pos, kMarkerLength);
    return page;
  }
  buffer.erase(pos, kMarkerLength);
  return std::nullopt;
}

std::string title_from_context(std::string_view context) {
  std::string title(context);
  std::size_t prefix = title.find("IDH_");
  if (prefix == std::string::npos) prefix = title.find("idx_");
  if (prefix != std::string::npos) title.erase(prefix, 4);
  for (char& c : title)
    if (c == '_') c = ' ';
  return title;
}

std::vector<std::string> take_browse_markers(std::string& buffer) {
  std::vector<std::string> sequences;
  for (std::size_t p = buffer.find(kBrowseMarker); p != std::string::npos;
       p = buffer.find(kBrowseMarker, p)) {
    std::size_t start = p + kBrowseMarker.size();
    std::size_t end = buffer.find(kTitleEnd, start);
    if (end == std::string::npos) break;
    std::string sequence = buffer.substr(start, end - start);
    for (std::size_t cr = sequence.find("\r\n"); cr != std::string::npos;
         cr = sequence.find("\r\n"))
      sequence.erase(cr, 2);
    sequences.push_back(sequence);
    buffer.erase(p, end + kTitleEnd.size() - p);
  }
  return sequences;
}

std::vector<std::string> replace_anchor_markers(std::string& buffer) {
  std::vector<std::string> contexts;
  for (std::size_t p = buffer.find(kAnchorMarker); p != std::string::npos;
       p = buffer.find(kAnchorMarker, p)) {
    std::optional<std::string> context = next_anchor(buffer, p);
    if (!context) break;
    std::size_t end = buffer.find('!', p + kAnchorMarker.size()) + 1;
    std::string anchor = "<A NAME=\"" + *context + "\">";
    buffer.replace(p, end - p, anchor);
    p += anchor.size();
    contexts.push_back(*context);
  }
  return contexts;
}

bool marker_incomplete(std::string_view buffer, bool web_links, bool word2000_styles) {
  for (std::size_t p = buffer.find(kPageMarker); p != std::string_view::npos;
       p = buffer.find(kPageMarker, p + 1)) {
    std::size_t after = p + kMarkerLength;
    bool titled = after < buffer.size() && buffer[after] == '~';
    if (titled ? buffer.find(kTitleEnd, after + 1) == std::string_view::npos
               : !next_anchor(buffer, after))
      return true;
  }
  if (!closed(buffer, kAnchorMarker, "!") || !closed(buffer, kBrowseMarker, kTitleEnd)) return true;
  if (web_links && !closed(buffer, "!!lfcp", "!pe!")) return true;
  return word2000_styles && has_open_style(buffer);
}

}  // namespace html
