#include "tools/helpc/compile_log.h"

#include "platform/text.h"

namespace helpc {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string_view severity_word(Severity severity) {
  return severity == Severity::error ? "Error" : "Warning";
}

// The problem's text with the subject, quoted, in place of "%s".
std::string message_text(const Message& message) {
  std::string out(problem_info(message.problem).text);
  auto slot = out.find("%s");
  if (slot != std::string::npos) out.replace(slot, 2, "'" + message.subject + "'");
  return out;
}

// "topic #N of FILE" or "FILE".
std::string where_text(const Location& where) {
  if (where.topic <= 0) return where.file;
  return text::format("topic #%d of %s", where.topic, where.file.c_str());
}

// Plural-aware count: "1 topic", "2 topics".
std::string counted(long n, const char* noun) {
  return text::format("%ld %s%s", n, noun, n == 1 ? "" : "s");
}

}  // namespace

void CompileLog::add(Problem problem, Location where, std::string_view subject) {
  if (problem_info(problem).severity == Severity::error) {
    ++errors_;
  } else {
    ++warnings_;
  }
  if (messages_.size() >= kMaxMessages) {
    ++dropped_;
    return;
  }
  messages_.push_back(Message{problem, std::move(where), std::string(subject)});
}

std::string format_message(const Message& message, Family family) {
  const ProblemInfo& info = problem_info(message.problem);
  const std::string where = where_text(message.where);
  const std::string body = message_text(message);
  if (family == Family::win95) {
    return text::format("HC%d: %s: %s :", info.win95_number,
                        std::string(severity_word(info.severity)).c_str(), where.c_str()) +
           std::string(kLineEnd) + "\t" + body;
  }
  return text::format("%s %d: %s : %s", std::string(severity_word(info.severity)).c_str(),
                      info.win31_number, where.c_str(), body.c_str());
}

std::string summary_line(const CompileLog& log, std::string_view project_path) {
  const Counts& c = log.counts();
  return std::string(project_path) + ": " + counted(c.topics, "topic") + ", " +
         counted(c.jumps, "jump") + ", " + counted(c.keywords, "keyword") + ", " +
         counted(log.errors(), "error") + ", " + counted(log.warnings(), "warning") + ". " + log.outcome();
}

std::string render_log(const CompileLog& log, Family family, std::string_view project_path,
                       std::string_view program) {
  std::string out = "Tarvenwick help project check (" + std::string(program) + ", " +
                    (family == Family::win95 ? "Windows 95" : "Windows 3.1") + " messages)";
  out += kLineEnd;
  out += "Project " + std::string(project_path);
  out += kLineEnd;
  for (const auto& message : log.messages()) {
    out += format_message(message, family);
    out += kLineEnd;
  }
  if (log.dropped() > 0) {
    out += text::format("%zu further messages were not written.", log.dropped());
    out += kLineEnd;
  }
  out += summary_line(log, project_path);
  out += kLineEnd;
  return out;
}

}  // namespace helpc
