#include "host/link_check.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <map>
#include <unordered_map>
#include <unordered_set>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace host {
namespace {

// A page's anchors (sorted) and its local link targets, kept as numbers
// into the site's table of distinct targets: a large site repeats the same
// targets on every page (buttons, index, contents).
struct Page {
  std::vector<std::string> anchors;  // NAME= and ID= values
  std::vector<std::uint32_t> targets;
  bool has_anchor(const std::string& anchor) const {
    return std::binary_search(anchors.begin(), anchors.end(), anchor);
  }
};

// The distinct link targets of the site, each stored once.
class Targets {
 public:
  std::uint32_t id_of(std::string target) {
    auto found = ids_.find(target);
    if (found != ids_.end()) return found->second;
    texts_.push_back(std::move(target));
    auto id = static_cast<std::uint32_t>(texts_.size() - 1);
    ids_.emplace(texts_.back(), id);
    return id;
  }
  const std::string& text(std::uint32_t id) const { return texts_[id]; }

 private:
  std::deque<std::string> texts_;  // stable: the map's keys view them
  std::unordered_map<std::string_view, std::uint32_t> ids_;
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
Page read_page(const std::string& html, Targets& targets) {
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
      page.targets.push_back(targets.id_of(std::move(value)));
    }
  }
  std::sort(page.anchors.begin(), page.anchors.end());
  page.anchors.erase(std::unique(page.anchors.begin(), page.anchors.end()), page.anchors.end());
  page.anchors.shrink_to_fit();
  page.targets.shrink_to_fit();
  return page;
}

bool is_page_name(std::string_view name) {
  std::string_view ext = platform::extension_of(name);
  return text::iequals(ext, ".htm") || text::iequals(ext, ".html");
}

// The folder's files, listed once: pages read once each, and every other
// file known by name so that no link costs a look at the disk.
struct Site {
  std::string folder;
  std::map<std::string, Page> pages;
  Targets targets;
  std::unordered_set<std::string> files;  // lower-case names of every file

  bool has_file(const std::string& file) const {
    if (file.find_first_of("\\/") == std::string::npos) return files.count(text::to_lower(file)) != 0;
    return platform::file_exists(folder + "/" + file);  // a link into a subfolder
  }
};

void check_target(const std::string& page_name, const std::string& target, const Site& site,
                  LinkReport& report) {
  ++report.links;
  size_t hash = target.find('#');
  std::string file = target.substr(0, hash);
  std::string anchor = hash == std::string::npos ? "" : target.substr(hash + 1);
  const std::string& target_page = file.empty() ? page_name : file;
  auto found = site.pages.find(target_page);
  if (found == site.pages.end()) {
    if (!site.has_file(file)) report.broken.push_back(page_name + ": " + target + " (no such file)");
    return;
  }
  if (!anchor.empty() && !found->second.has_anchor(anchor)) {
    report.broken.push_back(page_name + ": " + target + " (no such anchor)");
  }
}

}  // namespace

LinkReport check_links(const std::string& folder) {
  Site site{folder, {}, {}, {}};
  for (const auto& name : platform::find_files(folder + "/*")) {
    site.files.insert(text::to_lower(name));
    if (!is_page_name(name)) continue;
    if (auto html = platform::read_file(folder + "/" + name))
      site.pages[name] = read_page(*html, site.targets);
  }
  LinkReport report;
  report.pages = static_cast<int>(site.pages.size());
  for (const auto& [name, page] : site.pages) {
    for (std::uint32_t id : page.targets) check_target(name, site.targets.text(id), site, report);
  }
  return report;
}

}  // namespace host
