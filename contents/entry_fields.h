// An entry taken apart into the entry editor's fields and put back together.
#pragma once
#include <string>
#include <string_view>

#include "contents/contents_model.h"

namespace contents {

// The target "*ext*" marks an external document.
inline constexpr std::string_view external_target = "*ext*";

struct EntryFields {
  std::string title;
  std::string target;  // context string or "!macro", up to "@" and ">"
  std::string file;    // after "@"
  std::string window;  // after ">"
};

EntryFields split_entry(const CntEntry& entry);

// The field left blank, when the entry cannot be composed.
enum class BlankField { none, title, target };
// need_target: the target field is shown (a topic or a macro). Trailing
// spaces of title and target are trimmed first.
BlankField blank_field(const EntryFields& fields, bool need_target);

// Title; with a target, TAB and the target ("!" put in front of a macro),
// "@" and the file, ">" and the window.
std::string compose_entry(EntryFields fields, bool macro);

// A title "# {context}" stands for a topic without a title of its own;
// editors show it empty.
bool is_placeholder_title(std::string_view title);

}  // namespace contents
