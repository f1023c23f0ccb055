#include "tools/helpc/project_check.h"

#include "formats/hpj_kind.h"
#include "formats/hpj_text.h"
#include "platform/files.h"
#include "platform/mapped_file.h"
#include "platform/text.h"
#include "rtf/reader.h"
#include "tools/helpc/contents_entries.h"
#include "tools/helpc/jump_macros.h"
#include "tools/helpc/releasing_sink.h"

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
  read_aliases();
  for (const auto& entry : input_.topic_files) check_topic_file(entry);
  resolve_pending_jumps();
  check_aliases();
  check_config_macros();
  check_map();
  check_contents_topic();
  check_contents_file();
}

// [ALIAS] lines of the section and of the files it includes.
void ProjectCheck::read_aliases() {
  alias_entries_ = input_.aliases;
  for (const auto& include : input_.alias_includes) {
    std::optional<std::string> bytes = platform::read_file(find_in_folders(include, input_.roots));
    if (!bytes) {
      log_.add(Problem::alias_include_missing, project_location(), include);
      continue;
    }
    const formats::HpjText included(*bytes);
    auto more = parse_alias_lines(included.lines());
    alias_entries_.insert(alias_entries_.end(), more.begin(), more.end());
  }
  for (const auto& alias : alias_entries_) {
    aliases_.emplace(text::to_lower(alias.name), alias.target);
  }
}

void ProjectCheck::check_topic_file(const std::string& entry) {
  const std::string path = find_in_folders(entry, input_.roots);
  // Mapped, and given back behind the reader: see ReleasingSink.
  std::optional<platform::MappedFile> bytes = platform::MappedFile::open(path);
  if (!bytes) {
    log_.add(Problem::topic_file_missing, project_location(), entry);
    return;
  }
  if (!looks_like_rtf(bytes->view())) {
    log_.add(Problem::topic_file_not_rtf, project_location(), entry);
    return;
  }
  const int file = static_cast<int>(file_paths_.size());
  file_paths_.push_back(path);
  rtf::Reader reader(bytes->view());
  TopicCollector topics([&](const TopicFacts& topic) { check_topic(topic, file); });
  ReleasingSink releasing(topics, reader, *bytes);
  reader.run(releasing);
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
  for (const auto& macro : topic.button_macros) check_macro_jumps(macro, file, topic.number);
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
    if (hotspot.kind == HotspotKind::macro) {
      check_macro_jumps(hotspot.hidden_text, file, topic.number);
      continue;
    }
    ++log_.counts().jumps;
    HotspotTarget target = parse_hotspot_target(hotspot.hidden_text);
    if (!target.window.empty()) check_window(target.window, where);
    if (!target.help_file.empty()) continue;  // a topic of another help file
    if (!defined(target.context)) pending_.push_back(PendingJump{target.context, file, topic.number});
  }
}

// Jumps of a topic's macros are checked once every topic is known.
void ProjectCheck::check_macro_jumps(std::string_view macros, int file, int topic) {
  for (const auto& jump : jump_macros(macros)) {
    if (!names_own_help_file(jump.help_file, input_.help_file) || defined(jump.context)) continue;
    pending_.push_back(PendingJump{jump.context, file, topic, Problem::macro_jump_undefined});
  }
}

void ProjectCheck::check_window(const std::string& window, const Location& where) {
  if (!windows_.count(text::to_lower(window))) log_.add(Problem::window_undefined, where, window);
}

void ProjectCheck::resolve_pending_jumps() {
  for (const auto& jump : pending_) {
    if (defined(jump.context)) continue;
    log_.add(jump.problem, Location{file_paths_[static_cast<size_t>(jump.file)], jump.topic},
             jump.context);
  }
  pending_.clear();
}

// WinHelp follows one alias only: an alias of an alias leads nowhere.
void ProjectCheck::check_aliases() {
  for (const auto& alias : alias_entries_) {
    if (alias_target(alias.target)) {
      log_.add(Problem::alias_to_alias, project_location(), alias.name);
    } else if (!is_topic(alias.target)) {
      log_.add(Problem::alias_target_undefined, project_location(), alias.name);
    }
  }
}

