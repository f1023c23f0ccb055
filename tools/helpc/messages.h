// The problems the help compiler stand-in reports, with the message number
// and wording each compiler family uses for them.
#pragma once
#include <string_view>

namespace helpc {

// How a compiler family writes its messages: the Windows 3.x compilers as
// "Warning 4113: topic #2 of FILE : TEXT", Help Workshop as
// "HC3025: Warning: topic #2 of FILE :" with the text on the next line.
enum class Family { win31, win95 };

enum class Severity { warning, error };

// Everything the check looks for.
enum class Problem {
  project_unreadable,
  project_not_hpj,
  topic_file_missing,
  topic_file_not_rtf,
  topic_file_damaged,
  no_context_string,
  duplicate_context,
  invalid_context,
  contents_undefined,
  unresolved_jump,
  missing_bitmap,
  map_unknown_topic,
  map_include_missing,
  map_value_repeated,
  window_undefined,
  alias_to_alias,
  alias_target_undefined,
  alias_include_missing,
  macro_jump_undefined,
  contents_file_missing,
  contents_include_missing,
  contents_entry_undefined,
  contents_include_too_deep,
  no_topics,
  command_left_out,
};

// A problem's numbers in both families, its severity and its text, in which
// "%s" stands for the subject (a quoted name).
struct ProblemInfo {
  int win31_number;
  int win95_number;
  Severity severity;
  std::string_view text;
};

const ProblemInfo& problem_info(Problem problem);
// The number a family gives the problem.
int message_number(Problem problem, Family family);

}  // namespace helpc
