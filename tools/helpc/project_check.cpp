#include "tools/helpc/project_check.h"

#include "platform/files.h"
#include "platform/text.h"
#include "rtf/reader.h"

namespace helpc {
namespace {

bool looks_like_rtf(std::string_view bytes) {
  return text::trim_left(bytes).substr(0, 5) == "{\\rtf";
}

std::vector<std::string> bitmap_folders(const ProjectInput& input) {
  std::vector<std::string> folders = input.bitmap_roots;
  folders.insert(folders.end(), input.roots.begin(), input.roots.end());
  return folders;
}

}  // namespace

ProjectCheck::ProjectCheck(const ProjectInput& input, CompileLog& log)
    : input_(input), log_(log), bitmaps_(bitmap_folders(input), input.bitmap_files, input.directory) {
  windows_.insert("main");
  for (const auto& name : input.windows) windows_.insert(text::to_lower(name));
}

void ProjectCheck::run() {
  for (const auto& entry : input_.topic_files) check_topic_file(entry);
  resolve_pending_jumps();
  check_map();
  check_contents_topic();
}

void ProjectCheck::check_topic_file(const std::string& entry) {
  const std::string path = find_in_folders(entry, input_.roots);
  std::optional<std::string> bytes = platform::read_file(path);
  if (!bytes) {
    log_.add(Problem::topic_file_missing, project_location(), entry);
    return;
  }
  if (!looks_like_rtf(*bytes)) {
    log_.add(Problem::topic_file_not_rtf, project_location(), entry);
    return;
  }
  const int file = static_cast<int>(file_paths_.size());
  file_paths_.push_back(path);
  rtf::Reader reader(*bytes);
  TopicCollector topics([&](const TopicFacts& topic) { check_topic(topic, file); });
  reader.run(topics);
  topics.finish();
  if (auto problems = reader.problems(); !problems.empty()) {
    const rtf::Problem& first = problems.front();
    log_.add(Problem::topic_file_damaged, Location{path, 0},
             text::format("%s at byte %zu", first.message.c_str(), first.offset));
  }
}

void ProjectCheck::check_topic(const TopicFacts& topic, int file) {
  const Location where{file_paths_[static_cast<size_t>(file)], topic.number};
  Counts& counts = log_.counts();
  ++counts.topics;
  counts.keywords += topic.keywords;
  define_contexts(topic, where);
  check_hotspots(topic, file, where);
  for (const auto& window : topic.windows) check_window(window, where);
  for (const auto& bitmap : topic.bitmaps) {
    if (!bitmaps_.found(bitmap)) log_.add(Problem::missing_bitmap, where, bitmap);
  }
}

void ProjectCheck::define_contexts(const TopicFacts& topic, const Location& where) {
  bool named = false;
  for (const auto& context : topic.contexts) {
    if (context.empty()) continue;
    named = true;
    if (!valid_context_string(context)) {
      log_.add(Problem::invalid_context, where, context);
    } else if (!contexts_.insert(text::to_lower(context)).second) {
      log_.add(Problem::duplicate_context, where, context);
    }
  }
  if (!named) log_.add(Problem::no_context_string, where, topic.title);
}

void ProjectCheck::check_hotspots(const TopicFacts& topic, int file, const Location& where) {
  for (const auto& hotspot : topic.hotspots) {
    if (hotspot.kind == HotspotKind::macro) continue;
    ++log_.counts().jumps;
    HotspotTarget target = parse_hotspot_target(hotspot.hidden_text);
    if (!target.window.empty()) check_window(target.window, where);
    if (!target.help_file.empty()) continue;  // a topic of another help file
    if (!defined(target.context)) pending_.push_back(PendingJump{target.context, file, topic.number});
  }
}

void ProjectCheck::check_window(const std::string& window, const Location& where) {
  if (!windows_.count(text::to_lower(window))) log_.add(Problem::window_undefined, where, window);
}

void ProjectCheck::resolve_pending_jumps() {
  for (const auto& jump : pending_) {
    if (defined(jump.context)) continue;
    log_.add(Problem::unresolved_jump, Location{file_paths_[static_cast<size_t>(jump.file)], jump.topic},
             jump.context);
  }
  pending_.clear();
}

void ProjectCheck::check_map() {
  for (const auto& entry : input_.map_entries) {
    if (!defined(entry.name)) log_.add(Problem::map_unknown_topic, project_location(), entry.name);
  }
  for (const auto& include : input_.map_includes) {
    std::string path = find_in_folders(include, input_.roots);
    std::optional<std::string> bytes = platform::read_file(path);
    if (!bytes) {
      log_.add(Problem::map_include_missing, project_location(), include);
      continue;
    }
    for (const auto& entry : project::parse_context_numbers(*bytes)) {
      if (!defined(entry.name)) log_.add(Problem::map_unknown_topic, Location{path, 0}, entry.name);
    }
  }
}

void ProjectCheck::check_contents_topic() {
  const std::string& contents = input_.contents_topic;
  if (!contents.empty() && !defined(contents)) {
    log_.add(Problem::contents_undefined, project_location(), contents);
  }
}

bool ProjectCheck::defined(std::string_view context) const {
  return contexts_.count(text::to_lower(context)) > 0;
}

void check_project(std::string_view path, CompileLog& log) {
  std::optional<std::string> bytes = platform::read_file(path);
  if (!bytes) {
    log.add(Problem::project_unreadable, Location{std::string(path), 0}, path);
    return;
  }
  const ProjectInput input = read_project_input(path, *bytes);
  ProjectCheck(input, log).run();
}

}  // namespace helpc
