#include "project/report/report_output.h"

namespace project {
namespace {

constexpr size_t kBufferBytes = 64000;

}  // namespace

std::unique_ptr<ReportOutput> ReportOutput::create(std::string_view path, platform::OpenStatus& status) {
  auto file = platform::ExclusiveFile::open(path, platform::OpenMode::write_truncate, status);
  if (!file) return nullptr;
  return std::unique_ptr<ReportOutput>(new ReportOutput(std::move(file)));
}

ReportOutput::~ReportOutput() { flush(); }

void ReportOutput::write(std::string_view text) {
  for (char c : text) {
    if (c == '\n') {
      buffer_ += "\r\n";
      offset_ += 2;
    } else {
      buffer_ += c;
      ++offset_;
    }
  }
  if (buffer_.size() >= kBufferBytes) flush();
}

bool ReportOutput::flush() {
  if (!buffer_.empty() && !failed_) failed_ = !file_->write(buffer_);
  buffer_.clear();
  return !failed_;
}

}  // namespace project
