#include "host/link_check.h"

#include <map>
#include <set>
#include <unordered_set>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace host {
namespace {

struct Page {
  std::set<std::string> anchors;     // NAME= and ID= values
  std::vector<std::string> targets;  // HREF= and SRC= values
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

// The anchors and link targets of a page: attribute values inside tags,
// names compared without case, in one pass over the page.
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
      page.anchors.insert(std::move(value));
    } else {
      page.targets.push_back(std::move(value));
    }
  }
  return page;
}

bool is_outside_link(const std::string& target) {
  static const char* schemes[] = {"http:", "https:", "ftp:", "mailto:", "javascript:", "news:", "file:",
                                  "ms-its:", "mk:"};
  for (const char* s : schemes) {
    if (text::istarts_with(target, s)) return true;
  }
  return false;
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
  std::unordered_set<std::string> files;  // lower-case names of every file

  bool has_file(const std::string& file) const {
    if (file.find_first_of("\\/") == std::string::npos) return files.count(text::to_lower(file)) != 0;
    return platform::file_exists(folder + "/" + file);  // a link into a subfolder
  }
};

void check_target(const std::string& page_name, const std::string& target, const Site& site,
                  LinkReport& report) {
  if (target.empty() || is_outside_link(target)) return;
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
  if (!anchor.empty() && !found->second.anchors.count(anchor)) {
    report.broken.push_back(page_name + ": " + target + " (no such anchor)");
  }
}

}  // namespace

LinkReport check_links(const std::string& folder) {
  Site site{folder, {}, {}};
  for (const auto& name : platform::find_files(folder + "/*")) {
    site.files.insert(text::to_lower(name));
    if (!is_page_name(name)) continue;
    if (auto html = platform::read_file(folder + "/" + name)) site.pages[name] = read_page(*html);
  }
  LinkReport report;
  report.pages = static_cast<int>(site.pages.size());
  for (const auto& [name, page] : site.pages) {
    for (const auto& target : page.targets) check_target(name, target, site, report);
  }
  return report;
}

}  // namespace host
