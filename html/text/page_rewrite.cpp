#include "html/text/page_rewrite.h"

namespace html {

PageRewrite::PageRewrite(std::string_view page) {
  platform::OpenStatus status = platform::OpenStatus::failed;
  file_ = platform::ExclusiveFile::open(page, platform::OpenMode::read_write, status);
  if (status != platform::OpenStatus::ok) file_.reset();
  if (!file_) return;
  std::optional<std::string> text = file_->read_all();
  if (!text) {
    file_.reset();
    return;
  }
  old_ = TextLines(std::move(*text));
  out_.reserve(old_.rest().size() + old_.rest().size() / 4);
}

PageRewrite::PageRewrite(std::string_view page, std::string text)
    : new_page_(page), old_(std::move(text)) {
  out_.reserve(old_.rest().size() + old_.rest().size() / 4);
}

std::optional<std::string> PageRewrite::next_line(std::size_t max_bytes) {
  if (!ok()) return std::nullopt;
  return old_.next_line(max_bytes);
}

void PageRewrite::copy_rest() {
  out_ += old_.rest();
  old_.skip_rest();
}

std::string PageRewrite::take_old() {
  std::string rest(old_.rest());
  old_.skip_rest();
  return rest;
}

bool PageRewrite::finish() {
  if (!new_page_.empty()) {
    platform::OpenStatus status = platform::OpenStatus::failed;
    auto created = platform::ExclusiveFile::open(new_page_, platform::OpenMode::write_truncate, status);
    new_page_.clear();
    return status == platform::OpenStatus::ok && created && created->write(out_);
  }
  if (!file_) return false;
  bool written = file_->replace_all(out_);
  file_.reset();
  return written;
}

}  // namespace html
