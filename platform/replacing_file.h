// A file rewritten from a stream, for output too large to hold whole: the
// new content goes to a temporary file beside the old one and replaces it
// only when commit() succeeds, as write_file does. Abandoned (or destroyed
// before commit), it removes its temporary and leaves the old file as it was.
#pragma once
#include <memory>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace platform {

class ReplacingFile {
 public:
  // Bytes gathered before they are written through.
  static constexpr std::size_t kBufferBytes = 256 * 1024;

  ReplacingFile();
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  // Starts the new content of path (abandoning one already started); false
  // when its temporary cannot be made.
  bool open(std::string_view path, Durability durability = Durability::flushed);
  bool is_open() const { return state_ != nullptr; }
  // Adds bytes; false once a write has failed.
  bool write(std::string_view bytes);
  // Puts the new content in place of the old file; false (and the old file
  // untouched) when any write failed or the rename did.
  bool commit();
  void abandon();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace platform
