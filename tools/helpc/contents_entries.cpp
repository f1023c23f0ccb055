#include "tools/helpc/contents_entries.h"

#include <algorithm>
#include <optional>
#include <vector>
#include <unordered_set>

#include "formats/cnt_file.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "tools/helpc/jump_macros.h"

namespace helpc {
namespace {

// The path of a file beside another, with the separator that path uses, so
// that a project named as "proj/p.hpj" is answered in that form. The file
// system lookup ignores case: the contents editor writes include names in
// lower case while the file on disk may not be.
std::string beside(std::string_view including, std::string_view name) {
  if (platform::is_absolute(name)) return std::string(name);
  const size_t folder_end = including.size() - platform::file_name_of(including).size();
  return std::string(including.substr(0, folder_end)) + std::string(name);
}

// A file's host path with "." and ".." taken out, so that the same file
// reached by two routes ("sub\..\a.cnt", "a.cnt") is known as one.
std::string file_key(std::string_view path) {
  const std::string host = platform::to_host_path(path);
  std::vector<std::string> parts;
  for (std::string& part : text::split(host, '/')) {
    if (part == "..") {
      if (!parts.empty() && parts.back() != "..") {
        parts.pop_back();
        continue;
      }
    } else if (part == "." || (part.empty() && !parts.empty())) {
      continue;
    }
    parts.push_back(std::move(part));
  }
  std::string key;
  for (const auto& part : parts) key.append(part).push_back('/');
  return key;
}

// ":include more.cnt" gives "more.cnt".
std::string_view include_name(std::string_view line) {
  const auto blank = line.find_first_of(" \t");
  return blank == std::string_view::npos ? std::string_view{} : text::trim(line.substr(blank + 1));
}

class EntryReader {
 public:
  explicit EntryReader(std::string_view help_file) : help_file_(help_file) {}

  // Reads one contents file; base is the help file its entries belong to
  // when it has no ":Base" of its own.
  void read(const std::string& path, const std::string& base, std::string_view bytes) {
    if (!visited_.insert(file_key(path)).second) return;
    const formats::CntFile cnt = formats::read_cnt(bytes);
    const std::string own_base = cnt.base.empty() ? base : std::string(text::trim(cnt.base));
    for (const auto& entry : cnt.entries) {
      if (entry.include) {
        read_include(entry.text, path, own_base);
      } else if (entry.is_topic()) {
        add_topic(entry, path, own_base);
      }
    }
  }

  ContentsEntries take() { return std::move(out_); }

 private:
  void read_include(std::string_view line, const std::string& including, const std::string& base) {
    const std::string_view name = include_name(line);
    if (name.empty()) return;
    const std::string path = beside(including, name);
    std::optional<std::string> bytes = platform::read_file(path);
    if (!bytes) {
      if (missing_.insert(text::to_lower(name)).second) out_.missing_includes.emplace_back(name);
      return;
    }
    // Links can make every path new while the files repeat: a chain of
    // includes this deep is such a loop, not a contents file.
    if (depth_ >= kMaxIncludeDepth) {
      out_.too_deep.push_back(path);
      return;
    }
    ++depth_;
    read(path, base, *bytes);
    --depth_;
  }

  void add_topic(const formats::CntEntry& entry, const std::string& file, const std::string& base) {
    const std::string_view target = text::trim(entry.target());
    if (entry.is_macro()) {
      if (names_own_help_file(base, help_file_))
        out_.references.push_back(ContentsReference{file, std::string(target.substr(1)), true});
      return;
    }
    ContentsTarget split = split_contents_target(target);
    // "*ext*" marks an outline's external document, not a topic.
    if (split.context.empty() || split.context == "*ext*") return;
    const std::string& owner = split.help_file.empty() ? base : split.help_file;
    if (!names_own_help_file(owner, help_file_)) return;
    out_.references.push_back(ContentsReference{file, std::move(split.context), false});
  }

  std::string_view help_file_;
  static constexpr int kMaxIncludeDepth = 64;
  int depth_ = 0;
  std::unordered_set<std::string> visited_;  // file_key of each file read
  std::unordered_set<std::string> missing_;  // lower-case include names
  ContentsEntries out_;
};

}  // namespace

ContentsTarget split_contents_target(std::string_view target) {
  const auto window = target.find('>');
  const auto at = target.find('@');
  ContentsTarget out;
  out.context = std::string(text::trim(target.substr(0, std::min(window, at))));
  if (at != std::string_view::npos) {
    const auto end = window != std::string_view::npos && window > at ? window : target.size();
    out.help_file = std::string(text::trim(target.substr(at + 1, end - at - 1)));
  }
  return out;
}

ContentsEntries read_contents_entries(std::string_view path, std::string_view help_file) {
  EntryReader reader(help_file);
  if (std::optional<std::string> bytes = platform::read_file(path))
    reader.read(std::string(path), std::string(), *bytes);
  return reader.take();
}

}  // namespace helpc
