#include "project/compile/compiler_log.h"

#include <array>

#include "formats/help_contexts.h"
#include "platform/files.h"
#include "platform/text.h"

namespace project {
namespace {

constexpr std::array<SevereMessage, 4> kSevereMessages{{
    {"1079:", help_contexts::kSevere1079},
    {"1100:", help_contexts::kSevere1100},
    {"5059:", help_contexts::kSevere5059},
    {"2550:", help_contexts::kSevere2550}}};

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// The word that starts at or after `from` (blanks skipped), "" when none.
std::string_view word_at(std::string_view s, std::size_t from) {
  while (from < s.size() && (s[from] == ' ' || s[from] == '\t')) ++from;
  std::size_t end = s.find_first_of(" \t", from);
  if (from >= s.size()) return {};
  return s.substr(from, (end == std::string_view::npos ? s.size() : end) - from);
}

// The text after a marker up to the next ":" (the message number).
std::string number_after(std::string_view line, std::string_view marker) {
  auto at = line.find(marker);
  if (at == std::string_view::npos) return {};
  std::string_view rest = line.substr(at + marker.size());
  return std::string(text::trim(rest.substr(0, rest.find(':'))));
}

// The file named after "of ": up to " : " when the line has one, else a word.
std::string_view file_after_of(std::string_view line, std::size_t from) {
  auto of = line.find("of ", from);
  if (of == std::string_view::npos) return {};
  std::string_view rest = line.substr(of + 3);
  auto separator = rest.find(" :");
  if (separator != std::string_view::npos) {
    std::string_view named = text::trim(rest.substr(0, separator));
    if (!named.empty()) return named;
  }
  return word_at(rest, 0);
}

std::string as_document(std::string_view file) {
  std::string out = text::to_lower(file);
  auto rtf = out.rfind(".rtf");
  if (rtf != std::string::npos) out.replace(rtf, 4, ".doc");
  return out;
}

std::string message_of(const std::vector<std::string>& lines, std::size_t index, bool help_workshop) {
  if (help_workshop) {
    if (index + 1 >= lines.size()) return {};
    std::string_view next = lines[index + 1];
    return std::string(text::trim(next.substr(std::min<std::size_t>(2, next.size()))));
  }
  std::string_view line = lines[index];
  auto colon = line.rfind(':');
  return colon == std::string_view::npos ? std::string() : std::string(text::trim(line.substr(colon + 1)));
}

}  // namespace

std::vector<std::string> read_log_lines(std::string_view log_path) {
  std::vector<std::string> lines;
  std::optional<std::string> bytes = platform::read_file(log_path);
  if (!bytes) return lines;
  lines = text::split_lines(*bytes);
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  if (lines.size() > kLogLinesMax) lines.resize(kLogLinesMax);
  for (auto& line : lines) {
    if (line.size() > kLogLineMax) line.resize(kLogLineMax);
  }
  return lines;
}

int severe_help_context(const std::vector<std::string>& log_lines) {
  for (const auto& severe : kSevereMessages) {
    for (const auto& line : log_lines) {
      if (line.find(severe.code) != std::string::npos) return severe.help_context;
    }
  }
  return 0;
}

std::size_t message_line_index(const std::vector<std::string>& list_lines, std::size_t index) {
  while (index > 0 && index < list_lines.size() && list_lines[index].size() > 2 &&
         list_lines[index][2] == '\t') {
    --index;
  }
  return index;
}

bool is_message_line(std::string_view list_line) {
  return list_line.find("Warning") != std::string_view::npos ||
         list_line.find("Error") != std::string_view::npos || list_line.find(" HC") != std::string_view::npos;
}

std::string message_number(std::string_view list_line, bool help_workshop) {
  std::string number = help_workshop ? number_after(list_line, " HC") : std::string();
  if (number.empty()) number = number_after(list_line, "Warning ");
  if (number.empty()) number = number_after(list_line, "Error ");
  std::size_t digits = 0;
  while (digits < number.size() && is_digit(number[digits])) ++digits;
  return number.substr(0, digits);
}

ProblemLocation problem_location(const std::vector<std::string>& list_lines, std::size_t index,
                                 bool help_workshop) {
  ProblemLocation location;
  if (index >= list_lines.size()) return location;
  std::string_view line = list_lines[index];
  location.message = message_of(list_lines, index, help_workshop);
  std::size_t after = line.find("topic #");
  if (after != std::string_view::npos) {
    after += 7;
  } else if ((after = line.find("topic...")) != std::string_view::npos) {
    after += 8;
  } else {
    return location;
  }
  std::string_view position = word_at(line, after);
  std::string_view file = file_after_of(line, after);
  if (position.empty() || file.empty()) return location;
  location.found = true;
  location.position = std::string(position);
  location.topic_file = as_document(file);
  return location;
}

}  // namespace project
