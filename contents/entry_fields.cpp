#include "contents/entry_fields.h"

namespace contents {
namespace {

std::string trim_right(std::string_view text) {
  const auto end = text.find_last_not_of(' ');
  return std::string(end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1));
}

std::string trim_left(std::string_view text) {
  const auto start = text.find_first_not_of(' ');
  return std::string(start == std::string_view::npos ? std::string_view{} : text.substr(start));
}

}  // namespace

EntryFields split_entry(const CntEntry& entry) {
  EntryFields fields;
  fields.title = std::string(entry.title());
  std::string_view target = entry.target();
  if (const auto arrow = target.find('>'); arrow != std::string_view::npos && !target.starts_with('!')) {
    fields.window = std::string(target.substr(arrow + 1));
    target = target.substr(0, arrow);
  }
  if (const auto at = target.find('@'); at != std::string_view::npos && !target.starts_with('!')) {
    fields.file = std::string(target.substr(at + 1));
    target = target.substr(0, at);
  }
  fields.target = std::string(target);
  return fields;
}

BlankField blank_field(const EntryFields& fields, bool need_target) {
  if (trim_right(fields.title).empty()) return BlankField::title;
  if (need_target && trim_right(fields.target).empty()) return BlankField::target;
  return BlankField::none;
}

std::string compose_entry(EntryFields fields, bool macro) {
  std::string text = trim_right(fields.title);
  std::string target = trim_right(fields.target);
  if (macro) {
    target = trim_left(target);
    if (!target.starts_with('!')) target = "!" + target;
  }
  if (target.empty()) return text;
  text += "\t" + target;
  if (!fields.file.empty()) text += "@" + fields.file;
  if (!fields.window.empty()) text += ">" + fields.window;
  return text;
}

bool is_placeholder_title(std::string_view title) { return title.starts_with("# {"); }

}  // namespace contents
