// The text of a topic file as the authoring library keeps it: 8-bit bytes in
// the document's code page (its \ansicpg, 1252 when it names none). The RTF
// reader hands over escapes that name characters (\rquote, \uN, \~) as code
// page 1252 bytes, and \'xx bytes in the code page of the font's character
// set; both are brought into the document's code page here.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "rtf/reader.h"

namespace project {

// The code page a document names with \ansicpg in its header; 1252 when none.
int DocumentCodePage(std::string_view rtf);

// The code page of a font character set (\fcharsetN); 0 for the character
// sets whose bytes are taken as they stand (ANSI, default, symbol, OEM...).
int CharsetCodePage(int charset);

class TopicTextDecoder {
 public:
  // The reader must be reading rtf; both must outlive the decoder.
  TopicTextDecoder(std::string_view rtf, const rtf::Reader& reader);

  // Text the reader reported, in the document's code page. A character the
  // code page cannot hold becomes "?".
  std::string text(std::string_view bytes, const rtf::CharFormat& format) const;
  // A \uN character outside code page 1252, in the document's code page.
  std::string unicode_char(std::uint32_t code_point) const;

  int code_page() const { return code_page_; }

 private:
  bool reading_escape() const;
  char from_code_page(unsigned char byte, int source) const;

  std::string_view rtf_;
  const rtf::Reader& reader_;
  int code_page_ = 1252;
};

}  // namespace project
