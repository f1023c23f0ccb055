#include "aids/macro_catalogue.h"

#include "platform/text.h"

namespace aids {

namespace {

// The text between open and close from pos on (pos moves past close); ""
// when open does not come before the end of the declaration.
std::string take_between(std::string_view decl, size_t& pos, char open, char close) {
  const size_t start = decl.find(open, pos);
  if (start == std::string_view::npos) return {};
  size_t end = decl.find(close, start + 1);
  if (end == std::string_view::npos) end = decl.size();
  pos = std::min(end + 1, decl.size());
  return std::string(text::trim(decl.substr(start + 1, end - start - 1)));
}

}  // namespace

CatalogueEntry catalogue_entry(std::string_view text, std::string description) {
  CatalogueEntry entry;
  const size_t tab = text.find('\t');
  entry.syntax = std::string(text::trim(text.substr(0, tab)));
  if (tab != std::string_view::npos) entry.long_name = std::string(text::trim(text.substr(tab + 1)));
  entry.description = std::move(description);
  return entry;
}

std::vector<CustomMacro> parse_custom_macros(std::string_view comment_lines) {
  std::vector<CustomMacro> macros;
  size_t line_start = 0;
  while (line_start < comment_lines.size()) {
    size_t line_end = comment_lines.find('\n', line_start);
    if (line_end == std::string_view::npos) line_end = comment_lines.size();
    std::string_view line = comment_lines.substr(line_start, line_end - line_start);
    line_start = line_end + 1;
    const size_t marker = line.find("@DF");
    if (marker == std::string_view::npos) continue;
    line.remove_prefix(marker + 3);
    // Declarations end at ";" outside their brackets.
    while (!text::trim(line).empty()) {
      size_t pos = 0;
      const std::string name = take_between(line, pos, '[', ']');
      if (name.empty()) break;
      CustomMacro m;
      const size_t dot = name.find('.');
      m.library = dot == std::string::npos ? std::string() : std::string(text::trim(name.substr(0, dot)));
      m.syntax = std::string(text::trim(dot == std::string::npos ? name : name.substr(dot + 1)));
      const size_t end = line.find(';', pos);
      const std::string_view rest = line.substr(pos, end == std::string_view::npos ? line.size() - pos : end - pos);
      size_t p = 0;
      m.description = take_between(rest, p, '{', '}');
      p = 0;
      m.help_file = take_between(rest, p, '<', '>');
      macros.push_back(std::move(m));
      if (end == std::string_view::npos) break;
      line.remove_prefix(end + 1);
    }
  }
  return macros;
}

std::vector<std::string> custom_libraries(const std::vector<CustomMacro>& macros) {
  std::vector<std::string> names;
  for (const CustomMacro& m : macros) {
    bool seen = false;
    for (const std::string& n : names) seen = seen || text::iequals(n, m.library);
    if (!seen) names.push_back(m.library);
  }
  return names;
}

}  // namespace aids
