#include "project/files/window_records.h"

#include <cstdio>

#include "platform/text.h"

namespace project {
namespace {

// Splits at commas that stand outside parentheses and double quotes.
std::vector<std::string> split_fields(std::string_view s) {
  std::vector<std::string> out(1);
  int depth = 0;
  bool quoted = false;
  for (char c : s) {
    if (c == '"') quoted = !quoted;
    if (!quoted && c == '(') ++depth;
    if (!quoted && c == ')' && depth > 0) --depth;
    if (c == ',' && depth == 0 && !quoted) {
      out.emplace_back();
    } else {
      out.back() += c;
    }
  }
  return out;
}

std::string without_two_quotes(std::string_view s) {
  std::string out(text::trim(s));
  for (int n = 0; n < 2; ++n) {
    auto q = out.find('"');
    if (q != std::string::npos) out.erase(q, 1);
  }
  return out;
}

// "(r, g, b)" as a colour value, or Help Workshop's "(r<decimal>)".
std::int32_t parse_colour(std::string_view field) {
  std::string f(text::trim(field));
  short r = 0, g = 0, b = 0;
  long value = 0;
  if (std::sscanf(f.c_str(), "(%hd,%hd,%hd", &r, &g, &b) == 3) {
    return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
  }
  if (std::sscanf(f.c_str(), "(r%ld", &value) == 1) return static_cast<std::int32_t>(value & 0xFFFFFF);
  return kNoColour;
}

void parse_position(std::string_view field, WindowRecord& w) {
  std::string f(text::trim(field));
  short x, y, cx, cy;
  if (std::sscanf(f.c_str(), "(%hd,%hd,%hd,%hd", &x, &y, &cx, &cy) == 4) {
    w.x = x;
    w.y = y;
    w.width = cx;
    w.height = cy;
  } else {
    w.x = kNoPosition;
  }
}

short parse_short(std::string_view field) {
  std::string f(text::trim(field));
  short v = 0;
  return std::sscanf(f.c_str(), "%hd", &v) == 1 ? v : 0;
}

std::string format_colour(std::int32_t colour) {
  if (colour == kNoColour) return {};
  return text::format("(%d, %d, %d)", colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

// A quoted caption may hold ";", which then is no comment.
std::string_view cut_comment(std::string_view line) {
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '"') quoted = !quoted;
    if (line[i] == ';' && !quoted) return line.substr(0, i);
  }
  return line;
}

}  // namespace

std::string window_name_of(std::string_view line) {
  auto end = line.find_first_of("=,;");
  return std::string(text::trim(line.substr(0, end)));
}

std::optional<WindowRecord> parse_window_line(std::string_view line) {
  auto eq = line.find('=');
  WindowRecord w;
  w.name = text::cut(text::trim(line.substr(0, eq)), kWindowNameMax);
  if (w.name.empty() || eq == std::string_view::npos) return std::nullopt;
  auto fields = split_fields(line.substr(eq + 1));
  fields.resize(6);
  w.caption = text::cut(without_two_quotes(fields[0]), kWindowCaptionMax);
  parse_position(fields[1], w);
  w.show_state = parse_short(fields[2]);
  w.main_colour = parse_colour(fields[3]);
  w.nonscroll_colour = parse_colour(fields[4]);
  w.on_top = parse_short(fields[5]);
  return w;
}

std::string format_window_line(const WindowRecord& w) {
  std::string out = text::format("%s=\"%s\",", w.name.c_str(), w.caption.c_str());
  if (w.x != kNoPosition) out += text::format("(%d, %d, %d, %d)", w.x, w.y, w.width, w.height);
  out += ",";
  if (w.x != kNoPosition) out += text::format("%d", w.show_state);
  out += "," + format_colour(w.main_colour) + ",";
  out += format_colour(w.nonscroll_colour) + ",";
  out += text::format("%d", w.on_top);
  return out;
}

void read_windows_section(const std::vector<std::string>& lines, std::vector<WindowRecord>& windows) {
  for (const auto& raw : lines) {
    auto w = parse_window_line(text::trim(cut_comment(raw)));
    if (!w) continue;
    if (text::iequals(w->name, "main")) {
      if (windows.empty())
        windows.push_back(*w);
      else
        windows[0] = *w;
    } else {
      windows.push_back(*w);
    }
  }
}

void read_window_names(const std::vector<std::string>& lines, std::vector<WindowRecord>& windows) {
  for (const auto& raw : lines) {
    std::string_view line = text::trim(raw);
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    std::string name = text::cut(window_name_of(line), kWindowNameMax);
    if (name.empty() || text::iequals(name, "main")) continue;
    WindowRecord w;
    w.name = name;
    windows.push_back(w);
  }
}

}  // namespace project
