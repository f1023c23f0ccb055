// The context-ID map: the topics' context strings with their numbers as a
// C header (the file [MAP] includes), as Basic and Pascal constants, and
// numbers read back from header or text files.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "project/topics/topic_table.h"

namespace project {
struct ProjectState;
}
namespace ui {
class Dialog;
}

namespace project {

// Longest name a map line is read with.
inline constexpr size_t kMapNameMax = 69;
// Longest line of a file numbers are read from.
inline constexpr size_t kMapLineMax = 5000;

// One name and its number, as a map file defines it.
struct ContextDefinition {
  std::string name;
  std::int32_t number = 0;
};

// The three files, line for line: "#define", the stored context string
// (with its leading blank), two tabs and the number; every live topic with
// a number of 0 or more, in table order.
std::string render_header_map(const TopicTable& table);
std::string render_basic_map(const TopicTable& table);
std::string render_pascal_map(const TopicTable& table);

// Writes the files the project's map mode asks for into the project
// folder; 1 when all were written (or none was asked for).
int WriteContextMaps(ProjectState& state);

// The name-and-number definitions of a header or text file: "#define name
// value" (hexadecimal with an "x"), or "name value" lines; comments skipped.
std::vector<ContextDefinition> parse_context_numbers(std::string_view bytes);
// Gives every topic that a definition names its number; 1 read, 0 when the
// file could not be opened.
int ImportContextNumbers(ProjectState& state, std::string_view path);
// Applies definitions to the topic table; returns how many topics changed.
int apply_context_numbers(TopicTable& table, const std::vector<ContextDefinition>& definitions);

// Every name a map file defines, in file order.
std::vector<std::string> parse_map_names(std::string_view bytes);
// Fills a combo box with the names of the project's map source; a name that
// the dialog's topic list already holds gets a trailing blank. Returns the
// number of names.
int ReadMapNames(const ProjectState& state, ui::Dialog& dialog, int combo_id, int topic_list_id);

}  // namespace project