void ProjectCheck::check_config_macros() {
  for (const auto& line : input_.config_macros) {
    for (const auto& jump : jump_macros(line)) {
      if (names_own_help_file(jump.help_file, input_.help_file) && !defined(jump.context)) {
        log_.add(Problem::macro_jump_undefined, project_location(), jump.context);
      }
    }
  }
}

void ProjectCheck::check_map() {
  check_map_entries(input_.map_entries, project_location());
  for (const auto& include : input_.map_includes) {
    std::string path = find_in_folders(include, input_.roots);
    std::optional<std::string> bytes = platform::read_file(path);
    if (!bytes) {
      log_.add(Problem::map_include_missing, project_location(), include);
      continue;
    }
    check_map_entries(project::parse_context_numbers(*bytes), Location{path, 0});
  }
}

// Each entry must name a topic, and no two names may share a number: an
// application asking for that number would get only one of them.
void ProjectCheck::check_map_entries(const std::vector<project::ContextDefinition>& entries,
                                     const Location& where) {
  for (const auto& entry : entries) {
    if (!defined(entry.name)) log_.add(Problem::map_unknown_topic, where, entry.name);
    auto [first, added] = map_numbers_.emplace(entry.number, entry.name);
    if (!added && !text::iequals(first->second, entry.name)) {
      log_.add(Problem::map_value_repeated, where, entry.name);
    }
  }
}

void ProjectCheck::check_contents_topic() {
  const std::string& contents = input_.contents_topic;
  if (!contents.empty() && !defined(contents)) {
    log_.add(Problem::contents_undefined, project_location(), contents);
  }
}

// Every topic entry of the contents file and the files it includes must
// name a topic; a macro entry's jumps too.
void ProjectCheck::check_contents_file() {
  if (input_.contents_file.empty()) return;
  if (!platform::file_exists(input_.contents_file)) {
    log_.add(Problem::contents_file_missing, project_location(), input_.contents_named);
    return;
  }
  const ContentsEntries contents = read_contents_entries(input_.contents_file, input_.help_file);
  for (const auto& name : contents.missing_includes) {
    log_.add(Problem::contents_include_missing, Location{input_.contents_file, 0}, name);
  }
  for (const auto& path : contents.too_deep) {
    log_.add(Problem::contents_include_too_deep, Location{input_.contents_file, 0}, path);
  }
  for (const auto& entry : contents.references) {
    if (!entry.macro) {
      if (!defined(entry.context))
        log_.add(Problem::contents_entry_undefined, Location{entry.file, 0}, entry.context);
      continue;
    }
    for (const auto& jump : jump_macros(entry.context)) {
      if (names_own_help_file(jump.help_file, input_.help_file) && !defined(jump.context))
        log_.add(Problem::macro_jump_undefined, Location{entry.file, 0}, jump.context);
    }
  }
}

bool ProjectCheck::defined(std::string_view context) const {
  if (is_topic(context)) return true;
  const std::string* target = alias_target(context);
  // An alias of an alias is reported once, as such, not at every use.
  return target && (is_topic(*target) || alias_target(*target));
}

bool ProjectCheck::is_topic(std::string_view context) const {
  return contexts_.count(text::to_lower(context)) > 0;
}

const std::string* ProjectCheck::alias_target(std::string_view name) const {
  auto found = aliases_.find(text::to_lower(name));
  return found == aliases_.end() ? nullptr : &found->second;
}

void check_project(std::string_view path, CompileLog& log) {
  std::optional<std::string> bytes = platform::read_file(path);
  if (!bytes) {
    log.add(Problem::project_unreadable, Location{std::string(path), 0}, path);
    return;
  }
  if (!formats::is_help_project_text(*bytes)) {
    log.add(Problem::project_not_hpj, Location{std::string(path), 0}, path);
    return;
  }
  const ProjectInput input = read_project_input(path, *bytes);
  ProjectCheck(input, log).run();
}

}  // namespace helpc
