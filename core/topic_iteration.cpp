#include "core/topic_iteration.h"

#include "core/core_state.h"
#include "core/project_paths.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace core {
namespace {

void restart(CoreState& state, std::string_view current_document) {
  std::string name = text::to_lower(platform::file_name_of(current_document));
  name = platform::replace_extension(name, ".rtf");
  state.iteration_next = 0;
  state.iteration_skip = state.topic_files.find_by_file_name(name);
}

}  // namespace

int GetAllFiles(CoreState& state, std::string& text, std::string_view flag) {
  state.data_dirty = true;
  if (flag.find('Y') != std::string_view::npos) restart(state, text);
  while (state.iteration_next < state.topic_files.count()) {
    const int index = state.iteration_next++;
    if (index == state.iteration_skip) continue;
    std::string path = topic_file_path(state.project_path, state.topic_files.name(index));
    std::string doc = platform::replace_extension(path, ".doc");
    if (platform::file_exists(doc)) {
      text = doc;
      return 1;
    }
    std::string rtf = platform::replace_extension(path, ".rtf");
    if (platform::file_exists(rtf)) {
      text = rtf;
      return 2;
    }
  }
  text.clear();
  return 0;
}

}  // namespace core
