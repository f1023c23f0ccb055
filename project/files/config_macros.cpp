#include "project/files/config_macros.h"

#include <algorithm>

#include "platform/text.h"

namespace project {
namespace {

// Lines of the Windows 95 emulation library; the writer adds them anew.
constexpr std::string_view kEmulationMarkers[] = {"tw95em.dll", "TWTopics",  "TWFullText",
                                                  "IsW95(",     "TWRestore", "btn_twzopt"};

bool is_emulation_line(std::string_view line) {
  return std::any_of(std::begin(kEmulationMarkers), std::end(kEmulationMarkers),
                     [&](std::string_view m) { return line.find(m) != std::string_view::npos; });
}

bool is_register_line(std::string_view line) {
  return text::istarts_with(line, "RR(") || text::istarts_with(line, "RegisterRoutine(");
}

// Position of the ";" that starts the line's comment, npos when none; a ";"
// inside a quoted argument belongs to the macro.
size_t comment_start(std::string_view line) {
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == ';' && !inside_quoted_argument(line, i)) return i;
  }
  return std::string_view::npos;
}

void append_macro(std::string& list, std::string_view macro) {
  if (macro.empty()) return;
  if (!list.empty()) list += ';';
  list += macro;
}

// Keeps the "@DF" and "@DW" comments, which declare library macros and
// embedded-window classes.
void keep_comment(std::string_view comment, ProjectFileModel& model) {
  if (comment.find("@DF") != std::string_view::npos) {
    model.format_comments += std::string(comment) + "\n";
  } else if (comment.find("@DW") != std::string_view::npos) {
    model.window_comments += std::string(comment) + "\n";
  }
}

void colons_to_semicolons(std::string& s) { std::replace(s.begin(), s.end(), ':', ';'); }

}  // namespace

bool inside_quoted_argument(std::string_view macros, size_t pos) {
  std::string_view before = macros.substr(0, pos);
  auto quotes = std::count(before.begin(), before.end(), '"');
  auto backquotes = std::count(before.begin(), before.end(), '`');
  auto apostrophes = std::count(before.begin(), before.end(), '\'');
  return quotes % 2 == 1 || backquotes > apostrophes;
}

std::string macros_to_config_lines(std::string_view macros) {
  std::string out(macros);
  for (size_t i = 0; i < out.size(); ++i) {
    if (out[i] == ';') out[i] = inside_quoted_argument(macros, i) ? ':' : '\n';
  }
  return out;
}

void read_config_section(const std::vector<std::string>& lines, bool win3x, ProjectFileModel& model) {
  std::string registers, macros;
  for (const auto& raw : lines) {
    std::string_view line = text::trim(raw);
    if (line.empty()) continue;
    if (is_emulation_line(line)) {
      if (win3x) model.emulation = true;
      continue;
    }
    size_t comment = comment_start(line);
    if (comment != std::string_view::npos) {
      keep_comment(line.substr(comment), model);
      line = text::trim(line.substr(0, comment));
    }
    if (text::icontains(line, "BrowseButtons()")) {
      model.browse_buttons = true;
      if (text::iequals(line, "BrowseButtons()")) continue;
    }
    append_macro(is_register_line(line) ? registers : macros, line);
  }
  colons_to_semicolons(registers);
  colons_to_semicolons(macros);
  model.register_lines = registers;
  model.config_macros = registers;
  append_macro(model.config_macros, macros);
  if (model.config_macros.find("tw95em") != std::string::npos) model.emulation = true;
  if (model.config_macros.find("sldshw") != std::string::npos) model.slide_shows = true;
  if (model.config_macros.find("sndPlaySound") != std::string::npos) model.sound = true;
}

bool extension_needed(std::string_view macros, std::string_view marker, std::string_view setting) {
  if (setting.empty() || macros.find(marker) != std::string_view::npos) return false;
  std::string first(text::trim(setting.substr(0, setting.find('$'))));
  colons_to_semicolons(first);
  return first.empty() || macros.find(first) == std::string_view::npos;
}

std::string extension_lines(std::string_view setting) {
  std::string out(setting);
  std::replace(out.begin(), out.end(), '$', '\n');
  if (!out.empty() && out.back() != '\n') out += '\n';
  return out;
}

}  // namespace project
