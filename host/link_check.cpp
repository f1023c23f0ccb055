#include "host/link_check.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace host {
namespace {

// A page as read: its anchors (NAME= and ID= values, sorted) and its local
// link targets in page order, as views into the page's text. The index page
// of a large project holds a link per keyword: no copy of each.
struct Page {
  std::vector<std::string_view> anchors;
  std::vector<std::string_view> targets;
  bool has_anchor(std::string_view anchor) const {
    return std::binary_search(anchors.begin(), anchors.end(), anchor);
  }
};

// The value of an attribute starting at pos (after "NAME="), quoted or bare.
std::string_view attribute_value(std::string_view html, size_t pos) {
  if (pos >= html.size()) return {};
  char quote = html[pos];
  if (quote == '"' || quote == '\'') {
    size_t end = html.find(quote, pos + 1);
    return html.substr(pos + 1, end == std::string_view::npos ? std::string_view::npos : end - pos - 1);
  }
  size_t end = html.find_first_of(" \t\r\n>", pos);
  return html.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
}

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// The attribute (lower case, with its "=") that starts at i of the page, in
// any case, if any.
std::string_view attribute_at(std::string_view html, size_t i) {
  static constexpr std::string_view kNames[] = {"name=", "id=", "href=", "src="};
  for (std::string_view key : kNames) {
    if (text::istarts_with(html.substr(i), key)) return key;
  }
  return {};
}

bool is_outside_link(std::string_view target) {
  static const char* schemes[] = {"http:", "https:", "ftp:", "mailto:", "javascript:", "news:", "file:",
                                  "ms-its:", "mk:"};
  for (const char* s : schemes) {
    if (text::istarts_with(target, s)) return true;
  }
  return false;
}

// The anchors and local link targets of a page: attribute values inside
// tags, names compared without case, in one pass over the page.
Page read_page(std::string_view html) {
  Page page;
  bool in_tag = false;
  for (size_t i = 0; i < html.size(); ++i) {
    if (html[i] == '<') in_tag = true;
    else if (html[i] == '>') in_tag = false;
    if (!in_tag || i == 0 || !is_blank(html[i - 1])) continue;
    std::string_view key = attribute_at(html, i);
    if (key.empty()) continue;
    std::string_view value = attribute_value(html, i + key.size());
    if (key == "name=" || key == "id=") {
      page.anchors.push_back(value);
    } else if (!value.empty() && !is_outside_link(value)) {
      page.targets.push_back(value);
    }
  }
  std::sort(page.anchors.begin(), page.anchors.end());
  page.anchors.erase(std::unique(page.anchors.begin(), page.anchors.end()), page.anchors.end());
  return page;
}

bool is_page_name(std::string_view name) {
  std::string_view ext = platform::extension_of(name);
  return text::iequals(ext, ".htm") || text::iequals(ext, ".html");
}

// The folder's files, listed once: pages read once each, in name order,
// and every other file known by name so that no link costs a look at the
// disk. What a large site keeps is flat: the page names in one sorted
// vector, and every page's anchors end to end in one text, page after page,
// each page's slice sorted and found by binary search.
struct Site {
  enum class State : unsigned char { unread, read, unreadable };

  std::string folder;
  std::vector<std::string> pages;          // page names, sorted
  std::vector<State> state;                // per page
  std::vector<std::string> files;          // lower-case names of every file, sorted
  std::string anchor_text;                 // every anchor read, end to end
  std::vector<std::size_t> anchor_ends;    // end of each anchor in anchor_text
  std::vector<std::size_t> first_anchor;   // per page up to the last read: its first anchor

  std::optional<std::size_t> page_index(std::string_view name) const {
    auto at = std::lower_bound(pages.begin(), pages.end(), name);
    if (at == pages.end() || *at != name) return std::nullopt;
    return static_cast<std::size_t>(at - pages.begin());
  }

  bool has_file(const std::string& file) const {
    if (file.find_first_of("\\/") == std::string::npos) {
      return std::binary_search(files.begin(), files.end(), text::to_lower(file));
    }
    return platform::file_exists(folder + "/" + file);  // a link into a subfolder
  }

  std::string_view anchor(std::size_t entry) const {
    std::size_t begin = entry == 0 ? 0 : anchor_ends[entry - 1];
    return std::string_view(anchor_text).substr(begin, anchor_ends[entry] - begin);
  }

  // Pages are read in index order, so page i's anchors are the entries
  // added since page i - 1.
  void keep_anchors(std::size_t page, const Page& read) {
    for (std::size_t i = first_anchor.size(); i <= page; ++i) first_anchor.push_back(anchor_ends.size());
    for (std::string_view a : read.anchors) {
      anchor_text += a;
      anchor_ends.push_back(anchor_text.size());
    }
  }

