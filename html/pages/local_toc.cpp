#include "html/pages/local_toc.h"

#include <algorithm>

#include "html/text/markup.h"
#include "platform/text.h"

namespace html {

namespace {

// Headings kept for one page; a longer page lists its first ones.
constexpr std::size_t kMaxLocalHeadings = 1000;

}  // namespace

namespace {

// Removes every span from opener to closer (inclusive); an unclosed one stays.
void erase_spans(std::string& s, std::string_view opener, std::string_view closer) {
  for (std::size_t at = s.find(opener); at != std::string::npos; at = s.find(opener, at)) {
    std::size_t end = s.find(closer, at + opener.size());
    if (end == std::string::npos) return;
    s.erase(at, end + closer.size() - at);
  }
}

// What a reader sees of a heading whose markers are not converted yet:
// no keyword lists, hotspot texts without their targets, single blanks.
std::string visible_text(std::string_view heading_html) {
  std::string html(heading_html);
  erase_spans(html, "!tzky", "!~");
  erase_spans(html, "^#", "#!#");
  for (std::size_t at = html.find("!!x"); at != std::string::npos; at = html.find("!!x", at))
    html.erase(at, html.compare(at, 4, "!!x ") == 0 ? 4 : 3);
  std::string text = strip_tags(html);
  std::string out;
  for (char c : text)
    if (c != ' ' || out.empty() || out.back() != ' ') out += c;
  return out;
}

}  // namespace

void LocalToc::add(int level, int anchor, std::string_view heading_html) {
  if (headings_.size() >= kMaxLocalHeadings) return;
  std::string text = visible_text(heading_html);
  if (!text.empty()) headings_.push_back({level, anchor, std::move(text)});
}

std::string LocalToc::text(int first, int last) const {
  std::vector<const Heading*> listed;
  for (const Heading& h : headings_)
    if (h.level >= first && h.level <= last) listed.push_back(&h);
  if (listed.size() < 2) return {};
  int base =
      (*std::min_element(listed.begin(), listed.end(), [](const Heading* a, const Heading* b) {
        return a->level < b->level;
      }))->level;
  std::string out;
  int depth = 0;  // lists open
  for (const Heading* h : listed) {
    int want = h->level - base + 1;
    for (; depth < want; ++depth) out += "<UL>\r\n";
    for (; depth > want; --depth) out += "</UL>\r\n";
    out += text::format("<LI><A HREF=\"#T%d\">%s</A></LI>\r\n", h->anchor, h->text.c_str());
  }
  for (; depth > 0; --depth) out += "</UL>\r\n";
  return out;
}

}  // namespace html
