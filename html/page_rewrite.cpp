#include "html/page_rewrite.h"

#include "platform/files.h"
#include "platform/paths.h"

namespace html {

std::string working_copy_path(std::string_view page) {
  return platform::replace_extension(page, ".htb");
}

PageRewrite::PageRewrite(std::string_view page, LineReader& reader)
    : page_(page), htb_(working_copy_path(page)), reader_(reader) {
  if (!platform::file_exists(page_)) return;
  platform::remove_file(htb_);
  if (!platform::rename_file(page_, htb_)) return;
  renamed_ = true;
  if (!out_.open(page_) || !reader_.open(htb_)) {
    restore();
    return;
  }
  ok_ = true;
}

PageRewrite::~PageRewrite() {
  if (!done_) restore();
}

std::optional<std::string> PageRewrite::next_line(std::size_t max_bytes) {
  if (!ok_) return std::nullopt;
  return reader_.read_line(max_bytes);
}

void PageRewrite::copy_rest() {
  while (std::optional<std::string> line = next_line(LineReader::kWindowBytes)) write(*line);
}

bool PageRewrite::finish() {
  if (!ok_ || done_) return false;
  bool read = !reader_.failed();
  reader_.close();
  if (!out_.close() || !read) {
    restore();
    return false;
  }
  done_ = true;
  platform::remove_file(htb_);
  return true;
}

void PageRewrite::restore() {
  done_ = true;
  ok_ = false;
  reader_.close();
  out_.close();
  if (!renamed_ || !platform::file_exists(htb_)) return;
  platform::remove_file(page_);
  platform::rename_file(htb_, page_);
}

}  // namespace html
