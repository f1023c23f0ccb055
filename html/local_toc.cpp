#include "html/local_toc.h"

#include <algorithm>

#include "html/markup.h"
#include "platform/text.h"

namespace html {

namespace {

// Headings kept for one page; a longer page lists its first ones.
constexpr std::size_t kMaxLocalHeadings = 1000;

}  // namespace

void LocalToc::add(int level, int anchor, std::string_view heading_html) {
  if (headings_.size() >= kMaxLocalHeadings) return;
  std::string text = strip_tags(heading_html);
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
