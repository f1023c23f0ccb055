#include "html/analysis/hotspot_marks.h"

#include <algorithm>

#include "html/analysis/marker_rewrite.h"

namespace html {

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// The word that set a hotspot's underline (or its target's hidden text) can
// go when it is no longer in force once the hotspot is over (its group has
// closed, or another word followed): then it reached no text but the hotspot's.
bool removable(const rtf::WordSpan& word, const rtf::WordSpan& in_force_now) {
  return word.offset != kNone && !(word == in_force_now);
}

}  // namespace

void HotspotMarks::add_piece(std::vector<Piece>& pieces, SourceSpan source,
                             const rtf::FormatOrigin& origin) {
  // Several characters of one token (a converted byte, a split run) make one piece.
  if (!pieces.empty() && source.offset < pieces.back().source.end()) {
    SourceSpan& last = pieces.back().source;
    last.length = std::max(last.end(), source.end()) - last.offset;
    return;
  }
  pieces.push_back({source, origin});
}

void HotspotMarks::hotspot_text(SourceSpan source, const rtf::FormatOrigin& origin) {
  add_piece(runs_, source, origin);
}

void HotspotMarks::hidden_text(SourceSpan source, const DocText& text,
                               const rtf::FormatOrigin& origin) {
  if (runs_.empty()) return;
  add_piece(hidden_, source, origin);
  target_ += text;
}

void HotspotMarks::end(const rtf::FormatOrigin& now, int code_page) {
  DocText context = trimmed(target_);
  context = context.substr(0, context.find(U'>'));
  if (!runs_.empty() && !context.empty()) {
    mark_text(now);
    mark_target(now, context, code_page);
    ++marked_;
  }
  runs_.clear();
  hidden_.clear();
  target_.clear();
}

// True the first time a word is taken out (hotspots may share one).
bool HotspotMarks::take_word(const rtf::WordSpan& word) {
  if (std::find(removed_words_.begin(), removed_words_.end(), word.offset) != removed_words_.end())
    return false;
  removed_words_.push_back(word.offset);
  return true;
}

// The hotspot text loses its underline; "!!x" goes before its first byte,
// in place of the underline word when that word directly precedes it.
void HotspotMarks::mark_text(const rtf::FormatOrigin& now) {
  std::string lead(kHotspotMarker);
  for (const Piece& piece : runs_) {
    const rtf::WordSpan& word = piece.origin.underline;
    if (removable(word, now.underline)) {
      bool adjacent = word.offset + word.length == piece.source.offset && word.length > 1 &&
                      rtf_[piece.source.offset - 1] == ' ';
      if (take_word(word)) {
        if (!lead.empty() && adjacent) {
          edits_.replace(word.offset, word.length - 1, lead);
          lead.clear();
        } else {
          edits_.remove(word);
        }
      }
      if (!lead.empty()) edits_.insert(piece.source.offset, lead);
    } else if (word.offset != kNone) {
      // The underline stays in force after the hotspot: only this text loses it.
      edits_.insert(piece.source.offset, "{\\ulnone " + lead);
      edits_.insert(piece.source.end(), "}");
    } else if (!lead.empty()) {
      edits_.insert(piece.source.offset, lead);
    }
    lead.clear();
  }
}

// The first hidden piece becomes the visible "^#" context "#!#"; the rest of
// the hidden text goes.
void HotspotMarks::mark_target(const rtf::FormatOrigin& now, const DocText& context,
                               int code_page) {
  std::string marker = std::string(kHotspotTarget) + rtf_escaped(context, code_page) +
                       std::string(kHotspotEnd);
  const Piece& first = hidden_.front();
  const rtf::WordSpan& word = first.origin.hidden;
  if (removable(word, now.hidden)) {
    if (take_word(word)) edits_.remove(word);
    edits_.replace(first.source.offset, first.source.length, marker);
  } else {
    edits_.replace(first.source.offset, first.source.length, "{\\v0 " + marker + "}");
  }
  for (std::size_t i = 1; i < hidden_.size(); ++i)
    edits_.remove(hidden_[i].source.offset, hidden_[i].source.length);
}

}  // namespace html
