#include "project/topics/topic_file_cleaning.h"

#include "project/project_state.h"
#include "core/project_paths.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace project {
namespace {

constexpr std::string_view kPanoseGroup = "{\\*\\panose";
// How far the search moves on past a group that does not close in its chunk.
constexpr std::size_t kUnclosedStep = 8;

}  // namespace

std::string remove_panose_groups(std::string_view chunk) {
  std::string out;
  out.reserve(chunk.size());
  std::size_t copied = 0;
  std::size_t search = 0;
  while ((search = chunk.find(kPanoseGroup, search)) != std::string_view::npos) {
    std::size_t close = chunk.find('}', search);
    if (close == std::string_view::npos) {
      search += kUnclosedStep;
      continue;
    }
    out.append(chunk.substr(copied, search - copied));
    out += ' ';
    copied = search = close + 1;
  }
  out.append(chunk.substr(copied));
  return out;
}

std::string clean_topic_text(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (std::size_t at = 0; at < bytes.size(); at += kCleaningChunk) {
    out += remove_panose_groups(bytes.substr(at, kCleaningChunk));
  }
  return out;
}

bool clean_topic_file(std::string_view path) {
  const std::string moved = platform::replace_extension(path, ".rxx");
  if (!platform::file_exists(path) || platform::file_exists(moved)) return false;
  std::optional<std::string> bytes = platform::read_file(path);
  if (!bytes) return false;
  std::string cleaned = clean_topic_text(*bytes);
  if (cleaned == *bytes) return false;
  // Replaced whole: a crash leaves the old file or the cleaned one.
  return platform::write_file(path, cleaned);
}

void CleanTopicFiles(const ProjectState& state) {
  for (const auto& name : state.topic_files.names()) {
    clean_topic_file(core::topic_file_path(state.project_path, name));
  }
}

}  // namespace project
