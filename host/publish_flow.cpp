#include "host/publish_flow.h"

#include <cstdio>

#include "host/convert_flow.h"
#include "host/export_call.h"
#include "host/flows.h"
#include "host/link_check.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace host {
namespace {

using NoArgFn = int32_t (*)();
using TextFn = int32_t (*)(char*);

// Reads the "key=value" lines of the library's summary.
void read_summary(const std::string& summary, PublishResult& result) {
  for (const auto& line : text::split_lines(summary)) {
    auto eq = line.find('=');
    if (eq == std::string::npos) continue;
    std::string key = line.substr(0, eq), value = line.substr(eq + 1);
    if (key == "start") result.start_page = platform::to_host_path(value);
    else if (key == "pages") result.pages = static_cast<int>(text::parse_int(value));
    else if (key == "links") result.links = static_cast<int>(text::parse_int(value));
    else if (key == "unresolved") result.unresolved_jumps = static_cast<int>(text::parse_int(value));
    else if (key == "index") result.index_entries = static_cast<int>(text::parse_int(value));
    else if (key == "unknown") result.unknown_jumps.push_back(value);
    else if (key == "unknown_more") result.unknown_not_listed = static_cast<int>(text::parse_int(value));
    else if (key == "failed_files") result.failed_files = static_cast<int>(text::parse_int(value));
    else if (key == "failed_pages") result.failed_pages = static_cast<int>(text::parse_int(value));
  }
}

void print_result(const PublishResult& r) {
  std::printf("\nstart page: %s\n", r.start_page.c_str());
  std::printf("%d topic pages, %d links, %d index entries, %d jumps to unknown topics\n", r.pages,
              r.links, r.index_entries, r.unresolved_jumps);
  for (const std::string& name : r.unknown_jumps) std::printf("  unknown topic: %s\n", name.c_str());
  if (r.unknown_not_listed > 0) std::printf("  and %d more unknown topics\n", r.unknown_not_listed);
  if (r.failed_files > 0 || r.failed_pages > 0)
    std::printf("NOT PUBLISHED: %d HTML files could not be split, %d pages could not be written\n",
                r.failed_files, r.failed_pages);
  std::printf("link check: %d local links, %zu broken\n", r.checked_links, r.broken_links.size());
  for (size_t i = 0; i < r.broken_links.size() && i < 20; ++i) {
    std::printf("  broken: %s\n", r.broken_links[i].c_str());
  }
}

}  // namespace

bool publish_project(const Libraries& libs, const std::string& hpj, const std::string& out_dir,
                     const std::string& template_name, PublishResult& result, std::string& error) {
  ConvertResult converted;
  if (!prepare_wizard_project(hpj, out_dir, template_name, error) ||
      !convert_project(libs, hpj, out_dir, converted, error)) {
    return false;
  }
  auto process = reinterpret_cast<NoArgFn>(find_export(libs, "twzhtml:ProcessFiles"));
  auto summary = reinterpret_cast<TextFn>(find_export(libs, "twzhtml:PublishSummary"));
  if (!process || !summary) {
    error = "the conversion library lacks ProcessFiles or PublishSummary";
    return false;
  }
  std::printf("Processing %zu HTML files\n", converted.html_files.size());
  if (process() == 0) {
    error = "nothing was published: no HTML file was registered";
    return false;
  }
  char text[kTextBufferSize] = "";
  summary(text);
  read_summary(text, result);
  LinkReport links = check_links(platform::to_host_path(out_dir));
  result.checked_links = links.links;
  result.broken_links = links.broken;
  return true;
}

int run_publish(const Libraries& libs, const std::vector<std::string>& args) {
  std::string hpj, out_dir, template_name = "standard.lfc", error;
  if (!parse_project_and_output(args, hpj, out_dir, template_name)) {
    std::fprintf(stderr, "usage: twhost publish PROJECT.hpj --out DIR [--template NAME.lfc]\n");
    return 2;
  }
  PublishResult result;
  if (!publish_project(libs, argument_path(hpj), argument_path(out_dir), template_name, result, error)) {
    std::fprintf(stderr, "twhost publish: %s\n", error.c_str());
    return 1;
  }
  print_result(result);
  bool complete = result.failed_files == 0 && result.failed_pages == 0;
  return complete && result.broken_links.empty() ? 0 : 1;
}

}  // namespace host
