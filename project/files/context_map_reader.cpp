// Reading names and numbers back from header and text files.
#include <cstdio>
#include <limits>

#include "project/project_state.h"
#include "platform/files.h"
#include "platform/text.h"
#include "platform/ui/dialog.h"
#include "project/files/context_map.h"

namespace project {
namespace {

// Skips "/*" ... "*/" blocks that span lines. A line that opens a block
// without closing it still counts up to the "/*"; the line that closes a
// block is dropped, and a "/*" after the "*/" opens the next one.
class CommentFilter {
 public:
  // False when the line lies inside a block comment.
  bool keep(std::string_view line) {
    if (inside_) {
      auto close = line.rfind("*/");
      if (close == std::string_view::npos) return false;
      inside_ = opens_block(line.substr(close + 2));
      return false;
    }
    inside_ = opens_block(line);
    return true;
  }

 private:
  static bool opens_block(std::string_view s) {
    auto open = s.rfind("/*");
    return open != std::string_view::npos && s.find("*/", open + 2) == std::string_view::npos;
  }
  bool inside_ = false;
};

// The line cut at its first CR, LF, ";" and "/", control characters blanked.
std::string clean_line(std::string_view line) {
  std::string out(line.substr(0, std::min(line.size(), kMapLineMax)));
  out = out.substr(0, out.find_first_of("\r\n;/"));
  for (char& c : out) {
    if (static_cast<unsigned char>(c) < 32) c = ' ';
  }
  return out;
}

// A value as the map files write it: decimal, or hexadecimal with an "x".
bool parse_number(std::string value, std::int32_t& out) {
  value = text::to_lower(value);
  long v = 0;
  const bool hex = value.find('x') != std::string::npos;
  if (std::sscanf(value.c_str(), hex ? "%lx" : "%ld", &v) != 1) return false;
  if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
    return false;
  out = static_cast<std::int32_t>(v);
  return true;
}

bool read_pair(const std::string& from, const char* format, ContextDefinition& def) {
  char name[kMapNameMax + 1] = "";
  char value[kMapLineMax + 1] = "";
  if (std::sscanf(from.c_str(), format, name, value) != 2) return false;
  def.name = name;
  return parse_number(value, def.number);
}

template <typename Visit>
void for_each_kept_line(std::string_view bytes, Visit visit) {
  CommentFilter comments;
  for (const auto& raw : text::split_lines(bytes)) {
    if (!comments.keep(raw)) continue;
    const std::string line = clean_line(raw);
    if (!text::trim(line).empty()) visit(line);
  }
}

}  // namespace

std::vector<ContextDefinition> parse_context_numbers(std::string_view bytes) {
  std::vector<ContextDefinition> out;
  for_each_kept_line(bytes, [&](const std::string& line) {
    ContextDefinition def;
    auto define = line.find("#define");
    if (define != std::string::npos) {
      if (read_pair(line.substr(define), "%*s %69s %5000s", def)) out.push_back(def);
    } else if (line.find('#') == std::string::npos) {
      if (read_pair(line, "%69s %5000s", def)) out.push_back(def);
    }
  });
  return out;
}

std::vector<std::string> parse_map_names(std::string_view bytes) {
  std::vector<std::string> out;
  for_each_kept_line(bytes, [&](const std::string& line) {
    char name[kMapNameMax + 1] = "";
    auto define = line.find("#define");
    if (define != std::string::npos) {
      if (std::sscanf(line.c_str() + define, "%*s %69s", name) == 1) out.emplace_back(name);
    } else if (line.find('#') == std::string::npos) {
      if (std::sscanf(line.c_str(), "%69s", name) == 1) out.emplace_back(name);
    }
  });
  return out;
}

int apply_context_numbers(TopicTable& table, const std::vector<ContextDefinition>& definitions) {
  int changed = 0;
  for (const auto& def : definitions) {
    int index = table.find(def.name);
    if (index < 0) continue;
    table[index].number = def.number;
    table.raise_next_number(def.number);
    ++changed;
  }
  return changed;
}

int ImportContextNumbers(ProjectState& state, std::string_view path) {
  auto bytes = platform::read_file(path);
  if (!bytes) return 0;
  if (apply_context_numbers(state.data.topics, parse_context_numbers(*bytes)) > 0)
    state.data_dirty = true;
  return 1;
}

int ReadMapNames(const ProjectState& state, ui::Dialog& dialog, int combo_id, int topic_list_id) {
  auto bytes = platform::read_file(state.data.map.source);
  if (state.data.map.source.empty() || !bytes) return 0;
  auto names = parse_map_names(*bytes);
  const int listed = dialog.item_count(topic_list_id);
  for (const auto& name : names) {
    const std::string stored = " " + name;
    bool known = false;
    for (int i = 0; i < listed && !known; ++i) {
      std::string item = dialog.item_text(topic_list_id, i);
      known = text::istarts_with(item, stored) &&
              (item.size() == stored.size() || item[stored.size()] == '\t');
    }
    dialog.add_item(combo_id, known ? name + " " : name);
  }
  return static_cast<int>(names.size());
}

}  // namespace project
