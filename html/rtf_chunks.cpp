#include "html/rtf_chunks.h"

namespace html {

namespace {

// The first paragraph end at or after from: "\par" ended by a blank or by a
// line break, as writers that end each paragraph on its own line leave it.
std::size_t find_paragraph_end(std::string_view chunk, std::size_t from) {
  for (std::size_t at = chunk.find("\\par", from); at != std::string_view::npos;
       at = chunk.find("\\par", at + 1)) {
    std::size_t after = at + 4;
    if (after < chunk.size() &&
        (chunk[after] == ' ' || chunk[after] == '\r' || chunk[after] == '\n'))
      return at;
  }
  return std::string_view::npos;
}

}  // namespace

std::size_t paragraph_cut(std::string_view chunk) {
  for (std::size_t distance : kParagraphCutDistances) {
    std::size_t from = chunk.size() > distance ? chunk.size() - distance : 0;
    std::size_t at = find_paragraph_end(chunk, from);
    if (at != std::string_view::npos) return at;
  }
  return std::string_view::npos;
}

bool RtfChunkReader::open(std::string_view path) {
  carry_.clear();
  done_ = false;
  return file_.open(path);
}

std::optional<std::string> RtfChunkReader::next() {
  if (done_ || !file_.is_open()) return std::nullopt;
  std::string chunk;
  chunk.reserve(kChunkBufferBytes);
  chunk.swap(carry_);
  std::size_t wanted = kChunkBytes - chunk.size();
  std::size_t had = chunk.size();
  chunk.resize(kChunkBytes);
  std::size_t got = file_.read(chunk.data() + had, wanted);
  chunk.resize(had + got);
  if (got < wanted) {
    done_ = true;
    return chunk;
  }
  std::size_t cut = paragraph_cut(chunk);
  if (cut != std::string::npos) {
    carry_.assign(chunk, cut, std::string::npos);
    chunk.resize(cut);
  }
  return chunk;
}

}  // namespace html
