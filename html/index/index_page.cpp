#include "html/index/index_page.h"

#include <array>

#include "html/text/html_text.h"
#include "html/text/markup.h"
#include "platform/text.h"

namespace html {

namespace {

constexpr int kLetters = 26;
constexpr int kNoGroup = -1;

// 0 for entries before "a" (bytes of 128 and above included, as signed
// characters), 1-26 for the letters; characters from 123 to 127 belong to
// no group and are not listed.
int group_of(const IndexEntry& entry) {
  signed char c = static_cast<signed char>(entry.keyword.empty() ? ' ' : entry.keyword[0]);
  if (c >= 'A' && c <= 'Z') c = static_cast<signed char>(c - 'A' + 'a');
  if (c < 'a') return 0;
  if (c <= 'z') return c - 'a' + 1;
  return kNoGroup;
}

// Writes entries in order: a new keyword as a link of its own, a repeated
// one as a numbered link on the line of the first.
class EntryWriter {
 public:
  EntryWriter(std::string& out, const std::string& frame) : out_(out), frame_(frame) {}

  void write(const IndexEntry& e) {
    std::string_view first = e.first_level();
    bool same_first = started_ && text::iequals(first, previous_first_);
    if (!e.has_second_level()) {
      link(e.target, first, same_first, "<DT>");
      previous_second_.clear();
    } else {
      if (!same_first) out_ += "<DT>" + escape_html(first) + std::string(kCrLf);
      std::string_view second = text::trim_left(e.second_level());
      link(e.target, second, same_first && text::iequals(second, previous_second_), "<DD>");
      previous_second_ = std::string(second);
    }
    previous_first_ = std::string(first);
    started_ = true;
  }

 private:
  void link(const std::string& target, std::string_view shown, bool repeat, const char* lead) {
    if (repeat) {
      out_ +=
          text::format(", <a href=\"%s\"%s>(%d)</a>", target.c_str(), frame_.c_str(), number_++);
    } else {
      out_ += text::format("%s<a href=\"%s\"%s>%s</a>", lead, target.c_str(), frame_.c_str(),
                           escape_html(shown).c_str());
      number_ = 2;
    }
    out_ += kCrLf;
  }

  std::string& out_;
  const std::string& frame_;
  std::string previous_first_;
  std::string previous_second_;
  bool started_ = false;
  int number_ = 2;
};

// Which letter groups (1-26) have entries.
std::array<bool, kLetters + 1> used_groups(const std::vector<IndexEntry>& sorted) {
  std::array<bool, kLetters + 1> used{};
  for (const IndexEntry& e : sorted) {
    int group = group_of(e);
    if (group >= 0) used[static_cast<std::size_t>(group)] = true;
  }
  return used;
}

std::string page_head(const AzIndexOptions& options, const std::array<bool, kLetters + 1>& used) {
  std::string out = "<HTML>\r\n<head>\r\n<TITLE>" + options.title + "</TITLE>\r\n";
  if (!options.charset.empty()) out += charset_meta(options.charset) + "\r\n";
  out += "</HEAD>\r\n<BODY>\r\n";
  if (options.show_title) out += "<P><H1>" + options.title + "</H1>\r\n";
  if (options.letter_bar) {
    out += "<B><CENTER>\r\n";
    for (char c = 'A'; c <= 'Z'; ++c) {
      // A letter without entries has no heading to jump to.
      if (options.used_letters_only && !used[static_cast<std::size_t>(c - 'A' + 1)]) {
        out += text::format("<SPAN CLASS=\"tw-empty\">%c</SPAN>\r\n", c);
      } else {
        out += text::format("<A HREF=#%c>%c</A>\r\n", c, c);
      }
    }
    out += "</CENTER></B>\r\n";
  }
  return out;
}

}  // namespace

std::string az_index_page(const std::vector<IndexEntry>& sorted, const AzIndexOptions& options) {
  const std::array<bool, kLetters + 1> used = used_groups(sorted);
  std::string out = page_head(options, used);
  out += "<DL>\r\n";
  EntryWriter writer(out, options.frame_target);
  for (int group = 0; group <= kLetters; ++group) {
    if (group > 0 && options.used_letters_only && !used[static_cast<std::size_t>(group)]) continue;
    if (group > 0) {
      char letter = static_cast<char>('A' + group - 1);
      out += text::format("<DT><H2><A NAME=%c>- %c -</A></H2>\r\n", letter, letter);
    }
    for (const IndexEntry& e : sorted) {
      if (group_of(e) != group) continue;
      writer.write(e);
    }
  }
  out += "\r\n</BODY>\r\n</HTML>\r\n";
  return out;
}

}  // namespace html
