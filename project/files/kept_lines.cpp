#include "project/files/kept_lines.h"

#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "formats/hpj_paths.h"
#include "platform/text.h"

namespace project {
namespace {

using Lines = std::vector<std::string>;

// A lone ";" is the writer's own separator, not an author's comment.
bool is_author_comment(std::string_view line) {
  return formats::is_comment_line(line) && text::trim(line) != ";";
}

std::string section_name(std::string_view header) {
  header = text::trim(header);
  auto close = header.find(']');
  return text::to_lower(text::trim(header.substr(1, close == std::string_view::npos ? 0 : close - 1)));
}

// The part of an entry a comment stays with: an option's or window's name,
// else the entry itself.
std::string entry_key(std::string_view line) {
  line = text::trim(line);
  line = text::trim(line.substr(0, line.find(';')));
  return text::to_lower(text::trim(line.substr(0, line.find('='))));
}

Lines split_text(std::string_view text) {
  Lines lines = text::split(text, '\n');
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

// Where a group of comments stood besides before an entry.
constexpr std::string_view kSectionHeader = "\x01header";
constexpr std::string_view kSectionEnd = "\x01end";

// The comments of one section, each group with the entry that follows it,
// the section's header or its end, in file order.
struct Group {
  std::string key;
  Lines comments;
};

class CommentPlacer {
 public:
  CommentPlacer(const formats::HpjText& previous, const Lines& new_lines) {
    collect(previous.lines());
    for (const auto& line : new_lines) {
      if (is_author_comment(line)) ++present_[std::string(text::trim(line))];
    }
  }

  Lines place(const Lines& new_lines) {
    emit(top_);
    for (const auto& line : new_lines) {
      if (formats::is_section_header(line)) {
        close_section();
        section_ = section_name(line);
        emit(take_group(kSectionHeader));
      } else if (!is_author_comment(line) && !entry_key(line).empty()) {
        emit(take_group(entry_key(line)));
      }
      out_.push_back(line);
    }
    close_section();
    return std::move(out_);
  }

 private:
  void collect(const Lines& lines) {
    std::optional<std::string> section;
    Lines pending;
    for (const auto& line : lines) {
      if (formats::is_section_header(line)) {
        if (!section) std::swap(top_, pending);
        section = section_name(line);
        attach(*section, kSectionHeader, pending);
      } else if (is_author_comment(line)) {
        pending.push_back(line);
      } else if (text::trim(line).empty()) {
        // A blank line parts comments from the header that follows.
        if (section) attach(*section, kSectionEnd, pending);
      } else if (section) {
        attach(*section, entry_key(line), pending);
      }
    }
    if (section) attach(*section, kSectionEnd, pending);
  }

  void attach(const std::string& section, std::string_view key, Lines& comments) {
    if (!comments.empty()) groups_[section].push_back(Group{std::string(key), std::move(comments)});
    comments.clear();
  }

  Lines take_group(std::string_view key) {
    for (auto& group : groups_[section_]) {
      if (group.key == key && !group.comments.empty()) return std::exchange(group.comments, {});
    }
    return {};
  }

  // The section's remaining comments go before the separator that ends it.
  void close_section() {
    Lines rest;
    for (auto& group : groups_[section_]) {
      if (group.key == kSectionHeader) continue;
      rest.insert(rest.end(), group.comments.begin(), group.comments.end());
      group.comments.clear();
    }
    const bool separator = !out_.empty() && text::trim(out_.back()) == ";";
    if (separator) out_.pop_back();
    emit(rest);
    if (separator) out_.push_back(";");
  }

  void emit(const Lines& comments) {
    for (const auto& comment : comments) {
      auto& count = present_[std::string(text::trim(comment))];
      if (count > 0) {
        --count;  // the new text holds it already
      } else {
        out_.push_back(comment);
      }
    }
  }

  Lines top_;
  std::map<std::string, std::vector<Group>> groups_;  // by section name
  std::map<std::string, int> present_;
  std::string section_;
  Lines out_;
};

// The first [OPTIONS] line with this key, as written.
std::optional<std::string> option_line(const formats::HpjText& hpj, std::string_view key) {
  for (const auto& line : hpj.section("OPTIONS")) {
    auto eq = line.find('=');
    if (eq != std::string::npos && !formats::is_comment_line(line) &&
        text::iequals(text::trim(std::string_view(line).substr(0, eq)), key)) {
      return std::string(text::trim(line));
    }
  }
  return std::nullopt;
}

}  // namespace

std::string keep_comment_lines(std::string_view new_text, const formats::HpjText& previous) {
  const Lines lines = split_text(new_text);
  return formats::join_lines(CommentPlacer(previous, lines).place(lines));
}

std::string keep_named_paths(std::string_view new_text, const formats::HpjText& previous,
                             std::string_view project_folder) {
  Lines lines = split_text(new_text);
  bool in_options = false;
  for (auto& line : lines) {
    if (formats::is_section_header(line)) in_options = formats::opens_section(line, "OPTIONS");
    auto eq = line.find('=');
    if (!in_options || eq == std::string::npos) continue;
    const std::string key(text::trim(std::string_view(line).substr(0, eq)));
    const std::string value(text::trim(std::string_view(line).substr(eq + 1)));
    const std::string old_value = previous.value("OPTIONS", key);
    bool same = false;
    if (text::iequals(key, "ROOT")) same = formats::same_folder_list(project_folder, value, old_value);
    if (text::iequals(key, "ERRORLOG")) same = formats::same_project_entry(project_folder, value, old_value);
    if (auto old_line = option_line(previous, key); same && old_line) line = *old_line;
  }
  return formats::join_lines(lines);
}

}  // namespace project
