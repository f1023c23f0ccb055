// The RTF reader: every event of a document, with the positions the
// rewriters rely on checked against the input (a rewriter edits the file
// at those positions).
#include <cstdlib>

#include "fuzz/fuzz_support.h"
#include "rtf/code_page.h"
#include "rtf/reader.h"

namespace {

class Checker : public rtf::Sink {
 public:
  explicit Checker(const rtf::Reader& reader) : reader_(reader) {}
  void text(std::string_view bytes, const rtf::CharFormat&) override {
    for (char c : bytes) rtf::unicode_from_byte(static_cast<unsigned char>(c), code_page());
    check();
  }
  void unicode_char(std::uint32_t code_point, const rtf::CharFormat&) override {
    rtf::byte_from_unicode(code_point, code_page());
  }
  void other_word(const rtf::Token& word, const rtf::CharFormat&) override { inside(word.offset, word.length); }
  void paragraph_end(const rtf::ParaFormat&) override { reader_.paragraph(); check(); }
  void cell_end(const rtf::ParaFormat&) override { check(); }
  void row_end(const rtf::RowFormat&) override { check(); }
  void footnote_begin() override { check(); }
  void picture(const rtf::Picture& picture) override {
    const std::string_view input = reader_.input();
    if (picture.source.data() < input.data() ||
        picture.source.data() + picture.source.size() > input.data() + input.size())
      std::abort();
  }

 private:
  int code_page() const { return reader_.header().code_page; }
  void inside(std::size_t offset, std::size_t length) const {
    if (offset == static_cast<std::size_t>(-1)) return;
    if (offset > reader_.input().size() || length > reader_.input().size() - offset) std::abort();
  }
  void check() const {
    const rtf::FormatOrigin origin = reader_.origin();
    inside(origin.group_open, 1);
    inside(origin.underline.offset, origin.underline.length);
    inside(origin.hidden.offset, origin.hidden.length);
  }
  const rtf::Reader& reader_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  rtf::Reader reader(fuzz::as_text(data, size));
  Checker checker(reader);
  reader.run(checker);
  for (const rtf::Problem& problem : reader.problems())
    if (problem.offset > size) std::abort();
  return 0;
}
