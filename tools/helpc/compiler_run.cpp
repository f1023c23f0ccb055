#include "tools/helpc/compiler_run.h"

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/replacing_file.h"
#include <ctime>

#include "formats/hpj_kind.h"
#include "platform/text.h"
#include "tools/helpc/compile_log.h"
#include "tools/helpc/hlp/help_compiler.h"
#include "tools/helpc/project_check.h"

namespace helpc {

std::string log_path_of(const std::string& project_path) {
  return platform::replace_extension(project_path, ".log");
}

bool write_log(const std::string& log_path, const std::string& text) {
  const std::string temporary = log_path + ".tmp";
  if (!platform::write_file(temporary, text)) return false;
  if (platform::file_exists(log_path)) platform::remove_file(log_path);
  if (platform::rename_file(temporary, log_path)) return true;
  // The old log is held open elsewhere: write over it in place.
  bool written = platform::write_file(log_path, text);
  platform::remove_file(temporary);
  return written;
}

namespace {

// The project as the user sees it on the terminal: never the drive form.
std::string shown_project(const std::string& project_path) {
  return platform::has_drive(project_path) ? platform::to_host_path(project_path) : project_path;
}

// The help file is replaced only once it is whole: a compile that stops
// halfway leaves the help file of an earlier build as it was.
class HelpFileTarget : public hlp::HelpTarget {
 public:
  explicit HelpFileTarget(std::string path) : path_(std::move(path)) {}
  bool open() override { return file_.open(path_); }
  bool write(std::string_view bytes) override { return file_.write(bytes); }
  bool commit() override { return file_.commit(); }
  void abandon() override { file_.abandon(); }

 private:
  std::string path_;
  platform::ReplacingFile file_;
};

std::string counted(int n, const char* noun) { return text::format("%d %s%s", n, noun, n == 1 ? "" : "s"); }

// Help Workshop writes the help file of a project without errors, beside
// the project; the summary says what it holds or why there is none.
void write_help_file(const std::string& project_path, CompileLog& log) {
  if (log.errors() > 0) {
    log.set_outcome("No help file was written: the project has errors.");
    return;
  }
  std::optional<std::string> bytes = platform::read_file(project_path);
  if (!bytes || !formats::is_help_project_text(*bytes)) return;
  const ProjectInput input = read_project_input(project_path, *bytes);
  const std::string help_path = platform::join_path(input.directory, input.help_file);
  HelpFileTarget target(help_path);
  auto compiled = hlp::compile_help(input, static_cast<std::uint32_t>(std::time(nullptr)), target);
  if (!compiled) {
    log.set_outcome("No help file was written: the project is too large for a help file.");
    return;
  }
  // A help file without topics cannot be opened, so none is written and
  // the help file of an earlier build stays.
  if (compiled->topics == 0) {
    log.add(Problem::no_topics, Location{project_path, 0}, project_path);
    log.set_outcome("No help file was written: the project has no topics.");
    return;
  }
  for (const auto& left : compiled->left_out) log.add(Problem::command_left_out, Location{left.file, left.topic}, left.what);
  if (!compiled->written) {
    log.set_outcome("No help file was written: " + input.help_file + " could not be written.");
    return;
  }
  // The check before counts every keyword entry it reads; the index holds
  // each keyword once, so this count says "distinct".
  std::string outcome = "Help file " + input.help_file + " written: " + counted(compiled->topics, "topic") +
                        ", " + counted(compiled->contexts, "context string") + ", " +
                        counted(compiled->keywords, "distinct keyword") + ", " + counted(compiled->pictures, "picture") + ".";
  if (compiled->stored_plain)
    outcome += " Topics are not compressed: a paragraph is longer than a compressed block holds.";
  if (compiled->pictures_unread > 0)
    outcome += " " + counted(compiled->pictures_unread, "bitmap") + " could not be stored (missing, or not a Windows bitmap).";
  log.set_outcome(outcome);
}

}  // namespace

RunResult run_compile(const Invocation& invocation) {
  RunResult result;
  if (!invocation.error.empty()) {
    result.summary = invocation.error;
    return result;
  }
  std::optional<std::string> project = locate_project(invocation.project);
  std::string project_path = project.value_or(invocation.project);
  CompileLog log;
  check_project(project_path, log);
  if (project && invocation.family == Family::win95) write_help_file(project_path, log);
  std::string program = invocation.program.empty() ? "hcp" : invocation.program;
  std::string text = render_log(log, invocation.family, project_path, program + ".exe");
  result.summary = summary_line(log, shown_project(project_path));
  result.exit_status = project ? log.exit_status() : kExitNotChecked;
  if (write_log(log_path_of(project_path), text)) result.log_path = log_path_of(project_path);
  return result;
}

}  // namespace helpc
