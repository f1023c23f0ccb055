#include "tools/helpc/jump_macros.h"

#include "platform/paths.h"
#include "platform/text.h"

namespace helpc {
namespace {

constexpr std::string_view kJumpNames[] = {"JumpId", "JI", "PopupId", "PI"};

bool is_name_char(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// The macro name that ends just before `open` ("(" after optional blanks),
// or "" when the text there is no call.
std::string_view called_name(std::string_view s, size_t open) {
  size_t end = open;
  while (end > 0 && (s[end - 1] == ' ' || s[end - 1] == '\t')) --end;
  size_t start = end;
  while (start > 0 && is_name_char(s[start - 1])) --start;
  return s.substr(start, end - start);
}

bool is_jump_name(std::string_view name) {
  for (auto jump : kJumpNames) {
    if (text::iequals(name, jump)) return true;
  }
  return false;
}

// One argument without blanks and one pair of `...' or "..." quotes.
std::string unquoted(std::string_view arg) {
  arg = text::trim(arg);
  if (arg.size() >= 2 && ((arg.front() == '`' && arg.back() == '\'') ||
                          (arg.front() == '"' && arg.back() == '"'))) {
    arg = arg.substr(1, arg.size() - 2);
  }
  return std::string(text::trim(arg));
}

// The top-level arguments of the call whose "(" is at `open`; quotes nest
// as WinHelp nests them (` opens, ' closes; " pairs).
std::vector<std::string> call_arguments(std::string_view s, size_t open) {
  std::vector<std::string> args;
  int ticks = 0, parens = 0;
  bool in_double = false;
  size_t start = open + 1;
  for (size_t i = open + 1; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '`') ++ticks;
    else if (c == '\'' && ticks > 0) --ticks;
    else if (c == '"' && ticks == 0) in_double = !in_double;
    if (ticks > 0 || in_double) continue;
    if (c == '(') ++parens;
    const bool closes = c == ')' && parens-- == 0;
    if (closes || (c == ',' && parens == 0)) {
      args.push_back(unquoted(s.substr(start, i - start)));
      start = i + 1;
      if (closes) return args;
    }
  }
  return {};  // an unclosed call names nothing for certain
}

}  // namespace

std::vector<MacroJump> jump_macros(std::string_view macros) {
  std::vector<MacroJump> out;
  for (size_t open = macros.find('('); open != std::string_view::npos;
       open = macros.find('(', open + 1)) {
    if (!is_jump_name(called_name(macros, open))) continue;
    std::vector<std::string> args = call_arguments(macros, open);
    if (args.size() >= 2 && !args[1].empty()) out.push_back(MacroJump{args[0], args[1]});
  }
  return out;
}

bool names_own_help_file(std::string_view argument, std::string_view help_file) {
  std::string_view file = text::trim(argument.substr(0, argument.find('>')));
  if (file.empty() || text::iequals(file, "qchPath")) return true;
  return text::iequals(platform::file_name_of(file), platform::file_name_of(help_file));
}

}  // namespace helpc
