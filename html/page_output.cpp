#include "html/page_output.h"

namespace html {

namespace {

// Output is written through once this much is gathered.
constexpr std::size_t kFlushBytes = 64000;

}  // namespace

PageOutput::PageOutput(std::string_view path) {
  platform::OpenStatus status = platform::OpenStatus::failed;
  file_ = platform::ExclusiveFile::open(path, platform::OpenMode::write_truncate, status);
  if (status != platform::OpenStatus::ok) file_.reset();
}

PageOutput::~PageOutput() { close(); }

void PageOutput::write(std::string_view text) {
  if (file_ == nullptr) return;
  buffer_.append(text);
  if (buffer_.size() >= kFlushBytes) flush();
}

void PageOutput::flush() {
  if (file_ == nullptr || buffer_.empty()) return;
  if (!file_->write(buffer_)) failed_ = true;
  buffer_.clear();
}

bool PageOutput::close() {
  if (file_ == nullptr) return false;
  flush();
  file_.reset();
  return !failed_;
}

}  // namespace html
