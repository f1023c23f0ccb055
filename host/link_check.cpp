#include "host/link_check.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <unordered_map>
#include <unordered_set>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace host {
namespace {

// A page's anchors (sorted) and its local link targets in page order.
// Only the anchors are kept once the page is checked: a large site repeats
// the same targets (buttons, index, contents) on every page.
struct Page {
  std::vector<std::string> anchors;  // NAME= and ID= values
  std::vector<std::string> targets;
  bool has_anchor(const std::string& anchor) const {
    return std::binary_search(anchors.begin(), anchors.end(), anchor);
  }
};

// The value of an attribute starting at pos (after "NAME="), quoted or bare.
std::string attribute_value(const std::string& html, size_t pos) {
  if (pos >= html.size()) return {};
  char quote = html[pos];
  if (quote == '"' || quote == '\'') {
    size_t end = html.find(quote, pos + 1);
    return html.substr(pos + 1, end == std::string::npos ? std::string::npos : end - pos - 1);
  }
  size_t end = html.find_first_of(" \t\r\n>", pos);
  return html.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
}

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// The attribute (lower case, with its "=") that starts at i of the lower-cased page, if any.
std::string_view attribute_at(const std::string& lower, size_t i) {
  static constexpr std::string_view kNames[] = {"name=", "id=", "href=", "src="};
  for (std::string_view key : kNames) {
    if (lower.compare(i, key.size(), key) == 0) return key;
  }
  return {};
}

bool is_outside_link(const std::string& target) {
  static const char* schemes[] = {"http:", "https:", "ftp:", "mailto:", "javascript:", "news:", "file:",
                                  "ms-its:", "mk:"};
  for (const char* s : schemes) {
    if (text::istarts_with(target, s)) return true;
  }
  return false;
}

// The anchors and local link targets of a page: attribute values inside
// tags, names compared without case, in one pass over the page.
Page read_page(const std::string& html) {
  Page page;
  std::string lower = text::to_lower(html);
  bool in_tag = false;
  for (size_t i = 0; i < lower.size(); ++i) {
    if (lower[i] == '<') in_tag = true;
    else if (lower[i] == '>') in_tag = false;
    if (!in_tag || i == 0 || !is_blank(lower[i - 1])) continue;
    std::string_view key = attribute_at(lower, i);
    if (key.empty()) continue;
    std::string value = attribute_value(html, i + key.size());
    if (key == "name=" || key == "id=") {
      page.anchors.push_back(std::move(value));
    } else if (!value.empty() && !is_outside_link(value)) {
      page.targets.push_back(std::move(value));
    }
  }
  std::sort(page.anchors.begin(), page.anchors.end());
  page.anchors.erase(std::unique(page.anchors.begin(), page.anchors.end()), page.anchors.end());
  page.anchors.shrink_to_fit();
  return page;
}

bool is_page_name(std::string_view name) {
  std::string_view ext = platform::extension_of(name);
  return text::iequals(ext, ".htm") || text::iequals(ext, ".html");
}

// The folder's files, listed once: pages read once each, in name order,
// and every other file known by name so that no link costs a look at the
// disk. A link to an anchor of a page not read yet waits for that page.
struct Site {
  std::string folder;
  std::map<std::string, Page> pages;       // pages read: their anchors
  std::set<std::string> unread;            // pages listed, not read yet
  std::unordered_set<std::string> files;  // lower-case names of every file

  bool has_file(const std::string& file) const {
    if (file.find_first_of("\\/") == std::string::npos) return files.count(text::to_lower(file)) != 0;
    return platform::file_exists(folder + "/" + file);  // a link into a subfolder
  }
};

// A link whose anchor is checked once its page has been read; the broken
// links keep the order of pages and links however late they are found.
struct Pending {
  std::size_t order;
  const std::string* page_name;  // a key of Site::pages
  std::string target;
};

// A link target split at its '#'.
struct Target {
  std::string file, anchor;
  explicit Target(const std::string& target) {
    size_t hash = target.find('#');
    file = target.substr(0, hash);
    if (hash != std::string::npos) anchor = target.substr(hash + 1);
  }
};

struct Checker {
  const Site& site;
  LinkReport& report;
  std::vector<std::pair<std::size_t, std::string>> broken;  // by link order
  std::vector<Pending> pending;
  std::size_t order = 0;

  void fail(std::size_t at, const std::string& page_name, const std::string& target, const char* why) {
    broken.emplace_back(at, page_name + ": " + target + " (" + why + ")");
  }

  void check(const std::string& page_name, const Page& page, std::string target) {
    ++report.links;
    std::size_t at = order++;
    Target t(target);
    if (t.file.empty() || t.file == page_name) {
      if (!t.anchor.empty() && !page.has_anchor(t.anchor)) fail(at, page_name, target, "no such anchor");
      return;
    }
    if (!t.anchor.empty() && site.unread.count(t.file)) {
      pending.push_back({at, &page_name, std::move(target)});
      return;
    }
    settle(at, page_name, target, t);
  }

  // A link whose page has been read (or is no page of the site).
  void settle(std::size_t at, const std::string& page_name, const std::string& target, const Target& t) {
    auto found = site.pages.find(t.file);
    if (found == site.pages.end()) {
      if (!site.has_file(t.file)) fail(at, page_name, target, "no such file");
      return;
    }
    if (!t.anchor.empty() && !found->second.has_anchor(t.anchor)) fail(at, page_name, target, "no such anchor");
  }

  void finish() {
    for (const Pending& p : pending) settle(p.order, *p.page_name, p.target, Target(p.target));
    std::sort(broken.begin(), broken.end());
    for (auto& [at, text] : broken) report.broken.push_back(std::move(text));
  }
};

}  // namespace

LinkReport check_links(const std::string& folder) {
  Site site{folder, {}, {}, {}};
  for (const auto& name : platform::find_files(folder + "/*")) {
    site.files.insert(text::to_lower(name));
    if (is_page_name(name)) site.unread.insert(name);
  }
  LinkReport report;
  Checker checker{site, report, {}, {}};
  while (!site.unread.empty()) {
    std::string name = *site.unread.begin();
    site.unread.erase(site.unread.begin());
    std::optional<std::string> html = platform::read_file(folder + "/" + name);
    if (!html) continue;
    auto at = site.pages.emplace(std::move(name), read_page(*html)).first;
    Page& page = at->second;
    std::vector<std::string> targets = std::move(page.targets);
    for (std::string& target : targets) checker.check(at->first, page, std::move(target));
  }
  checker.finish();
  report.pages = static_cast<int>(site.pages.size());
  return report;
}

}  // namespace host
