#include "host/export/marker_tracker.h"

namespace host::html_export {

struct MarkerTracker::Kind {
  std::string_view opener;
  std::string_view closer;  // empty: the opener is the whole marker
  bool raw;                 // the marker's content is data, written unescaped
};

namespace {

constexpr std::size_t kWindowSize = 8;

constexpr MarkerTracker::Kind kPage{"~~~pg", "", false};
constexpr MarkerTracker::Kind kTitle{"~", "!~", false};
constexpr MarkerTracker::Kind kKinds[] = {
    kPage,
    {"!!b", "!", false},
    {"!tzbrs", "!~", true},
    {"!tzky", "!~", true},
    {"!!x", "#!#", false},
    {"!!lfct", "!!", false},
    {"!!lfcp", "!pe!", false},
    {"{bm", "}", false},
    {"{button", "}", false},
    {"{ew", "}", false},
};

}  // namespace

bool MarkerTracker::raw() const { return open_ != nullptr && open_->raw; }

bool MarkerTracker::window_ends_with(std::string_view text) const {
  if (text.size() > window_.size()) return false;
  std::size_t start = window_.size() - text.size();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (window_[start + i].c != text[i]) return false;
  }
  return true;
}

void MarkerTracker::byte(char c, std::size_t begin, std::size_t end) {
  if (window_.size() == kWindowSize) window_.erase(window_.begin());
  window_.push_back({c, begin});
  if (title_may_follow_) {
    title_may_follow_ = false;
    if (c == '~') {
      open_ = &kTitle;  // "~~~pg~" title "!~": the title belongs to the page marker
      marker_bytes_ = 0;
      return;
    }
    close(window_.size() >= 2 ? window_[window_.size() - 2].begin + 1 : begin);
  }
  if (open_ == nullptr) {
    look_for_opener(end);
    return;
  }
  ++marker_bytes_;
  if (marker_bytes_ >= open_->closer.size() && window_ends_with(open_->closer)) {
    close(end);
  } else if (marker_bytes_ > kMaxMarkerText) {
    open_ = nullptr;  // no marker after all: plain text, free to wrap
    earliest_opener_ = end;
  }
}

void MarkerTracker::look_for_opener(std::size_t end) {
  // Called for every byte of text: the byte just seen rules out most openers.
  const char last = window_.back().c;
  for (const Kind& kind : kKinds) {
    if (kind.opener.back() != last || !window_ends_with(kind.opener)) continue;
    std::size_t first = window_[window_.size() - kind.opener.size()].begin;
    if (first < earliest_opener_) continue;
    span_begin_ = first;
    marker_bytes_ = 0;
    open_ = &kind;
    if (kind.closer.empty()) title_may_follow_ = true;
    return;
  }
}

void MarkerTracker::close(std::size_t end) {
  if (end > span_begin_) spans_.push_back({span_begin_, end});
  open_ = nullptr;
  earliest_opener_ = end;
}

std::vector<Span> MarkerTracker::finish(std::size_t html_end) {
  if (open_ != nullptr || title_may_follow_) close(html_end);
  std::vector<Span> spans = std::move(spans_);
  *this = MarkerTracker{};
  return spans;
}

}  // namespace host::html_export
