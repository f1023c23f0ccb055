// A help project file's text as every reader and writer sees it: lines,
// sections found by their bracketed names (exactly, without regard to
// case), and keys read the way the private-profile functions read them.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace formats {

// True for a line that opens a section (its first non-blank character is "[").
bool is_section_header(std::string_view line);
// True when the line opens the section `name` ("FILES" matches "[FILES]",
// "[files]", "[Files]" and any other case, but not "[FILESX]").
bool opens_section(std::string_view line, std::string_view name);
// True for a line that holds only a comment (first non-blank character ";").
bool is_comment_line(std::string_view line);

// What CopySection takes from a section.
enum class CopyMode {
  without_includes = 0,  // the lines that do not contain "#include"
  only_includes = 1,     // only the lines that contain "#include"
  all_lines = 2,         // the header and every line
  all_lines_too = 3,     // the same as all_lines
};

class HpjText {
 public:
  // A leading UTF-8 byte-order mark is not part of the first line.
  explicit HpjText(std::string_view bytes);

  const std::vector<std::string>& lines() const { return lines_; }
  bool has_section(std::string_view name) const;
  // The lines of every section with this name, headers excluded, in order.
  std::vector<std::string> section(std::string_view name) const;
  // A section's entries: blank, comment and "#" lines skipped, each line cut
  // at its ";" comment and trimmed.
  std::vector<std::string> section_entries(std::string_view name) const;
  // The file names of a section's "#include" lines, in order.
  std::vector<std::string> section_includes(std::string_view name) const;
  // A key's value as a profile read gives it: first match in the section,
  // trimmed, one pair of enclosing quotes dropped; def when missing.
  std::string value(std::string_view section, std::string_view key, std::string_view def = {}) const;
  bool has_key(std::string_view section, std::string_view key) const;
  // The lines CopySection takes: with the header (all_lines) or without.
  std::vector<std::string> copy_section(std::string_view name, CopyMode mode) const;
  // The line ending the text uses ("\r\n" when its first line ends so).
  const std::string& line_end() const { return line_end_; }

 private:
  const std::string* find_value(std::string_view section, std::string_view key) const;

  std::vector<std::string> lines_;
  std::string line_end_ = "\n";
};

// The file name of an "#include" line: between "<" and ">", between double
// quotes, or the bare word after "#include"; "" when there is none.
std::string include_name(std::string_view line);

// The text without any section of this name (header through the line before
// the next section); every other byte is kept.
std::string remove_section_text(std::string_view bytes, std::string_view name);

// Lines joined, each followed by "\n".
std::string join_lines(const std::vector<std::string>& lines);

// The text with every line end ("\r\n", "\n" or a lone "\r") made line_end.
std::string with_line_ends(std::string_view text, std::string_view line_end);

}  // namespace formats
