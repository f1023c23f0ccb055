// #include and #line in the resource-script reader: a script's header of
// control ids is read as if its lines stood where the #include is.
#include <algorithm>

#include "platform/text.h"
#include "platform/ui/rc_parser.h"

namespace ui::rc {

namespace {

// Deep enough for any header chain we write; a set of files that makes up a
// new name at every level would otherwise be read without end.
constexpr size_t kMaxIncludeDepth = 16;

// The quoted operand of "#include" or "#line N", or nullopt.
std::optional<std::string> quoted(std::string_view rest) {
  size_t open = rest.find('"');
  if (open == std::string_view::npos) return std::nullopt;
  size_t close = rest.find('"', open + 1);
  if (close == std::string_view::npos || close == open + 1) return std::nullopt;
  return std::string(rest.substr(open + 1, close - open - 1));
}

// "trvwck32/./a/../project.h" as "trvwck32/project.h"; nullopt for a path
// that climbs above the top of the set or names no file.
std::optional<std::string> normalized(std::string_view path) {
  std::vector<std::string> parts;
  std::string part;
  auto flush = [&]() -> bool {
    if (part == "..") {
      if (parts.empty()) return false;
      parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    part.clear();
    return true;
  };
  for (char c : path) {
    if (c != '/' && c != '\\') {
      part += c;
    } else if (!flush()) {
      return std::nullopt;
    }
  }
  if (!flush() || parts.empty()) return std::nullopt;
  std::string out;
  for (const std::string& p : parts) out += (out.empty() ? "" : "/") + p;
  return out;
}

// The folder part of a script's path, with its trailing '/', or "".
std::string folder_of(const std::string& file) {
  size_t slash = file.find_last_of("/\\");
  return slash == std::string::npos ? std::string() : file.substr(0, slash + 1);
}

int hex_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

// `#line N "path"` names the script the following lines come from. Line
// numbers in reports keep counting through the whole text.
void Parser::line_marker(const std::string& rest) {
  if (auto name = quoted(rest))
    if (auto path = normalized(*name)) file_ = *path;
}

void Parser::include(const std::string& rest, int line) {
  std::string_view operand = text::trim(rest);
  if (!operand.empty() && operand.front() == '<') return;  // a system header
  auto name = quoted(operand);
  if (!name) {
    error(line, "#include needs a file name in quotes: " + std::string(operand));
    return;
  }
  auto path = normalized(folder_of(file_) + *name);
  if (!path) {
    error(line, "cannot find include file \"" + *name + "\"");
    return;
  }
  read_included(*name, *path, line);
}

void Parser::read_included(const std::string& name, const std::string& path, int line) {
  bool open = std::any_of(chain_.open.begin(), chain_.open.end(),
                          [&](const std::string& p) { return text::iequals(p, path); });
  if (open || text::iequals(path, file_)) {
    error(line, "#include loop: \"" + path + "\" includes itself");
    return;
  }
  if (chain_.open.size() >= kMaxIncludeDepth) {
    error(line, "#include \"" + name + "\" nested too deep");
    return;
  }
  std::optional<std::string> content;
  if (chain_.files && *chain_.files) content = (*chain_.files)(path);
  if (!content) {
    error(line, "cannot find include file \"" + name + "\"");
    return;
  }
  // The included file reports its own lines, under the line of the #include.
  Diagnostics inner;
  Parser nested(group_statements(tokenize(*content, inner)), inner, out_, symbols_, chain_, path);
  chain_.open.push_back(file_);
  nested.run();
  chain_.open.pop_back();
  for (const std::string& message : inner.messages()) error(line, "in \"" + path + "\", " + message);
}

std::optional<std::string> Parser::embedded_picture(const std::string& name) const {
  auto path = normalized(folder_of(file_) + name);
  if (!path || !chain_.files || !*chain_.files) return std::nullopt;
  std::optional<std::string> digits = (*chain_.files)(*path);
  if (!digits || digits->size() % 2 != 0) return std::nullopt;
  std::string bytes;
  bytes.reserve(digits->size() / 2);
  for (size_t i = 0; i < digits->size(); i += 2) {
    const int high = hex_value((*digits)[i]);
    const int low = hex_value((*digits)[i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    bytes.push_back(static_cast<char>(high * 16 + low));
  }
  return bytes;
}

}  // namespace ui::rc
