// Hotspot graphics (.shg): the hotspot records, names and bindings, and the
// image map made from them for a run whose context map knows one topic.
#include <string>

#include "fuzz/fuzz_support.h"
#include "html/driver/conversion_run.h"
#include "html/pictures/image_map.h"
#include "html/pictures/shg_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = fuzz::as_text(data, size);
  const std::vector<html::ShgHotspot> spots = html::read_shg_hotspots(bytes);
  html::ConversionRun run;
  run.publish.contexts.add("page.htm#IDH_KNOWN#");
  html::image_map(run, "map", spots);
  return 0;
}
