// Help on a compiler message: a topic of the product's help file, shown in
// its "error" window, or Help Workshop's own help for the messages the
// product's help does not explain.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace project {
struct ProjectState;
}

namespace project {

// Where help on a message number is found.
struct ErrorHelpTarget {
  enum class Source { none, product, help_workshop };
  Source source = Source::none;
  std::string topic;  // a context string of the product help, or Help Workshop's keyword
};

ErrorHelpTarget error_help_target(std::string_view number, bool help_workshop);

// Opens help on the message of a viewer list line (nothing for a line that
// is no message).
void ShowErrorHelp(const ProjectState& state, std::int32_t window, std::string_view list_line);

// Opens the product help's "error" window at a context number.
void ShowErrorWindow(const ProjectState& state, std::int32_t window, int context);

}  // namespace project
