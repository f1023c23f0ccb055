// Resource scripts (.rc): the libraries' dialogs, strings and bitmaps are
// read from these at load time.
#include <vector>

#include "fuzz/fuzz_support.h"
#include "platform/ui/resources.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> errors;
  const ui::ResourceSet set = ui::ResourceSet::parse(fuzz::as_text(data, size), &errors);
  for (int id : {0, 1, 101, 21000}) set.string(id);
  set.dialog("DLG_TEST");
  set.dialog(21000);
  set.bitmap("LOGO");
  set.symbol("IDC_TITLE");
  return 0;
}
