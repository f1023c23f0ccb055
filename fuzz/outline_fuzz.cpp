// Outline files (.out): the entries read must write and read again the
// same, and get_outline must walk any file to its end.
#include <cstdlib>
#include <string>

#include "contents/outline_delivery.h"
#include "contents/outline_entries.h"
#include "contents/outline_file.h"
#include "fuzz/fuzz_support.h"

namespace {

std::string lines_of(const std::vector<formats::CntEntry>& entries) {
  std::string out;
  for (const auto& entry : entries) out += entry.line() + "\n";
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = fuzz::as_text(data, size);
  const auto entries = contents::read_outline(bytes);
  const auto again = contents::read_outline(contents::write_outline(entries));
  if (lines_of(entries) != lines_of(again)) std::abort();

  // The same bytes as a contents file the outline is rebuilt from.
  contents::ContentsModel outline;
  contents::import_contents(outline, formats::read_cnt(bytes));
  contents::check_outline(outline);

  fuzz::put_file("guide.out", bytes);
  const std::string path = fuzz::in_root("guide.out");
  contents::OutlineReader reader;
  contents::OutlineItem item;
  size_t calls = 0;
  contents::get_outline(reader, path, true, item);
  while (contents::get_outline(reader, path, false, item) != contents::Delivery::end) {
    if (++calls > size + 1) std::abort();  // every call moves past at least one line end
  }
  return 0;
}
