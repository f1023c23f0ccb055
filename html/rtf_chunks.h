// Reads an RTF topic file in chunks cut at paragraph boundaries, so that the
// marker rewrite never holds a whole file and a footnote or hotspot group is
// not split between two chunks.
#pragma once
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace html {

// The rewrite buffer, and the most a chunk holds before it is rewritten.
inline constexpr std::size_t kChunkBufferBytes = 64500;
inline constexpr std::size_t kChunkBytes = 60000;
// Distances before the end of a chunk from which a "\par " is looked for, in
// the order they are tried.
inline constexpr std::array<std::size_t, 9> kParagraphCutDistances = {
    1000, 1500, 2000, 5000, 7000, 15000, 30000, 40000, 50000};

// Where a full chunk is cut: the first "\par " (or "\par" at a line end) at
// or after one of the distances before its end, tried in order; npos when
// there is none.
std::size_t paragraph_cut(std::string_view chunk);

class RtfChunkReader {
 public:
  // False when the file cannot be opened for reading.
  bool open(std::string_view path);
  // The next chunk: the text carried over from the last one, then as much of
  // the file as fits in kChunkBytes; the part from the cut on is carried to
  // the next chunk. nullopt after the last chunk.
  std::optional<std::string> next();
  // True when reading the file failed part way.
  bool failed() const { return file_.failed(); }

 private:
  platform::FileReader file_;
  std::string carry_;
  bool done_ = false;
};

}  // namespace html
