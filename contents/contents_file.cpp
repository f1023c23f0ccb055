#include "contents/contents_file.h"

#include "platform/files.h"
#include "platform/paths.h"

namespace contents {

std::string contents_path(std::string_view project_path) {
  return platform::replace_extension(project_path, ".cnt");
}

std::string GetContentsPath(std::string_view project_path) {
  if (project_path.empty()) return {};
  std::string path = contents_path(project_path);
  return platform::file_exists(path) ? path : std::string();
}

bool load_contents(ContentsModel& model, std::string_view path) {
  start_model(model);
  const auto bytes = platform::read_file(path);
  if (!bytes) return false;
  model.file = formats::read_cnt(*bytes);
  for (const auto& entry : model.file.entries) model.states.push_back(initial_state(entry));
  model.loaded = true;
  return true;
}

bool save_contents(const ContentsModel& model, std::string_view path) {
  return platform::write_file(path, formats::write_cnt(model.file));
}

}  // namespace contents
