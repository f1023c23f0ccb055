#include "project/topics/topic_scanner.h"

#include "platform/files.h"
#include "platform/text.h"

namespace project {
namespace {

// The topic a target names: the context string before any window or file.
int target_topic(const TopicTable& table, std::string_view target) {
  std::string_view name = target.substr(0, target.find_first_of(">@"));
  return table.find(text::trim(name));
}

}  // namespace

bool ScannedTopic::empty() const {
  return build_tags.empty() && context.empty() && title.empty() && keywords.empty() && a_keywords.empty() &&
         browse.empty() &&
         entry_macro.empty() && hotspots.empty();
}

TopicScanner::TopicScanner(const TopicTable& table, ScanSink& sink, std::string_view kinds)
    : table_(table), sink_(sink), kinds_(kinds) {}

// The reader hands text over in the document's code page, escapes and fonts
// of other character sets already converted.
void TopicScanner::text(std::string_view bytes, const rtf::CharFormat& format) {
  decoded_text(std::string(bytes), format);
}

// A character the document's code page cannot hold is kept as "?", since the
// library keeps its texts as bytes of that code page.
void TopicScanner::unicode_char(std::uint32_t, const rtf::CharFormat& format) {
  decoded_text("?", format);
}

void TopicScanner::decoded_text(const std::string& bytes, const rtf::CharFormat& format) {
  if (stopped_) return;
  if (in_footnote_) {
    if (footnote_kind_ != 0) footnote_text_ += bytes;
    return;
  }
  if (!format.hidden) mark_.body_text(bytes);
  sink_.on_body_text(bytes, format.hidden, topic_);
  add_hotspot(hotspots_.text(bytes, format));
}

// A break inside a footnote separates its words; in the topic's text it
// ends any hotspot and what a footnote character could mark.
void TopicScanner::boundary(std::string_view in_footnote) {
  if (stopped_) return;
  if (in_footnote_) {
    if (footnote_kind_ != 0) footnote_text_ += in_footnote;
    return;
  }
  mark_.clear();
  if (!in_footnote.empty()) sink_.on_body_text(in_footnote, false, topic_);
  add_hotspot(hotspots_.boundary());
}

void TopicScanner::line_break(const rtf::CharFormat&) { boundary(" "); }

void TopicScanner::page_break() {
  if (in_footnote_ || stopped_) return;
  boundary("");
  end_topic();
}

void TopicScanner::footnote_begin() {
  if (stopped_) return;
  add_hotspot(hotspots_.boundary());
  in_footnote_ = true;
  char kind = mark_.take();
  footnote_kind_ = kind != 0 && kinds_.find(kind) != std::string_view::npos ? kind : 0;
  footnote_text_.clear();
}

void TopicScanner::footnote_end() {
  if (stopped_ || !in_footnote_) return;
  in_footnote_ = false;
  if (footnote_kind_ != 0) store_footnote(footnote_kind_, FootnoteValue(footnote_kind_, footnote_text_));
  footnote_text_.clear();
}

void TopicScanner::add_hotspot(std::optional<Hotspot> hotspot) {
  if (!hotspot) return;
  ScannedHotspot scanned;
  scanned.kind = hotspot->kind;
  scanned.target = std::move(hotspot->target);
  scanned.topic = target_topic(table_, scanned.target);
  topic_.hotspots.push_back(std::move(scanned));
  sink_.on_hotspot(topic_.hotspots.back(), topic_);
}

void TopicScanner::store_footnote(char kind, std::string text) {
  switch (kind) {
    case '*': topic_.build_tags = text; break;
    case '#':
      topic_.context = text;
      topic_.number = table_.find(text);
      break;
    case '$': topic_.title = text; break;
    case 'K':
      // Several K footnotes in one topic add up to one keyword list.
      if (!topic_.keywords.empty() && !text.empty()) topic_.keywords += ";";
      topic_.keywords += text;
      break;
    case 'A':
      if (!topic_.a_keywords.empty() && !text.empty()) topic_.a_keywords += ";";
      topic_.a_keywords += text;
      break;
    case '+': topic_.browse = text; break;
    case '!': topic_.entry_macro = text; break;
    default: return;
  }
  sink_.on_footnote(kind, text, topic_);
}

void TopicScanner::end_topic() {
  if (!sink_.on_topic_end(topic_)) stopped_ = true;
  topic_ = ScannedTopic{};
}

void TopicScanner::finish() {
  if (stopped_) return;
  footnote_end();
  boundary("");
  if (!stopped_ && !topic_.empty()) end_topic();
}

ScanResult ScanTopicText(std::string_view rtf, const TopicTable& table, ScanSink& sink,
                         std::string_view kinds) {
  rtf::Reader reader(rtf);
  reader.end_footnotes_at_page(true);
  TopicScanner scanner(table, sink, kinds);
  reader.run(scanner);
  scanner.finish();
  return scanner.stopped() ? ScanResult::stopped : ScanResult::done;
}

ScanResult ScanTopicFile(std::string_view path, const TopicTable& table, ScanSink& sink,
                         std::string_view kinds) {
  std::optional<std::string> rtf = platform::read_file(path);
  if (!rtf) return ScanResult::not_opened;
  return ScanTopicText(*rtf, table, sink, kinds);
}

}  // namespace project
