// The marker writer: an RTF topic file rewritten into its marker file
// (".~tw") for the conversion.
#include "fuzz/fuzz_support.h"
#include "html/analysis/marker_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::root();
  fuzz::fresh_host();
  fuzz::put_file("proj/topic.rtf", fuzz::as_text(data, size));
  html::write_marker_file(fuzz::in_root("proj/topic.rtf"), fuzz::in_root("proj/topic.~tw"), nullptr,
                          size % 2 ? 1252 : 1251);
  return 0;
}
