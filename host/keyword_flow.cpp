#include "host/keyword_flow.h"

#include <cstdint>
#include <cstdio>
#include <string_view>

#include "host/export_call.h"
#include "host/flows.h"
#include "host/user_paths.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/ui/host.h"

namespace host {
namespace {

std::string open_script(const std::string& project) {
  return "dialog 21000\nclick 1\ndialog DLG_START\nclick 102\nfile " + project + "\n";
}

bool open_project(const Libraries& libs, ScriptSession& script, const std::string& flow,
                  const std::string& typed, std::string& path, const std::string& more_script = "") {
  if (!project_argument(flow, typed, path)) return false;
  script.queue(open_script(path) + more_script);
  return run_start(libs) == kExitSuccess;
}

// One database line as "context  title: keywords"; deleted records and the
// empty first line are left out.
void print_record(std::string_view line) {
  if (line.empty() || line.front() == '@') return;
  size_t first = line.find('\t');
  std::string_view context = line.substr(0, first);
  std::string_view rest = first == std::string_view::npos ? std::string_view() : line.substr(first + 1);
  size_t second = rest.find('\t');
  std::string_view title = rest.substr(0, second);
  std::string_view keywords = second == std::string_view::npos ? std::string_view() : rest.substr(second + 1);
  std::printf("  %.*s  %.*s: %.*s\n", static_cast<int>(context.size()), context.data(),
              static_cast<int>(title.size()), title.data(), static_cast<int>(keywords.size()), keywords.data());
}

void print_database(const std::string& project, const char* extension, const char* kind) {
  const std::string path = platform::replace_extension(project, extension);
  auto bytes = platform::read_file(path);
  if (!bytes) {
    std::printf("%s keywords: no database %s\n", kind, shown_path(path).c_str());
    return;
  }
  std::printf("%s keywords (%s):\n", kind, shown_path(path).c_str());
  size_t start = 0;
  while (start <= bytes->size()) {
    size_t end = bytes->find_first_of("\r\n", start);
    if (end == std::string::npos) end = bytes->size();
    print_record(std::string_view(*bytes).substr(start, end - start));
    if (end + 1 < bytes->size() && (*bytes)[end] == '\r' && (*bytes)[end + 1] == '\n') ++end;
    start = end + 1;
  }
}

std::uint32_t word_at(const std::string& bytes, size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

}  // namespace

int run_keywords(const Libraries& libs, ScriptSession& script, const std::string& project) {
  std::string path;
  if (!open_project(libs, script, "keywords", project, path)) return kExitFailure;
  int32_t result = TW_EXPORT_FUNCTION(libs, BuildKeywordIndex)(ui::host().main_window(), 0, 0);
  std::printf("BuildKeywordIndex -> %d\n", result);
  print_database(path, ".kdb", "K");
  print_database(path, ".adb", "A");
  return result == 1 ? kExitSuccess : kExitFailure;
}

// The dialog's answers: the sections named by letters (A, K, F for full
// text), or the project's options as they stand when none are named.
bool distribution_script(const std::string& sections, std::string& script) {
  script = "dialog DLG_DIST_INX\n";
  if (!sections.empty()) {
    if (sections.find_first_not_of("AKFakf") != std::string::npos) return false;
    int field = 101;
    for (char letter : {'A', 'K', 'F'}) {
      bool on = sections.find(letter) != std::string::npos ||
                sections.find(static_cast<char>(letter - 'A' + 'a')) != std::string::npos;
      script += "check " + std::to_string(field++) + (on ? " 1\n" : " 0\n");
    }
  }
  script += "click 1\n";
  return true;
}

int run_distribute(const Libraries& libs, ScriptSession& script, const std::vector<std::string>& args) {
  std::string answers;
  if (!distribution_script(args.size() > 1 ? args[1] : "", answers)) {
    std::fprintf(stderr, "twhost distribute: the sections are letters of A, K and F, not '%s'\n", args[1].c_str());
    return kExitUsage;
  }
  std::string path;
  if (!open_project(libs, script, "distribute", args[0], path, answers)) return kExitFailure;
  const std::string index = platform::replace_extension(path, ".xtw");
  std::optional<platform::FileStamp> before = platform::file_stamp(index);
  int32_t result = TW_EXPORT_FUNCTION(libs, BuildKeywordIndex)(ui::host().main_window(), 0, 1);
  std::printf("BuildKeywordIndex -> %d\n", result);
  auto bytes = platform::read_file(index);
  if (!bytes || bytes->size() < 12 || platform::file_stamp(index) == before) {
    std::fprintf(stderr, "twhost distribute: no distribution index was written\n");
    return kExitFailure;
  }
  std::printf("distribution index: %s (%zu bytes)\n", shown_path(index).c_str(), bytes->size());
  const char* names[] = {"A keywords", "K keywords", "full text"};
  for (int slot = 0; slot < 3; ++slot) {
    std::uint32_t offset = word_at(*bytes, 4 * slot);
    if (offset == 0) std::printf("  %-10s  none\n", names[slot]);
    else std::printf("  %-10s  at %u\n", names[slot], offset);
  }
  return kExitSuccess;
}

int run_find(const Libraries& libs, ScriptSession& script, const std::vector<std::string>& args) {
  const std::string kind = args.size() > 2 ? args[2] : "K";
  if (kind != "K" && kind != "A" && kind != "k" && kind != "a") {
    std::fprintf(stderr, "twhost find: the keyword kind is K or A, not '%s'\n", kind.c_str());
    return kExitUsage;
  }
  std::string path;
  if (!open_project(libs, script, "find", args[0], path)) return kExitFailure;
  std::string keywords = args[1];
  TW_EXPORT_FUNCTION(libs, DocWizFindTopics)(keywords.data(), kind == "A" || kind == "a" ? 0 : 1);
  auto next = TW_EXPORT_FUNCTION(libs, DocWizGetNext);
  char title[kTextBufferSize] = "", context[kTextBufferSize] = "";
  int found = 0;
  while (next(title, context) == 1) {
    std::printf("%s\t%s\n", title, context);
    ++found;
  }
  std::printf("%d topic%s found\n", found, found == 1 ? "" : "s");
  return kExitSuccess;
}

}  // namespace host
