#include "host/link_check.h"

#include <map>
#include <set>

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

// Every value of an attribute (name followed by "="), case-insensitive,
// taken only inside tags.
std::vector<std::string> attribute_values(const std::string& html, std::string_view name) {
  std::vector<std::string> out;
  std::string lower = text::to_lower(html);
  std::string key = text::to_lower(name) + "=";
  bool in_tag = false;
  for (size_t i = 0; i < lower.size(); ++i) {
    if (lower[i] == '<') in_tag = true;
    else if (lower[i] == '>') in_tag = false;
    else if (in_tag && lower.compare(i, key.size(), key) == 0 && i > 0 &&
             (lower[i - 1] == ' ' || lower[i - 1] == '\t' || lower[i - 1] == '\n' || lower[i - 1] == '\r')) {
      out.push_back(attribute_value(html, i + key.size()));
    }
  }
  return out;
}

Page read_page(const std::string& html) {
  Page page;
  for (auto& a : attribute_values(html, "NAME")) page.anchors.insert(a);
  for (auto& a : attribute_values(html, "ID")) page.anchors.insert(a);
  for (auto& t : attribute_values(html, "HREF")) page.targets.push_back(t);
  for (auto& t : attribute_values(html, "SRC")) page.targets.push_back(t);
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

void check_target(const std::string& page_name, const std::string& target,
                  const std::map<std::string, Page>& pages, const std::string& folder,
                  LinkReport& report) {
  if (target.empty() || is_outside_link(target)) return;
  ++report.links;
  size_t hash = target.find('#');
  std::string file = target.substr(0, hash);
  std::string anchor = hash == std::string::npos ? "" : target.substr(hash + 1);
  const std::string& target_page = file.empty() ? page_name : file;
  auto found = pages.find(target_page);
  if (found == pages.end()) {
    if (!platform::file_exists(folder + "/" + file)) {
      report.broken.push_back(page_name + ": " + target + " (no such file)");
    }
    return;
  }
  if (!anchor.empty() && !found->second.anchors.count(anchor)) {
    report.broken.push_back(page_name + ": " + target + " (no such anchor)");
  }
}

}  // namespace

LinkReport check_links(const std::string& folder) {
  std::map<std::string, Page> pages;
  for (const char* pattern : {"/*.htm", "/*.html"}) {
    for (const auto& name : platform::find_files(folder + pattern)) {
      if (auto html = platform::read_file(folder + "/" + name)) pages[name] = read_page(*html);
    }
  }
  LinkReport report;
  report.pages = static_cast<int>(pages.size());
  for (const auto& [name, page] : pages) {
    for (const auto& target : page.targets) check_target(name, target, pages, folder, report);
  }
  return report;
}

}  // namespace host
