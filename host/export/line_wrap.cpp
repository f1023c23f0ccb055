#include "host/export/line_wrap.h"

#include <algorithm>

#include "host/export/html_text.h"

namespace host::html_export {

namespace {

// Whether text holds only blanks and whole tags.
bool only_blanks_and_tags(std::string_view text) {
  bool in_tag = false;
  for (char c : text) {
    if (c == '<') in_tag = true;
    if (!in_tag && c != ' ') return false;
    if (c == '>') in_tag = false;
  }
  return !in_tag;
}

std::vector<Span> merged(std::string_view line, std::vector<Span> spans) {
  std::sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) { return a.begin < b.begin; });
  std::vector<Span> out;
  for (const Span& span : spans) {
    if (!out.empty() && span.begin >= out.back().end &&
        only_blanks_and_tags(line.substr(out.back().end, span.begin - out.back().end))) {
      out.back().end = std::max(out.back().end, span.end);
    } else if (!out.empty() && span.begin < out.back().end) {
      out.back().end = std::max(out.back().end, span.end);
    } else {
      out.push_back(span);
    }
  }
  return out;
}

// Positions of the blanks where a line may break.
std::vector<std::size_t> break_points(std::string_view line, const std::vector<Span>& spans) {
  std::vector<std::size_t> points;
  auto span = spans.begin();
  bool in_tag = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    while (span != spans.end() && span->end <= i) ++span;
    if (span != spans.end() && span->begin <= i) continue;  // inside a marker
    char c = line[i];
    if (c == '<') in_tag = true;
    if (c == '>') in_tag = false;
    if (c == ' ' && !in_tag) points.push_back(i);
  }
  return points;
}

}  // namespace

std::string wrap_line(std::string_view line, std::vector<Span> keep_whole, std::size_t width) {
  std::vector<Span> spans = merged(line, std::move(keep_whole));
  std::string out;
  std::size_t start = 0;
  std::size_t previous = std::string_view::npos;
  auto break_at = [&](std::size_t blank) {
    out.append(line.substr(start, blank - start));
    out.append(kLineEnd);
    start = blank + 1;
  };
  for (std::size_t point : break_points(line, spans)) {
    if (point - start > width && previous != std::string_view::npos && previous > start) break_at(previous);
    previous = point;
  }
  if (line.size() - start > width && previous != std::string_view::npos && previous > start) break_at(previous);
  out.append(line.substr(start));
  return out;
}

}  // namespace host::html_export
