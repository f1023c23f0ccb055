#include "html/analysis/topic_marks.h"

#include <string_view>

#include "html/analysis/marker_rewrite.h"

namespace html {

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);
constexpr std::string_view kHelpMarks = "#$K+A!*>@";
constexpr std::string_view kPageWord = "\\page";

}  // namespace

void TopicMarks::visible_text(std::string_view bytes, SourceSpan source, bool in_place) {
  std::size_t last = bytes.find_last_not_of(" \t");
  if (last == std::string_view::npos) return;
  if (first_topic_ && !first_text_)
    first_text_ = in_place ? source.offset + bytes.find_first_not_of(" \t") : source.offset;
  if (in_place) {
    mark_ = Mark{bytes[last], source.offset + last};
  } else {
    mark_.reset();
  }
  numbered_ = {};
}

void TopicMarks::page_break(const rtf::Token& page) {
  static_assert(kPageWord.size() == kPageMarker.size(), "the page marker is written in place");
  page_edit_ = edits_.replace(page.offset, kPageWord.size(), std::string(kPageMarker));
  first_topic_ = false;
  titled_ = false;
  mark_.reset();
}

void TopicMarks::footnote_begin(std::size_t group_open) {
  footnote_mark_ = mark_;
  footnote_numbered_ = numbered_;
  footnote_open_ = group_open;
  text_.clear();
  mark_.reset();
  numbered_ = {};
}

// The first topic gets its page marker before its first text.
bool TopicMarks::ensure_page_marker() {
  if (page_edit_) return true;
  if (!first_topic_ || !first_text_) return false;
  page_edit_ = edits_.insert(*first_text_, std::string(kPageMarker));
  return true;
}

std::string TopicMarks::anchor_marker(const std::string& context, std::size_t mark_at) {
  std::string anchor = std::string(kAnchorMarker) + context + "!";
  if (!page_edit_ && first_topic_ && first_text_ == mark_at) return std::string(kPageMarker) + anchor;
  ensure_page_marker();
  return "\r\n" + anchor;
}

void TopicMarks::give_title(const std::string& title) {
  if (titled_ || !ensure_page_marker()) return;
  edits_.text_of(*page_edit_).insert(kPageMarker.size(), "~" + title + std::string(kTitleEnd));
  titled_ = true;
}

void TopicMarks::footnote_end(std::size_t close, int code_page) {
  bool help_mark = footnote_mark_ && kHelpMarks.find(footnote_mark_->c) != std::string_view::npos;
  bool numbered = footnote_numbered_.offset != kNone;
  if (!footnote_mark_ && !numbered) return;  // nothing it belongs to: left alone
  edits_.remove(footnote_open_, close + 1 - footnote_open_);
  if (numbered) edits_.remove(footnote_numbered_);
  // An ordinary footnote goes; the text it was attached to stays.
  if (!help_mark) return;
  DocText text = trimmed(text_);
  char mark = footnote_mark_->c;
  if (!text.empty() && text.front() == static_cast<char32_t>(mark)) text = trimmed(text.substr(1));
  std::string escaped = rtf_escaped(text, code_page);
  std::string marker;
  std::size_t at = footnote_mark_->at;
  switch (mark) {
    case '#': marker = anchor_marker(escaped, at); break;
    case '$': give_title(escaped); break;
    case 'K':
      ensure_page_marker();
      marker = "\r\n" + std::string(kKeywordMarker) + escaped + std::string(kTitleEnd) + "\r\n";
      break;
    case '+':
      ensure_page_marker();
      marker = "\r\n" + std::string(kBrowseMarker) + escaped + std::string(kTitleEnd);
      break;
    default: break;
  }
  std::size_t edit = edits_.replace(at, 1, marker);
  if (!page_edit_ && marker.starts_with(kPageMarker)) page_edit_ = edit;
}

}  // namespace html
