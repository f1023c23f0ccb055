#include "formats/hpj_text.h"

#include "platform/text.h"

namespace formats {
namespace {

std::string_view unquote(std::string_view v) {
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
    return v.substr(1, v.size() - 2);
  }
  return v;
}

// The line with its own line ending, for rewrites that keep every byte.
std::vector<std::string_view> raw_lines(std::string_view bytes) {
  std::vector<std::string_view> out;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    end = end == std::string_view::npos ? bytes.size() : end + 1;
    out.push_back(bytes.substr(start, end - start));
    start = end;
  }
  return out;
}

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string_view without_bom(std::string_view bytes) {
  return bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom ? bytes.substr(kUtf8Bom.size()) : bytes;
}

}  // namespace

bool is_section_header(std::string_view line) {
  line = text::trim_left(line);
  return !line.empty() && line.front() == '[';
}

bool is_comment_line(std::string_view line) {
  line = text::trim_left(line);
  return !line.empty() && line.front() == ';';
}

bool opens_section(std::string_view line, std::string_view name) {
  line = text::trim(line);
  if (line.empty() || line.front() != '[') return false;
  auto close = line.find(']');
  if (close == std::string_view::npos) return false;
  return text::iequals(text::trim(line.substr(1, close - 1)), name);
}

HpjText::HpjText(std::string_view bytes) : lines_(text::split_lines(without_bom(bytes))) {
  auto lf = bytes.find('\n');
  if (lf != std::string_view::npos && lf > 0 && bytes[lf - 1] == '\r') line_end_ = "\r\n";
}

bool HpjText::has_section(std::string_view name) const {
  for (const auto& line : lines_) {
    if (opens_section(line, name)) return true;
  }
  return false;
}

std::vector<std::string> HpjText::section(std::string_view name) const {
  std::vector<std::string> out;
  bool inside = false;
  for (const auto& line : lines_) {
    if (is_section_header(line)) {
      inside = opens_section(line, name);
      continue;
    }
    if (inside) out.push_back(line);
  }
  return out;
}

std::vector<std::string> HpjText::section_entries(std::string_view name) const {
  std::vector<std::string> out;
  for (const auto& raw : section(name)) {
    std::string_view line = text::trim(raw);
    if (line.empty() || line.front() == ';' || line.find('#') != std::string_view::npos) continue;
    std::string_view entry = text::trim(line.substr(0, line.find(';')));
    if (!entry.empty()) out.emplace_back(entry);
  }
  return out;
}

std::vector<std::string> HpjText::section_includes(std::string_view name) const {
  std::vector<std::string> out;
  for (const auto& line : section(name)) {
    if (line.find("#include") == std::string::npos || is_comment_line(line)) continue;
    std::string file = include_name(line);
    if (!file.empty()) out.push_back(std::move(file));
  }
  return out;
}

const std::string* HpjText::find_value(std::string_view section_name, std::string_view key) const {
  bool inside = false;
  for (const auto& line : lines_) {
    if (is_section_header(line)) {
      inside = opens_section(line, section_name);
      continue;
    }
    if (!inside) continue;
    std::string_view l = text::trim_left(line);
    auto eq = l.find('=');
    if (l.empty() || l.front() == ';' || eq == std::string_view::npos) continue;
    if (text::iequals(text::trim(l.substr(0, eq)), key)) return &line;
  }
  return nullptr;
}

std::string HpjText::value(std::string_view section_name, std::string_view key,
                           std::string_view def) const {
  const std::string* line = find_value(section_name, key);
  if (!line) return std::string(text::trim_right(def));
  std::string_view v = *line;
  v = text::trim(v.substr(v.find('=') + 1));
  return std::string(unquote(v));
}

bool HpjText::has_key(std::string_view section_name, std::string_view key) const {
  return find_value(section_name, key) != nullptr;
}

std::vector<std::string> HpjText::copy_section(std::string_view name, CopyMode mode) const {
  std::vector<std::string> out;
  bool inside = false;
  const bool with_header = mode == CopyMode::all_lines || mode == CopyMode::all_lines_too;
  for (const auto& line : lines_) {
    if (is_section_header(line)) {
      inside = opens_section(line, name);
      if (inside && with_header) out.push_back(line);
      continue;
    }
    if (!inside) continue;
    const bool include = line.find("#include") != std::string::npos;
    if (mode == CopyMode::without_includes && include) continue;
    if (mode == CopyMode::only_includes && !include) continue;
    out.push_back(line);
  }
  return out;
}

std::string include_name(std::string_view line) {
  auto at = line.find("#include");
  if (at == std::string_view::npos) return {};
  line = text::trim(line.substr(at + 8));
  if (!line.empty() && (line.front() == '<' || line.front() == '"')) {
    const char close = line.front() == '<' ? '>' : '"';
    auto end = line.find(close, 1);
    if (end == std::string_view::npos) return {};
    return std::string(text::trim(line.substr(1, end - 1)));
  }
  return std::string(text::trim(line.substr(0, line.find_first_of("; \t"))));
}

std::string remove_section_text(std::string_view bytes, std::string_view name) {
  std::string out;
  bool skipping = false;
  for (auto raw : raw_lines(bytes)) {
    if (is_section_header(raw)) skipping = opens_section(raw, name);
    if (!skipping) out += raw;
  }
  return out;
}

std::string join_lines(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& l : lines) out += l + "\n";
  return out;
}

std::string with_line_ends(std::string_view text, std::string_view line_end) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') {
      out += c;
      continue;
    }
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    out += line_end;
  }
  return out;
}

}  // namespace formats
