// Context-map headers (.h, .bas, .pas): the "#define" lines a project
// imports its topic numbers from, applied to a topic table, and the map
// names the context dialog lists.
#include <string>

#include "fuzz/fuzz_support.h"
#include "project/files/context_map.h"
#include "project/topics/topic_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = fuzz::as_text(data, size);
  const auto definitions = project::parse_context_numbers(bytes);
  project::TopicTable table;
  // Topics named like the first definitions, so that numbers land.
  for (std::size_t i = 0; i < definitions.size() && i < 8; ++i) {
    project::Topic topic;
    topic.context = project::stored_context(definitions[i].name);
    table.push_back(topic);
  }
  project::Topic plain;
  plain.context = project::stored_context("IDH_plain");
  table.push_back(plain);
  project::apply_context_numbers(table, definitions);
  project::render_header_map(table);
  project::render_basic_map(table);
  project::render_pascal_map(table);
  project::parse_map_names(bytes);
  return 0;
}
