// Hotspots into markers: "{\uldb text}{\v context>window}" (or "\ul" for a
// popup) becomes "{!!x text}{^#context#!#}". Only "\uldb"/"\ul" and the
// hidden text's control word and context go; every brace between stays, so
// the groups still balance.
#include <optional>

#include "html/marker_rewrite.h"
#include "html/rtf_text.h"
#include "platform/text.h"

namespace html {

namespace {

struct Hotspot {
  std::size_t start = 0;       // first byte replaced: "\uldb", or the "\{bm" reference
  std::size_t text_start = 0;  // the hotspot text: from the blank after the control words
  std::size_t hidden = 0;      // the "\v" of the hidden group
  std::size_t hidden_end = 0;  // the "}" that closes the hidden group (kept)
  std::string context;
};

bool is_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The underline word at p: "\ul" or "\uldb" standing alone, without parameter.
bool underline_at(std::string_view chunk, std::size_t p) {
  if (chunk.compare(p, 3, "\\ul") != 0 || is_escaped(chunk, p)) return false;
  std::size_t end = control_word_end(chunk, p);
  std::string_view word = chunk.substr(p, end - p);
  return word == "\\ul" || word == "\\uldb";
}

// True when another hotspot starts between from and to: hidden text belongs
// to the nearest hotspot before it.
bool underline_between(std::string_view chunk, std::size_t from, std::size_t to) {
  for (std::size_t p = chunk.find("\\ul", from); p != kNotFound && p < to;
       p = chunk.find("\\ul", p + 1))
    if (underline_at(chunk, p)) return true;
  return false;
}

// The blank that starts the hotspot text: the delimiter of the underline word
// or of the control words that directly follow it.
std::size_t text_blank(std::string_view chunk, std::size_t p) {
  std::size_t end = control_word_end(chunk, p);
  while (end < chunk.size() && chunk[end] == '\\' && end + 1 < chunk.size() &&
         is_letter(chunk[end + 1]))
    end = control_word_end(chunk, end);
  return end < chunk.size() && chunk[end] == ' ' ? end : kNotFound;
}

// The "\v" that starts hidden text (not "\v0", which ends it).
std::size_t find_hidden(std::string_view chunk, std::size_t from) {
  for (std::size_t p = find_control_word(chunk, "\\v", from); p != kNotFound;
       p = find_control_word(chunk, "\\v", p + 2)) {
    if (control_word_end(chunk, p) == p + 2) return p;
  }
  return kNotFound;
}

// Where the marker starts for an INCLUDEPICTURE hotspot: its bitmap reference.
std::size_t picture_start(std::string_view chunk, std::size_t blank, std::size_t close) {
  std::size_t bm = chunk.find("\\{bm", blank);
  return bm < close ? bm : kNotFound;
}

std::optional<Hotspot> parse_hotspot(std::string_view chunk, std::size_t p) {
  Hotspot h;
  h.start = p;
  std::size_t blank = text_blank(chunk, p);
  if (blank == kNotFound) return std::nullopt;
  std::string_view after = chunk.substr(blank + 1);
  if (text::istarts_with(after, "macrobutton")) return std::nullopt;
  std::size_t close = find_unescaped(chunk, '}', blank);
  if (close == kNotFound) return std::nullopt;
  h.text_start = blank;
  if (text::istarts_with(after, "includepic")) {
    std::size_t bm = picture_start(chunk, blank, close);
    if (bm != kNotFound) h.start = h.text_start = bm;
  }
  h.hidden = find_hidden(chunk, close + 2);
  if (h.hidden == kNotFound || h.hidden - p >= kHiddenGroupReach ||
      underline_between(chunk, close, h.hidden))
    return std::nullopt;
  h.hidden_end = find_unescaped(chunk, '}', h.hidden);
  if (h.hidden_end == kNotFound) return std::nullopt;
  // What the marker drops must hold no group brace, or the groups would no
  // longer balance.
  if (has_unescaped_brace(chunk.substr(h.start, h.text_start - h.start)) ||
      has_unescaped_brace(chunk.substr(h.hidden, h.hidden_end - h.hidden)) ||
      h.hidden - h.text_start > kHotspotTextBytes)
    return std::nullopt;
  h.context = extract_rtf_text(chunk, h.hidden, h.hidden_end);
  h.context = h.context.substr(0, h.context.find('>'));
  return h;
}

std::size_t replace_hotspot(std::string& chunk, const Hotspot& h) {
  std::string marker = std::string(kHotspotMarker) +
                       chunk.substr(h.text_start, h.hidden - h.text_start) +
                       std::string(kHotspotTarget) + h.context + std::string(kHotspotEnd);
  chunk.replace(h.start, h.hidden_end - h.start, marker);
  return h.start + marker.size();
}

}  // namespace

void mark_hotspots(std::string& chunk) {
  std::size_t from = 0;
  for (std::size_t p = chunk.find("\\ul", from); p != kNotFound; p = chunk.find("\\ul", from)) {
    from = p + 1;
    if (!underline_at(chunk, p)) continue;
    if (std::optional<Hotspot> h = parse_hotspot(chunk, p)) from = replace_hotspot(chunk, *h);
  }
}

}  // namespace html
