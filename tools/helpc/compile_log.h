// The messages of one compile, counted as they come, and the log file the
// compiler writes beside the project in its family's format.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "tools/helpc/messages.h"

namespace helpc {

// Where a message points: a topic of a topic file (topics count from 1 in
// file order), or a file as a whole (topic 0).
struct Location {
  std::string file;
  int topic = 0;
};

struct Message {
  Problem problem;
  Location where;
  std::string subject;  // the name the text speaks of, as found
};

// What the compiler saw, for the summary line.
struct Counts {
  int topics = 0;
  int jumps = 0;     // jump and pop-up hotspots
  int keywords = 0;  // K-footnote keywords
};

class CompileLog {
 public:
  // Messages beyond this many are counted but not written.
  static constexpr std::size_t kMaxMessages = 1000;

  // Records one message.
  void add(Problem problem, Location where, std::string_view subject);

  const std::vector<Message>& messages() const { return messages_; }
  // Messages counted but not kept.
  std::size_t dropped() const { return dropped_; }
  int errors() const { return errors_; }
  int warnings() const { return warnings_; }
  Counts& counts() { return counts_; }
  const Counts& counts() const { return counts_; }
  // The compiler's exit status: 0 without errors, 1 with errors.
  int exit_status() const { return errors_ > 0 ? 1 : 0; }
  // The summary's last sentence: what became of the help file.
  const std::string& outcome() const { return outcome_; }
  void set_outcome(std::string outcome) { outcome_ = std::move(outcome); }

 private:
  std::vector<Message> messages_;
  std::size_t dropped_ = 0;
  int errors_ = 0;
  int warnings_ = 0;
  Counts counts_;
  std::string outcome_ = "No help file was written: this compiler checks the project only.";
};

// One message as the family writes it (Help Workshop: two lines, the second
// starting with a tab), without a final line end.
std::string format_message(const Message& message, Family family);
// The last line: counts, errors, warnings, and what became of the help file.
std::string summary_line(const CompileLog& log, std::string_view project_path);
// The whole log file: a heading, the messages and the summary, CR LF lines.
std::string render_log(const CompileLog& log, Family family, std::string_view project_path,
                       std::string_view program);

}  // namespace helpc
