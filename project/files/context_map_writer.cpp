// Writing the context-ID map files.
#include "project/project_state.h"
#include "core/messages.h"
#include "core/project_paths.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "project/files/context_map.h"
#include "project/files/project_file.h"

namespace project {
namespace {

// Every mapped topic, one formatted line each.
std::string map_lines(const TopicTable& table, const char* format) {
  std::string out;
  for (const auto& t : table) {
    if (t.live() && t.number >= 0)
      out += text::format(format, t.context.c_str(), static_cast<long>(t.number));
  }
  return out;
}

bool write_map(ProjectState& state, const std::string& path, const std::string& bytes) {
  if (platform::write_file(path, bytes)) return true;
  core::show_message(state,
                     text::format(core::resource_string(kUnableToCreateText).c_str(), path.c_str()),
                     ui::kMbOk | ui::kMbIconStop);
  return false;
}

}  // namespace

std::string render_header_map(const TopicTable& table) {
  return map_lines(table, "#define %s\t\t%ld\r\n");
}

std::string render_basic_map(const TopicTable& table) {
  return map_lines(table, "Global Const %s = %ld\r\n");
}

std::string render_pascal_map(const TopicTable& table) {
  return "CONST" + map_lines(table, "\t%s = %ld;\r\n");
}

int WriteContextMaps(ProjectState& state) {
  const ContextMapSettings& map = state.data.map;
  if (map.mode < kMapHeader || map.mode > kMapAll) return 1;
  const std::string name = map.header.empty() ? std::string(kDefaultMapHeader) : map.header;
  const std::string header = platform::join_path(core::project_directory(state.project_path), name);
  const TopicTable& topics = state.data.topics;
  bool ok = write_map(state, header, render_header_map(topics));
  if (map.mode == kMapHeaderBasic || map.mode == kMapAll) {
    ok = write_map(state, platform::replace_extension(header, ".txt"), render_basic_map(topics)) && ok;
  }
  if (map.mode == kMapHeaderPascal || map.mode == kMapAll) {
    ok = write_map(state, platform::replace_extension(header, ".pas"), render_pascal_map(topics)) && ok;
  }
  return ok ? 1 : 0;
}

}  // namespace project
