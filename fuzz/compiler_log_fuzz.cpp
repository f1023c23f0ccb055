// Help compiler logs as the message viewer reads them: each line shown with
// its paths as host paths (a line without a drive-form path shows as it
// stands), and the message number and problem location of every line.
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "platform/paths.h"
#include "project/compile/compiler_log.h"
#include "project/compile/log_paths.h"

namespace {

bool has_drive_path(std::string_view line) {
  for (std::size_t i = 0; i + 2 < line.size(); ++i) {
    if (line[i + 1] == ':' && line[i + 2] == '\\') return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Drive z: stands for the root folder, so that resolving the log's paths
  // reads nothing outside it.
  static const bool mapped = (platform::set_drive('z', fuzz::root()), true);
  (void)mapped;
  const std::string_view bytes = fuzz::as_text(data, size);
  std::vector<std::string> list;
  std::size_t start = 0;
  while (start <= bytes.size() && list.size() < 200) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) end = bytes.size();
    const std::string_view line = bytes.substr(start, end - start);
    const std::string shown = project::shown_log_line(line);
    if (!has_drive_path(line)) fuzz::check(shown == line);
    list.push_back("  " + std::string(line));
    start = end + 1;
  }
  for (std::size_t i = 0; i < list.size(); ++i) {
    fuzz::check(project::message_line_index(list, i) <= i);
    project::message_number(list[i], i % 2 == 0);
    project::problem_location(list, i, i % 2 == 0);
  }
  return 0;
}
