// Changes to an RTF text by position, collected while the text is read and
// applied at once: the marker pass replaces, inserts and deletes whole tokens,
// so every group keeps its braces.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "rtf/reader.h"

namespace html {

struct RtfEdit {
  std::size_t offset = 0;
  std::size_t length = 0;  // 0: an insertion
  std::string text;
  bool word = false;  // a deleted control word (may need a blank left behind)
};

class RtfEdits {
 public:
  // Each returns the edit's number, for later changes to its text.
  std::size_t insert(std::size_t at, std::string text);
  std::size_t replace(std::size_t at, std::size_t length, std::string text);
  // Deletes a token; when a control word before it would run into the text
  // after it, a blank stays as that word's delimiter.
  std::size_t remove(std::size_t at, std::size_t length);
  std::size_t remove(const rtf::WordSpan& word) { return remove(word.offset, word.length); }

  std::string& text_of(std::size_t edit) { return edits_[edit].text; }
  bool empty() const { return edits_.empty(); }

  // The text with the edits applied, in order of position (insertions at a
  // position before a replacement there, each in the order made). An edit
  // that overlaps one already applied is skipped.
  std::string apply(std::string_view rtf) const;

 private:
  std::vector<RtfEdit> edits_;
};

}  // namespace html
