#include "host/publish_report.h"

#include <cstdio>

#include "host/progress.h"
#include "host/user_paths.h"
#include "platform/paths.h"

namespace host {
namespace {

constexpr size_t kBrokenLinksShown = 20;

void print_counts(const PublishResult& r) {
  std::printf("%s, %s, %s, %s\n", counted(r.pages, "topic page").c_str(),
              counted(r.links, "link").c_str(),
              counted(r.index_entries, "index entry", "index entries").c_str(),
              counted(r.unresolved_jumps, "jump to an unknown topic", "jumps to unknown topics").c_str());
  for (const std::string& name : r.unknown_jumps) std::printf("  unknown topic: %s\n", name.c_str());
  if (r.unknown_not_listed > 0)
    std::printf("  and %s\n", counted(r.unknown_not_listed, "more unknown topic", "more unknown topics").c_str());
  if (r.failed_files > 0 || r.failed_pages > 0)
    std::printf("NOT PUBLISHED: %s could not be split, %s could not be written\n",
                counted(r.failed_files, "HTML file").c_str(), counted(r.failed_pages, "page").c_str());
  if (r.missing_pictures > 0 || r.failed_pictures > 0)
    std::printf("pictures: %d converted, %s, %s (their references left as text)\n", r.pictures,
                counted(r.missing_pictures, "bitmap not found", "bitmaps not found").c_str(),
                counted(r.failed_pictures, "bitmap not converted", "bitmaps not converted").c_str());
  std::printf("link check: %s, %zu broken\n", counted(r.checked_links, "local link").c_str(),
              r.broken_links.size());
  for (size_t i = 0; i < r.broken_links.size() && i < kBrokenLinksShown; ++i) {
    std::printf("  broken: %s\n", r.broken_links[i].c_str());
  }
}

// An HTML Help publication is a project for the HTML Help compiler: the
// report names the compiled file instead of a start page.
void print_html_help(const PublishResult& r, const std::string& out_dir) {
  std::string files;
  for (const auto& name : r.html_help_files) files += (files.empty() ? "" : ", ") + name;
  std::printf("\nHTML Help: the topic pages and %s in %s\n",
              files.empty() ? "no HTML Help files" : files.c_str(), out_dir.c_str());
  if (r.chm_built) {
    std::printf("compiled: %s\n", shown_path(platform::to_system_path(r.compiled_file)).c_str());
  } else if (r.compiler_process <= 0) {
    std::printf("no .chm was built: the HTML Help compiler could not be started\n");
  } else {
    std::printf("no .chm was built: the HTML Help compiler ended with status %d\n", r.compiler_status);
  }
}

}  // namespace

std::string name_columns(const std::vector<std::string>& names, size_t width) {
  std::string out, line;
  for (const auto& name : names) {
    if (!line.empty() && line.size() + 1 + name.size() > width) {
      out += line + "\n";
      line.clear();
    }
    line += (line.empty() ? "  " : " ") + name;
  }
  if (!line.empty()) out += line + "\n";
  return out;
}

void print_publish_report(const PublishResult& r, const ConvertRequest& request) {
  if (r.html_help) {
    print_html_help(r, request.out_dir);
  } else {
    std::printf("\nstart page: %s\n", shown_path(platform::to_system_path(r.start_page)).c_str());
  }
  print_counts(r);
  std::printf("wrote %s in %s:\n%s", counted(r.written.size(), "file").c_str(),
              request.out_dir.c_str(), name_columns(r.written).c_str());
  if (request.keep_intermediates && !r.converted.marker_files.empty()) {
    std::printf("kept %s beside the topic files\n",
                counted(r.converted.marker_files.size(), "marker file").c_str());
  }
}

}  // namespace host
