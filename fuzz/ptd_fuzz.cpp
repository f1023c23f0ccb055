// The assistant's data file (.ptd) and the include files it scans for topic
// IDs: whatever reads must write back to a file that reads to the same
// entries, and the header and RTF outputs are built from it without fault.
#include <cstdlib>
#include <string>

#include "assistant/data_file.h"
#include "assistant/include_scan.h"
#include "assistant/model.h"
#include "assistant/outputs.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = fuzz::as_text(data, size);
  assistant::Model model;
  assistant::read_data_text(bytes, model);

  const std::string once = assistant::data_file_text(model);
  assistant::Model again;
  assistant::read_data_text(once, again);
  fuzz::check(again.count() == model.count());
  fuzz::check(again.mode == model.mode);
  fuzz::check(assistant::data_file_text(again) == once);

  assistant::header_text(model);
  assistant::rtf_text(model);
  for (const std::string& id : assistant::scan_include_text(bytes)) assistant::id_in_use(model, id);
  return 0;
}
