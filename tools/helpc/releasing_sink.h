// Reading a mapped topic file through a sink that gives back what lies well
// behind the reader, so that the compiler's memory does not grow with the
// largest topic file.
#pragma once
#include <cstddef>
#include <string_view>

#include "platform/mapped_file.h"
#include "rtf/reader.h"

namespace helpc {

// How far behind the reader's position the file stays in memory: sinks look
// back at recent tokens (a hotspot's text, a footnote's start); anything
// they look at later is read again from the file.
inline constexpr std::size_t kTopicFileKeptBehind = std::size_t{4} << 20;

// Hands everything to the inner sink; on the way, gives back the file's
// pages more than kept_behind bytes behind the reader.
class ReleasingSink : public rtf::Sink {
 public:
  ReleasingSink(rtf::Sink& inner, const rtf::Reader& reader, platform::MappedFile& file,
                std::size_t kept_behind = kTopicFileKeptBehind)
      : inner_(inner), reader_(reader), file_(file), kept_behind_(kept_behind) {}

  void text(std::string_view bytes, const rtf::CharFormat& format) override;
  void unicode_char(std::uint32_t code_point, const rtf::CharFormat& format) override;
  void other_word(const rtf::Token& word, const rtf::CharFormat& format) override;
  void line_break(const rtf::CharFormat& format) override;
  void paragraph_end(const rtf::ParaFormat& para) override;
  void cell_end(const rtf::ParaFormat& para) override;
  void row_end(const rtf::RowFormat& row) override;
  void page_break() override;
  void footnote_begin() override;
  void footnote_end() override;
  void picture(const rtf::Picture& picture) override;

 private:
  void release();

  rtf::Sink& inner_;
  const rtf::Reader& reader_;
  platform::MappedFile& file_;
  std::size_t kept_behind_;
};

}  // namespace helpc
