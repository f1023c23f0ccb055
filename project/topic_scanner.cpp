#include "project/topic_scanner.h"

#include <algorithm>

#include "platform/text.h"
#include "project/footnote_marks.h"
#include "project/topic_file_lines.h"

namespace project {
namespace {

constexpr size_t npos = std::string_view::npos;
// Scanned text kept in front of the first unscanned byte: the footnote
// character may stand on the line before its footnote group.
constexpr size_t kLookBack = 32;

// Lines with neither '\' nor '}' hold plain text or picture data (runs of
// hexadecimal digits); no marker starts or ends in them.
bool worth_gathering(std::string_view piece) {
  return piece.find('\\') != npos || piece.find('}') != npos;
}

// The topic a target names: the context string before any window or file.
int target_topic(const TopicTable& table, std::string_view target) {
  std::string_view name = target.substr(0, target.find_first_of(">@"));
  return table.find(text::trim(name));
}

}  // namespace

bool ScannedTopic::empty() const {
  return build_tags.empty() && context.empty() && title.empty() && keywords.empty() && browse.empty() &&
         entry_macro.empty() && hotspots.empty();
}

TopicScanner::TopicScanner(const TopicTable& table, ScanSink& sink) : table_(table), sink_(sink) {
  buffer_.reserve(kGatherCapacity);
}

void TopicScanner::add_line(std::string_view piece, bool line_end) {
  if (stopped_) return;
  if (!worth_gathering(piece)) {
    // The line's break still ends a control word gathered before it.
    if (line_end && broken_line_) gather("", true);
    return;
  }
  gather(piece, line_end);
  // An open marker is looked at again only once as much text again has come,
  // so waiting costs linear time.
  if (buffer_.size() - start_ >= 2 * waiting_) examine(false);
}

void TopicScanner::finish() {
  if (stopped_) return;
  examine(true);
  if (!stopped_ && !topic_.empty()) end_topic();
}

void TopicScanner::gather(std::string_view piece, bool line_end) {
  size_t incoming = piece.size() + (line_end ? 1 : 0);
  if (buffer_.size() + incoming > kGatherHighWater) drop_oldest(kGatherDrop);
  buffer_.append(piece);
  if (line_end) buffer_.push_back('\n');
  broken_line_ = !line_end;
}

void TopicScanner::drop_oldest(size_t bytes) {
  bytes = std::min(bytes, buffer_.size());
  buffer_.erase(0, bytes);
  if (start_ > bytes) {
    start_ -= bytes;
  } else {
    start_ = 0;
    waiting_ = 0;  // the open marker went with the dropped text
  }
}

void TopicScanner::examine(bool force) {
  std::string_view text = buffer_;
  size_t pos = start_;
  size_t open_at = npos;
  while (pos < text.size() && !stopped_) {
    size_t at = text.find('\\', pos);
    if (at == npos) {
      pos = text.size();
      break;
    }
    pos = read_marker(text, at, force, open_at);
    if (pos == npos) break;
  }
  if (open_at != npos) {
    start_ = open_at;
    waiting_ = buffer_.size() - open_at;
  } else {
    start_ = std::min(pos, buffer_.size());
    waiting_ = 0;
  }
  if (start_ > kLookBack) {
    buffer_.erase(0, start_ - kLookBack);
    start_ = kLookBack;
  }
}

size_t TopicScanner::read_marker(std::string_view text, size_t at, bool force, size_t& open_at) {
  auto word = rtf_marks::control_word_at(text, at);
  if (!word) {
    size_t n = rtf_marks::control_symbol_length(text, at);
    if (n > 0) return at + n;
    if (force) return text.size();
    open_at = at;
    return npos;
  }
  if (!word->complete && !force) {
    open_at = at;
    return npos;
  }
  if (word->name == "page") {
    end_topic();
    return word->end;
  }
  if (word->name == "footnote" && at > 0 && text[at - 1] == '{') {
    return read_footnote_at(text, at - 1, force, open_at);
  }
  bool double_underline = false;
  if (starts_hotspot(*word, double_underline)) return read_hotspot_at(text, at, force, open_at);
  if (word->name == "bin" && word->param > 0) {
    return std::min(text.size(), word->end + static_cast<size_t>(word->param));
  }
  return word->end;
}

size_t TopicScanner::read_footnote_at(std::string_view text, size_t open, bool force, size_t& open_at) {
  const bool must_end = force || text.size() - open > kOpenMarkerMax;
  const char kind = footnote_kind(text, open);
  if (kind == 0 || kScannedFootnotes.find(kind) == npos) {
    // Other footnotes (A keywords, window, ...) are passed over whole, so
    // that nothing in them is taken for the topic's text.
    size_t end = rtf_marks::group_end(text, open);
    if (end != npos) return end + 1;
    if (must_end) return open + 2;
    open_at = open;
    return npos;
  }
  FootnoteRead read = read_footnote(text, open, kind, must_end);
  if (read.found == rtf_marks::Found::open) {
    open_at = open;
    return npos;
  }
  if (read.found == rtf_marks::Found::nothing) return open + 2;
  store_footnote(kind, std::move(read.text));
  return read.resume;
}

size_t TopicScanner::read_hotspot_at(std::string_view text, size_t at, bool force, size_t& open_at) {
  const bool must_end = force || text.size() - at > kOpenMarkerMax;
  HotspotRead read = read_hotspot(text, at, must_end);
  if (read.found == rtf_marks::Found::open) {
    open_at = at;
    return npos;
  }
  if (read.found == rtf_marks::Found::nothing) return rtf_marks::control_word_at(text, at)->end;
  if (topic_.hotspots.size() < kScannedHotspotsMax) {
    ScannedHotspot hotspot;
    hotspot.kind = read.kind;
    hotspot.target = read.target.substr(0, kScannedTextMax);
    hotspot.topic = target_topic(table_, hotspot.target);
    topic_.hotspots.push_back(std::move(hotspot));
    sink_.on_hotspot(topic_.hotspots.back(), topic_);
  }
  return read.resume;
}

void TopicScanner::store_footnote(char kind, std::string text) {
  if (text.size() > kScannedTextMax) text.resize(kScannedTextMax);
  switch (kind) {
    case '*': topic_.build_tags = text; break;
    case '#':
      topic_.context = text;
      topic_.number = table_.find(text);
      break;
    case '$': topic_.title = text; break;
    case 'K':
      if (!topic_.keywords.empty() && topic_.keywords.size() + text.size() < kScannedTextMax) {
        topic_.keywords += ";" + text;
      } else if (topic_.keywords.empty()) {
        topic_.keywords = text;
      }
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

ScanResult ScanTopicFile(std::string_view path, const TopicTable& table, ScanSink& sink) {
  TopicFileLines lines;
  if (!lines.open(path)) return ScanResult::not_opened;
  TopicScanner scanner(table, sink);
  std::string piece;
  bool line_end = false;
  while (!scanner.stopped() && lines.next(piece, line_end)) scanner.add_line(piece, line_end);
  scanner.finish();
  return scanner.stopped() ? ScanResult::stopped : ScanResult::done;
}

}  // namespace project
