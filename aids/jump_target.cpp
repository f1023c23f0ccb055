#include "aids/jump_target.h"

#include "platform/text.h"

namespace aids {
namespace {

void erase_all(std::string& s, std::string_view piece) {
  for (size_t at = s.find(piece); at != std::string::npos; at = s.find(piece, at)) s.erase(at, piece.size());
}

void blanks_for_underscores(std::string& s) {
  for (char& c : s) {
    if (c == '_') c = ' ';
  }
}

}  // namespace

JumpTarget ParseJumpTarget(std::string_view target) {
  JumpTarget out;
  if (!target.empty() && (target.front() == '%' || target.front() == '*')) {
    out.prefix = target.front();
    target.remove_prefix(1);
  }
  std::string rest(target);
  if (rest.find('!') == std::string::npos) {
    if (size_t at = rest.find('@'); at != std::string::npos) {
      out.file = rest.substr(at + 1);
      rest.erase(at);
    }
    if (size_t at = rest.find('>'); at != std::string::npos) {
      out.window = rest.substr(at + 1);
      rest.erase(at);
    }
  }
  out.context = std::move(rest);
  return out;
}

std::string ComposeJumpTarget(const JumpTarget& target, bool jump) {
  std::string out;
  if (target.prefix != 0) out += target.prefix;
  out += target.context;
  if (jump && !target.window.empty()) {
    out += '>';
    out += target.window;
  }
  if (!target.file.empty()) {
    out += '@';
    out += target.file;
  }
  return out;
}

std::string ClickTextFromContext(std::string_view context) {
  std::string text(context);
  if (size_t at = text.find("IDH_"); at != std::string::npos) text.erase(at, 4);
  blanks_for_underscores(text);
  return text;
}

std::string ClickTextFromTitle(std::string_view entry) {
  std::string text(entry);
  if (text.rfind("# {", 0) != 0) {
    if (size_t eq = text.rfind('='); eq != std::string::npos) text.erase(eq);
  }
  for (std::string_view piece : {"# {", "IDH_", "}"}) erase_all(text, piece);
  blanks_for_underscores(text);
  return std::string(text::trim(text));
}

int ScopeCode(bool all_occurrences, bool prompt, bool match_case) {
  if (!all_occurrences) return 1;
  return 2 + (prompt ? 2 : 0) + (match_case ? 1 : 0);
}

std::string JumpFormat(bool test_buttons, int colour) {
  std::string format(test_buttons ? "1" : "0");
  format += std::to_string(colour);
  return format;
}

}  // namespace aids

namespace aids {

std::string ContextOfTitleEntry(std::string_view entry) {
  if (entry.rfind("# {", 0) == 0 && entry.size() > 3 && entry.back() == '}')
    return std::string(entry.substr(3, entry.size() - 4));
  size_t eq = entry.rfind('=');
  return eq == std::string_view::npos ? std::string() : std::string(entry.substr(eq + 1));
}

}  // namespace aids
