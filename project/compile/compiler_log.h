// The help compiler's log as the message viewer reads it. The viewer's list
// shows each log line behind a two-character mark ("» " for a line visited
// before, two blanks otherwise), and the rules below work on those list
// lines: a line whose third character is a tab continues the line before
// it; a message line holds "Warning", "Error" or " HC" (Help Workshop's
// "HC3025:" behind the mark).
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace project {

// Longest log line read; longer lines are cut.
inline constexpr std::size_t kLogLineMax = 5000;
// Most lines the list shows.
inline constexpr std::size_t kLogLinesMax = 32767;
// Lines whose visits are remembered (the first ones of the log).
inline constexpr std::size_t kVisitedLineSlots = 1000;

inline constexpr std::string_view kVisitedMark = "\xBB ";
inline constexpr std::string_view kPlainMark = "  ";

// The log's lines (CR LF, LF or CR ends), each cut to kLogLineMax; empty
// when the log does not exist.
std::vector<std::string> read_log_lines(std::string_view log_path);

// The four messages that stop a compile, by the help context that explains
// each, in the order they are tested.
struct SevereMessage {
  std::string_view code;  // "1079:"
  int help_context;       // 1131
};
// The help context of the first severe message in the log's lines, 0 when none.
int severe_help_context(const std::vector<std::string>& log_lines);

// The list line that holds the message of list line `index`: the line
// itself, or the one that a continuation line (tab as third character)
// belongs to.
std::size_t message_line_index(const std::vector<std::string>& list_lines, std::size_t index);
bool is_message_line(std::string_view list_line);

// The message number: after " HC" (Help Workshop), or after "Warning " or
// "Error " (Windows 3.x compilers), up to the ":"; "" when none.
std::string message_number(std::string_view list_line, bool help_workshop);

// Where a message points, as "Go to Problem Topic" gives it to the caller.
struct ProblemLocation {
  bool found = false;
  std::string topic_file;  // lower case, ".rtf" replaced by ".doc"
  std::string position;    // the topic number within the file
  std::string message;     // the message text
};
// The location after "topic #" (or "topic..."): the next word is the
// position, the file follows "of ", up to " : " (so that a file name with
// blanks stays whole) or else its first word. The message is the text after
// the last ":", or with Help Workshop the next log line.
ProblemLocation problem_location(const std::vector<std::string>& list_lines, std::size_t index,
                                 bool help_workshop);

}  // namespace project
