#include "tools/helpc/topic_collector.h"

#include "platform/text.h"
#include "tools/helpc/footnotes.h"

namespace helpc {
namespace {

bool blank(std::string_view bytes) { return text::trim(bytes).empty(); }

// Appends as much of bytes as fits under the piece limit.
void append_capped(std::string& to, std::string_view bytes) {
  if (to.size() >= TopicCollector::kMaxPieceLength) return;
  to.append(bytes.substr(0, TopicCollector::kMaxPieceLength - to.size()));
}

int count_keywords(std::string_view list) { return static_cast<int>(keyword_list(list).size()); }

}  // namespace

void TopicCollector::text(std::string_view bytes, const rtf::CharFormat& format) {
  if (in_footnote_) {
    append_capped(footnote_text_, bytes);
    return;
  }
  if (format.hidden) {
    if (pending_hotspot_) {
      collecting_target_ = true;
      append_capped(target_, bytes);
    }
    return;
  }
  body_text(bytes, format);
}

void TopicCollector::unicode_char(std::uint32_t, const rtf::CharFormat& format) {
  // A character outside code page 1252 is text like any other.
  text("?", format);
}

void TopicCollector::body_text(std::string_view bytes, const rtf::CharFormat& format) {
  if (collecting_target_) finish_hotspot();
  if (is_hotspot_format(format)) {
    pending_hotspot_ = true;
    pending_kind_ = hotspot_kind_of(format);
  } else if (!blank(bytes)) {
    pending_hotspot_ = false;  // plain text between a hotspot and its target
  }
  if (!blank(bytes)) {
    has_content_ = true;
    last_body_char_ = text::trim(bytes).back();
  }
  capture_braces(bytes);
}

// Brace text arrives in pieces ("{", "bmc a.bmp", "}"): gathered until "}".
void TopicCollector::capture_braces(std::string_view bytes) {
  for (char c : bytes) {
    if (c == '{') {
      in_braces_ = true;
      brace_text_.clear();
    } else if (c == '}' && in_braces_) {
      in_braces_ = false;
      if (auto name = bitmap_reference(brace_text_)) topic_.bitmaps.push_back(*name);
      if (auto macro = button_macro(brace_text_)) topic_.button_macros.push_back(*macro);
    } else if (in_braces_) {
      if (brace_text_.size() < kMaxPieceLength) brace_text_ += c;
    }
  }
}

void TopicCollector::finish_hotspot() {
  HotspotTarget parsed = parse_hotspot_target(target_);
  HotspotKind kind = parsed.macro ? HotspotKind::macro : pending_kind_;
  if (!text::trim(target_).empty()) topic_.hotspots.push_back(Hotspot{kind, target_});
  target_.clear();
  collecting_target_ = false;
  pending_hotspot_ = false;
}

void TopicCollector::end_run() {
  if (in_footnote_) return;
  if (collecting_target_) finish_hotspot();
  pending_hotspot_ = false;
  in_braces_ = false;
}

void TopicCollector::page_break() {
  if (in_footnote_) return;
  end_topic();
  ++position_;
}

void TopicCollector::finish() {
  if (in_footnote_) footnote_end();
  end_topic();
}

void TopicCollector::end_topic() {
  end_run();
  if (has_content_) {
    topic_.number = position_;
    on_topic_(topic_);
  }
  topic_ = TopicFacts{};
  has_content_ = false;
  last_body_char_ = 0;
}

void TopicCollector::footnote_begin() {
  end_run();
  in_footnote_ = true;
  footnote_mark_ = last_body_char_;
  footnote_text_.clear();
}

void TopicCollector::footnote_end() {
  in_footnote_ = false;
  take_footnote();
  has_content_ = true;
}

void TopicCollector::take_footnote() {
  Footnote note = read_footnote(footnote_text_, footnote_mark_);
  switch (note.mark) {
    case '#': topic_.contexts.push_back(note.value); break;
    case '$': topic_.title = note.value; break;
    case 'K': topic_.keywords += count_keywords(note.value); break;
    case '>': topic_.windows.push_back(note.value); break;
    default: break;
  }
}

void TopicCollector::picture(const rtf::Picture&) {
  if (!in_footnote_) has_content_ = true;
}

}  // namespace helpc
