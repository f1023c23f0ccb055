#include "html/index/hhk_sitemap.h"

#include <algorithm>

#include "html/text/markup.h"
#include "platform/text.h"

namespace html {

namespace {

using EntryIter = std::vector<IndexEntry>::const_iterator;

// The end of the run of entries from begin whose key (as given) is equal
// without regard to case.
template <typename Key>
EntryIter run_end(EntryIter begin, EntryIter end, Key key) {
  std::string_view first = key(*begin);
  return std::find_if(begin, end,
                      [&](const IndexEntry& e) { return !text::iequals(key(e), first); });
}

std::string_view first_of(const IndexEntry& e) { return e.first_level(); }
std::string_view second_of(const IndexEntry& e) { return text::trim_left(e.second_level()); }

class SitemapWriter {
 public:
  SitemapWriter(std::string& out, const PageTitleLookup& title_of)
      : out_(out), title_of_(title_of) {}

  // Opens an object named name and lists the distinct pages of [begin, end).
  void object(std::string_view name, EntryIter begin, EntryIter end) {
    out_ += "<LI> <OBJECT type=\"text/sitemap\">\r\n";
    out_ += "<param name=\"Name\" value=\"" + escape_html(name) + "\">\r\n";
    std::vector<std::string_view> listed;
    for (EntryIter e = begin; e != end; ++e) {
      std::string_view page = page_of_target(e->target);
      if (std::find(listed.begin(), listed.end(), page) != listed.end()) continue;
      listed.push_back(page);
      std::string title = title_of_ ? title_of_(page) : std::string();
      if (title.empty()) title = std::string(page);
      out_ += "<param name=\"Name\" value=\"" + title + "\">\r\n";
      out_ += "<param name=\"Local\" value=\"" + std::string(page) + "\">\r\n";
    }
  }

  // One first-level keyword with all its entries.
  void keyword(EntryIter begin, EntryIter end) {
    EntryIter bare_end =
        std::find_if(begin, end, [](const IndexEntry& e) { return e.has_second_level(); });
    if (bare_end == end) {
      object(begin->first_level(), begin, end);
      out_ += "</OBJECT>\r\n";
      return;
    }
    // Without entries of its own the first level leads to its first entry's page.
    object(begin->first_level(), begin, bare_end == begin ? begin + 1 : bare_end);
    out_ += "</OBJECT>\r\n<UL>\r\n";
    for (EntryIter sub = bare_end; sub != end;) {
      EntryIter sub_end = run_end(sub, end, second_of);
      if (sub != bare_end) out_ += "</OBJECT>\r\n\r\n";
      object(second_of(*sub), sub, sub_end);
      sub = sub_end;
    }
    out_ += "</OBJECT>\r\n</UL>\r\n\r\n";
  }

 private:
  std::string& out_;
  const PageTitleLookup& title_of_;
};

}  // namespace

std::string hhk_sitemap(const std::vector<IndexEntry>& sorted, std::string_view frame_name,
                        const PageTitleLookup& title_of) {
  std::string out = "<HTML>\r\n<!-- Sitemap 1.0 -->\r\n\r\n";
  out += "<OBJECT type=\"text/site properties\">\r\n";
  if (!frame_name.empty())
    out += "<param name = \"FrameName\" value=\"" + std::string(frame_name) + "\">\r\n";
  out += "</OBJECT>\r\n<UL>\r\n\r\n";
  SitemapWriter writer(out, title_of);
  for (EntryIter e = sorted.begin(); e != sorted.end();) {
    EntryIter end = run_end(e, sorted.end(), first_of);
    writer.keyword(e, end);
    e = end;
  }
  out += "\r\n</UL>\r\n\r\n</BODY>\r\n</HTML>\r\n";
  return out;
}

}  // namespace html
