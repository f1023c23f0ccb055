#include "wizard/head_code.h"

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "wizard/limits.h"

namespace wizard {

std::string head_code_path(std::string_view project_file) {
  return platform::replace_extension(project_file, ".lfh");
}

std::string read_head_code(std::string_view project_file) {
  if (project_file.empty()) return {};
  auto bytes = platform::read_file(head_code_path(project_file));
  if (!bytes) return {};
  return text::cut(*bytes, kHeadCodeCut);
}

bool write_head_code(std::string_view project_file, std::string_view code) {
  if (project_file.empty()) return false;
  return platform::write_file(head_code_path(project_file), text::cut(code, kHeadCodeCut));
}

}  // namespace wizard
