#include "project/compile/log_paths.h"

#include <cctype>

#include "platform/paths.h"

namespace project {
namespace {

bool opens_path(char c) { return c == ' ' || c == '\t' || c == '\'' || c == '"' || c == '(' || c == '`'; }

bool drive_path_at(std::string_view line, std::size_t at) {
  if (at + 2 >= line.size()) return false;
  if (!std::isalpha(static_cast<unsigned char>(line[at])) || line[at + 1] != ':' || line[at + 2] != '\\') {
    return false;
  }
  return at == 0 || opens_path(line[at - 1]);
}

std::size_t drive_path_end(std::string_view line, std::size_t start) {
  std::size_t end = start + 3;
  for (; end < line.size(); ++end) {
    char c = line[end];
    if (c == '\t' || c == '\'' || c == '"' || c == '`') break;
    if (c == ' ' && end + 1 < line.size() && line[end + 1] == ':') break;
    if (c == ':' && (end + 1 == line.size() || line[end + 1] == ' ')) break;
  }
  // A sentence's full stop or comma behind the path is not part of it.
  while (end > start + 3 && (line[end - 1] == '.' || line[end - 1] == ',')) --end;
  return end;
}

}  // namespace

std::string shown_log_line(std::string_view line) {
  std::string out;
  out.reserve(line.size());
  std::size_t i = 0;
  while (i < line.size()) {
    if (!drive_path_at(line, i)) {
      out += line[i++];
      continue;
    }
    std::size_t end = drive_path_end(line, i);
    out += platform::to_host_path(line.substr(i, end - i));
    i = end;
  }
  return out;
}

}  // namespace project
