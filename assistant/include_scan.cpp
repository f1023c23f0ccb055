#include "assistant/include_scan.h"

#include <optional>

#include "platform/files.h"
#include "platform/text.h"

namespace assistant {

namespace {

// Cuts at the first ";" and "/", and blanks out control characters and
// the bytes 128 to 191.
std::string cleaned(std::string_view line) {
  line = line.substr(0, line.find(';'));
  line = line.substr(0, line.find('/'));
  std::string out(line);
  for (char& c : out) {
    auto u = static_cast<unsigned char>(c);
    if (u < 32 || u == 127 || (u >= 128 && u <= 191)) c = ' ';
  }
  return out;
}

std::vector<std::string_view> words(std::string_view s) {
  std::vector<std::string_view> out;
  size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && s[i] == ' ') ++i;
    size_t start = i;
    while (i < s.size() && s[i] != ' ') ++i;
    if (i > start) out.push_back(s.substr(start, i - start));
  }
  return out;
}

std::string name_of(std::string_view line) {
  std::string clean = cleaned(line);
  std::vector<std::string_view> w = words(clean);
  if (clean.find("#define") != std::string::npos) return w.size() > 1 ? std::string(w[1]) : std::string();
  if (w.empty() || clean.find('#') != std::string::npos) return {};
  return std::string(w[0]);
}

// Comment blocks that run over lines: the line that opens one still counts;
// the lines after it are skipped up to and with the one that holds "*/".
class CommentBlocks {
 public:
  // True when the line is to be skipped.
  bool skip(std::string_view line) {
    if (open_) {
      size_t close = line.find("*/");
      if (close == std::string_view::npos) return true;
      open_ = false;
      opens_after(line.substr(close + 2));
      return true;
    }
    opens_after(line);
    return false;
  }

 private:
  void opens_after(std::string_view rest) {
    size_t open = rest.find("/*");
    while (open != std::string_view::npos) {
      size_t close = rest.find("*/", open + 2);
      if (close == std::string_view::npos) {
        open_ = true;
        return;
      }
      open = rest.find("/*", close + 2);
    }
  }
  bool open_ = false;
};

}  // namespace

std::vector<std::string> scan_include_text(std::string_view bytes) {
  std::vector<std::string> names;
  CommentBlocks comments;
  for (const std::string& line : text::split_lines(bytes)) {
    if (comments.skip(line)) continue;
    std::string name = name_of(line);
    if (!name.empty()) names.push_back(std::move(name));
  }
  return names;
}

std::vector<std::string> scan_include_file(std::string_view path) {
  std::optional<std::string> bytes = platform::read_file(path);
  return bytes ? scan_include_text(*bytes) : std::vector<std::string>();
}

bool id_in_use(const Model& model, std::string_view name) {
  for (std::string_view entry : model.entries())
    if (entry.size() > name.size() && entry.substr(0, name.size()) == name && entry[name.size()] == '=') return true;
  return false;
}

}  // namespace assistant
