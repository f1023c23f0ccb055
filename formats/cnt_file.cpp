#include "formats/cnt_file.h"

#include <algorithm>
#include <cctype>

namespace formats {
namespace {

constexpr std::string_view utf8_mark = "\xEF\xBB\xBF";

bool is_blank(char c) { return c == ' ' || c == '\t'; }

bool equals_no_case(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

std::string_view after_first_space(std::string_view line) {
  const auto space = line.find(' ');
  return space == std::string_view::npos ? std::string_view{} : line.substr(space + 1);
}

bool only_blanks(std::string_view line) {
  return std::all_of(line.begin(), line.end(), is_blank);
}

// Splits at CR LF, LF and lone CR; notes the first line end met.
std::vector<std::string_view> split_lines(std::string_view bytes, std::string& line_end) {
  std::vector<std::string_view> lines;
  bool end_seen = false;
  size_t start = 0;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r' && bytes[i] != '\n') continue;
    const bool crlf = bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
    if (!end_seen) {
      line_end = crlf ? "\r\n" : std::string(1, bytes[i]);
      end_seen = true;
    }
    lines.push_back(bytes.substr(start, i - start));
    if (crlf) ++i;
    start = i + 1;
  }
  if (start < bytes.size()) lines.push_back(bytes.substr(start));
  return lines;
}

void read_base(std::string_view line, CntFile& file) {
  const auto arrow = line.find('>');
  if (arrow != std::string_view::npos) {
    file.default_window = std::string(line.substr(arrow + 1));
    line = line.substr(0, arrow);
  }
  file.base = std::string(after_first_space(line));
}

void read_header(std::string_view line, CntFile& file, bool& base_seen, bool& title_seen) {
  const auto command = cnt_command(line);
  if (equals_no_case(command, "Title") && !title_seen) {
    file.title = std::string(after_first_space(line));
    title_seen = true;
  } else if (equals_no_case(command, "Base") && !base_seen) {
    read_base(line, file);
    base_seen = true;
  } else if (is_cnt_include(line)) {
    file.entries.push_back(CntEntry{1, std::string(line), true});
  } else if (equals_no_case(command, "Index") || equals_no_case(command, "Link")) {
    file.index_links.emplace_back(after_first_space(line));
  } else {
    // Unknown commands and a second ":Base" or ":Title" are kept as written.
    file.other_headers.emplace_back(line);
  }
}

}  // namespace

int cnt_level(long level) { return level >= 1 && level <= cnt_max_level ? static_cast<int>(level) : 1; }

bool CntEntry::is_book() const { return !include && text.find('\t') == std::string::npos; }
bool CntEntry::is_topic() const { return !include && text.find('\t') != std::string::npos; }
bool CntEntry::is_macro() const { return is_topic() && target().starts_with('!'); }

std::string_view CntEntry::title() const {
  const std::string_view all = text;
  return include ? all : all.substr(0, all.find('\t'));
}

std::string_view CntEntry::target() const {
  const auto tab = text.find('\t');
  if (include || tab == std::string::npos) return {};
  return std::string_view(text).substr(tab + 1);
}

std::string CntEntry::line() const {
  return (include ? std::string("1") : std::to_string(level)) + " " + text;
}

std::string_view cnt_command(std::string_view line) {
  const auto first = line.find_first_not_of(" \t");
  if (first == std::string_view::npos || line[first] != ':') return {};
  line = line.substr(first + 1);
  return line.substr(0, line.find(' '));
}

bool is_cnt_include(std::string_view line) {
  return equals_no_case(cnt_command(line), "include");
}

CntEntry parse_cnt_entry(std::string_view line) {
  CntEntry entry;
  size_t pos = 0;
  while (pos < line.size() && is_blank(line[pos])) ++pos;
  size_t digits = pos + (pos < line.size() && (line[pos] == '-' || line[pos] == '+'));
  long value = 0;
  const size_t first_digit = digits;
  for (; digits < line.size() && std::isdigit(static_cast<unsigned char>(line[digits])); ++digits)
    value = std::min(value * 10 + (line[digits] - '0'), 1000000L);
  if (digits > first_digit) {
    entry.level = cnt_level(line[pos] == '-' ? -value : value);
    pos = digits < line.size() && line[digits] == ' ' ? digits + 1 : digits;
  } else {
    pos = 0;  // no level: the whole line is the title
  }
  entry.text = std::string(line.substr(pos));
  const auto equals = entry.text.find('=');
  if (equals != std::string::npos) entry.text[equals] = '\t';
  return entry;
}

CntFile read_cnt(std::string_view bytes) {
  CntFile file;
  if (bytes.starts_with(utf8_mark)) {
    file.byte_order_mark = true;
    bytes.remove_prefix(utf8_mark.size());
  }
  bool base_seen = false, title_seen = false;
  for (const auto line : split_lines(bytes, file.line_end)) {
    if (only_blanks(line)) continue;
    const auto first = line.find_first_not_of(" \t");
    if (line[first] == ':')
      read_header(line.substr(first), file, base_seen, title_seen);
    else
      file.entries.push_back(parse_cnt_entry(line));
  }
  file.base_line = base_seen;
  file.title_line = title_seen;
  return file;
}

std::string write_cnt(const CntFile& file) {
  std::string out;
  if (file.byte_order_mark) out += utf8_mark;
  const auto put = [&](std::string_view a, std::string_view b = {}) {
    out += a;
    out += b;
    out += file.line_end;
  };
  if (file.base_line || !file.base.empty() || !file.default_window.empty())
    put(":Base " + file.base, file.default_window.empty() ? "" : ">" + file.default_window);
  if (file.title_line || !file.title.empty()) put(":Title ", file.title);
  for (const auto& item : file.index_links)
    put(item.find('=') != std::string::npos ? ":Index " : ":Link ", item);
  for (const auto& header : file.other_headers) put(header);
  for (const auto& entry : file.entries) {
    if (entry.include) {
      put(entry.text);
      continue;
    }
    std::string text = entry.text;
    const auto tab = text.find('\t');
    if (tab != std::string::npos) text[tab] = '=';
    put(std::to_string(cnt_level(entry.level)) + " ", text);
  }
  return out;
}

}  // namespace formats
