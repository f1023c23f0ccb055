// Transcript lines of the headless host, and their file.
#include "platform/ui/transcript.h"

#include <cstdio>
#include <fstream>

namespace ui::detail {

std::string quote(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"') out += "\\\"";
    else if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else out += c;
  }
  return out + "\"";
}

std::string dialog_line(std::string_view identifier, std::string_view caption, int result,
                        bool scripted) {
  std::string line = "dialog " + std::string(identifier) + " " + quote(caption) + " -> " +
                     std::to_string(result);
  return scripted ? line : line + " (not scripted)";
}

std::string message_line(std::string_view text, std::string_view caption, std::string_view icon,
                         std::string_view answer, std::string_view remark) {
  std::string line = "message " + quote(text) + " caption=" + quote(caption) + " icon=" +
                     std::string(icon) + " -> " + std::string(answer);
  return remark.empty() ? line : line + " " + std::string(remark);
}

std::string file_dialog_line(bool save, std::string_view filter, const std::string* path,
                             bool scripted) {
  std::string line = std::string("filedialog ") + (save ? "save " : "open ") + quote(filter) +
                     " -> " + (path ? *path : std::string("cancel"));
  return scripted ? line : line + " (not scripted)";
}

std::string colour_line(const std::uint32_t* colour, bool scripted) {
  std::string answer = "cancel";
  if (colour) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%06X", static_cast<unsigned>(*colour));
    answer = buffer;
  }
  std::string line = "colourdialog -> " + answer;
  return scripted ? line : line + " (not scripted)";
}

std::string window_opened_line(std::string_view identifier, std::string_view caption) {
  return "window " + std::string(identifier) + " " + quote(caption) + " opened";
}

std::string window_closed_line(std::string_view identifier) {
  return "window " + std::string(identifier) + " closed";
}

std::string ignored_line(std::string_view action, std::string_view where, std::string_view reason) {
  std::string line = "ignored " + quote(action);
  if (!where.empty()) line += " in " + std::string(where);
  return line + ": " + std::string(reason);
}

void Transcript::add(std::string line) {
  if (!file_.empty()) {
    std::ofstream out(file_, std::ios::binary | std::ios::app);
    out << line << '\n';
  }
  lines_.push_back(std::move(line));
}

}  // namespace ui::detail