  // One past page's last entry: pages read later start where it ends.
  std::size_t anchors_end(std::size_t page) const {
    return page + 1 < first_anchor.size() ? first_anchor[page + 1] : anchor_ends.size();
  }

  // For a page that has been read.
  bool has_anchor(std::size_t page, std::string_view name) const {
    std::size_t lo = first_anchor[page];
    const std::size_t end = anchors_end(page);
    std::size_t hi = end;
    while (lo < hi) {
      std::size_t mid = lo + (hi - lo) / 2;
      if (anchor(mid) < name) lo = mid + 1;
      else hi = mid;
    }
    return lo < end && anchor(lo) == name;
  }
};

// A link target split at its '#'.
struct Target {
  std::string_view file, anchor;
  explicit Target(std::string_view target) {
    size_t hash = target.find('#');
    file = target.substr(0, hash);
    if (hash != std::string_view::npos) anchor = target.substr(hash + 1);
  }
};

// A link to an anchor of a page not read yet: checked once that page has
// been read. Its target text lives in Checker::pending_text.
struct Pending {
  std::size_t order;
  std::size_t from_page;
  std::size_t begin, size;
};

// The broken links keep the order of pages and links however late they
// are found.
struct Checker {
  const Site& site;
  LinkReport& report;
  std::vector<std::pair<std::size_t, std::string>> broken;  // by link order
  std::deque<Pending> pending;  // grows in blocks: a large site has hundreds of thousands
  std::string pending_text;
  std::size_t order = 0;

  void fail(std::size_t at, std::size_t from_page, std::string_view target, const char* why) {
    broken.emplace_back(at, site.pages[from_page] + ": " + std::string(target) + " (" + why + ")");
  }

  void check(std::size_t from_page, const Page& page, std::string_view target) {
    ++report.links;
    std::size_t at = order++;
    Target t(target);
    if (t.file.empty() || t.file == site.pages[from_page]) {
      if (!t.anchor.empty() && !page.has_anchor(t.anchor)) fail(at, from_page, target, "no such anchor");
      return;
    }
    std::optional<std::size_t> to_page = site.page_index(t.file);
    if (!t.anchor.empty() && to_page && site.state[*to_page] == Site::State::unread) {
      pending.push_back({at, from_page, pending_text.size(), target.size()});
      pending_text += target;
      return;
    }
    settle(at, from_page, target, t, to_page);
  }

  // A link whose page has been read (or is no page of the site).
  void settle(std::size_t at, std::size_t from_page, std::string_view target, const Target& t,
              std::optional<std::size_t> to_page) {
    if (!to_page || site.state[*to_page] != Site::State::read) {
      if (!site.has_file(std::string(t.file))) fail(at, from_page, target, "no such file");
      return;
    }
    if (!t.anchor.empty() && !site.has_anchor(*to_page, t.anchor)) fail(at, from_page, target, "no such anchor");
  }

  void finish() {
    for (const Pending& p : pending) {
      std::string_view target = std::string_view(pending_text).substr(p.begin, p.size);
      Target t(target);
      settle(p.order, p.from_page, target, t, site.page_index(t.file));
    }
    std::sort(broken.begin(), broken.end());
    for (auto& [at, text] : broken) report.broken.push_back(std::move(text));
  }
};

}  // namespace

LinkReport check_links(const std::string& folder) {
  Site site;
  site.folder = folder;
  for (auto& name : platform::find_files(folder + "/*")) {
    site.files.push_back(text::to_lower(name));
    if (is_page_name(name)) site.pages.push_back(std::move(name));
  }
  std::sort(site.files.begin(), site.files.end());
  std::sort(site.pages.begin(), site.pages.end());
  site.pages.erase(std::unique(site.pages.begin(), site.pages.end()), site.pages.end());
  site.state.assign(site.pages.size(), Site::State::unread);

  LinkReport report;
  Checker checker{site, report, {}, {}, {}};
  for (std::size_t i = 0; i < site.pages.size(); ++i) {
    std::optional<std::string> html = platform::read_file(folder + "/" + site.pages[i]);
    if (!html) {
      site.state[i] = Site::State::unreadable;
      continue;
    }
    const Page page = read_page(*html);
    site.keep_anchors(i, page);
    site.state[i] = Site::State::read;
    ++report.pages;
    for (std::string_view target : page.targets) checker.check(i, page, target);
  }
  checker.finish();
  return report;
}

}  // namespace host
