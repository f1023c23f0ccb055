// The caller's "save as HTML": an RTF document exported to HTML.
#include "fuzz/fuzz_support.h"
#include "host/export/html_export.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  host::html_export::export_rtf_to_html(fuzz::as_text(data, size), "Fuzz");
  return 0;
}
