#include "project/topics/position_stack.h"

#include <cstdio>

#include "project/project_state.h"
#include "project/topics/project_document.h"
#include "core/project_paths.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace project {
namespace {

bool push(ProjectState& state, int limit, int page, int line, int n) {
  if (static_cast<int>(state.position_stack.size()) >= limit) return false;
  state.position_stack.push_back(text::cut(text::format("P%dL%d  %d", page, line, n),
                                           core::kPositionEntryMax));
  return true;
}

bool pop(ProjectState& state, std::string& entry) {
  if (state.position_stack.empty()) return false;
  entry = state.position_stack.back();
  state.position_stack.pop_back();
  return true;
}

std::string stored_context(const std::string& context) {
  return std::string(text::trim_left(context));
}

}  // namespace

std::string topic_document(const ProjectState& state, std::string_view entry) {
  std::string path = core::topic_file_path(state.project_path, entry);
  return text::to_upper(platform::replace_extension(path, ".DOC"));
}

int SaveDest(ProjectState& state, int page, int line, int n) {
  return push(state, kSaveDestLimit, page, line, n) ? 1 : 0;
}

int SaveDest6(ProjectState& state, int page, int line, std::string_view document) {
  std::string rtf = platform::replace_extension(document, ".rtf");
  CheckProjectDocument(state, rtf);
  return push(state, kSaveDest6Limit, page, line, state.current_file) ? 1 : 0;
}

int GetDest(ProjectState& state, std::string& position, std::string& number) {
  std::string entry;
  if (!pop(state, entry)) return 0;
  char pos[32] = "", num[32] = "";
  std::sscanf(entry.c_str(), "%31s %31s", pos, num);
  position = pos;
  number = num;
  return 1;
}

int GetDest6(ProjectState& state, std::string& position, std::string& document) {
  std::string entry;
  if (!pop(state, entry)) return 0;
  char pos[32] = "";
  int file = core::kNoTopicFile;
  std::sscanf(entry.c_str(), "%31s %d", pos, &file);
  position = pos;
  state.current_file = file;
  if (file < 0) return core::kNoTopicFile;
  int index = state.topic_files.find_by_number(file);
  if (index < 0) return core::kNoTopicFile;
  document = topic_document(state, state.topic_files.name(index));
  return 1;
}

int GetDestFile6(ProjectState& state, std::string_view context, std::string& file_name,
                 std::string& path) {
  std::string wanted(text::trim(context));
  const bool prefix_only = wanted.size() >= 40;
  if (prefix_only) wanted.resize(40);
  for (const auto& topic : state.data.topics) {
    std::string stored = stored_context(topic.context);
    if (prefix_only && stored.size() > 40) stored.resize(40);
    if (stored.empty() || stored[0] == '#' || !text::iequals(stored, wanted)) continue;
    int index = state.topic_files.find_by_number(topic.file);
    if (topic.file < 0 || index < 0) return core::kNoTopicFile;
    path = topic_document(state, state.topic_files.name(index));
    file_name = std::string(platform::file_name_of(path));
    platform::set_current_directory(core::project_directory(state.project_path));
    return 1;
  }
  return 0;
}

}  // namespace project
